#include "appserver/demo_data.h"

#include "appserver/embedded_text.h"

namespace appsrv {

namespace {

void AddSimpleProposals(Storage& db, int count) {
  if (count <= 0) return;
  auto customers = db.Query("SELECT CDCLIENTE FROM CLIENTE ORDER BY CDCLIENTE");
  auto operators = db.Query("SELECT CDOPERADOR FROM OPERADOR WHERE IDOPERATIVO = 'A' ORDER BY CDOPERADOR");
  auto last = db.Query("SELECT NRULTIMO FROM SEQUENCIA WHERE NMSEQUENCIA = 'PROPOSTA'");
  int64_t number = last.rows.empty() ? 0 : last.rows[0][0].ToInt();
  const auto base = plat::DateTime::FromDate(2025, 1, 2);
  for (int i = 0; i < count; ++i) {
    ++number;
    const auto& customer = customers.rows[std::size_t(i) % customers.rows.size()][0];
    const auto& oper = operators.rows[std::size_t(i) % operators.rows.size()][0];
    const plat::DateTime date = base + double(i % 365);
    db.Execute(
        "INSERT INTO PROPOSTAFAS (NRPROPOSFAS, NRVERPROPFAS, CDFILIAL, DTPROPOSFAS, DTVALPROPFAS, IDCLIENPROSP,"
        " CDCLIENTE, CDOPERINCL, CDOPERSOLI, IDSOLPROPFAS, DSOBSPROPFAS)"
        " VALUES (?1, '1', ?2, ?3, ?4, 'C', ?5, ?6, ?6, ?7, 'Proposta gerada para volume de dados')",
        {plat::Variant(std::to_string(number)), plat::Variant(i % 2 ? "0002" : "0001"), plat::Variant(date),
         plat::Variant(date + 30.0), customer, oper, plat::Variant(i % 3 ? "N" : "S")});
  }
  db.Execute("UPDATE SEQUENCIA SET NRULTIMO = ?1 WHERE NMSEQUENCIA = 'PROPOSTA'", {plat::Variant(number)});
}

}  // namespace

void FillDemoData(Storage& db, int extraProposals) {
  db.ExecuteScript(kDemoDataSql);
  AddSimpleProposals(db, extraProposals);
}

}  // namespace appsrv
