#include "appserver/numbering_methods.h"

#include "appserver/number_reservations.h"
#include "appserver/session.h"
#include "platform/data/errors.h"

namespace appsrv {

namespace {

// A numbered detail of a proposal version: its table, its number column,
// the answer's field, and what its records are called in messages.
struct SequenceDef {
  const char* method;
  const char* table;
  const char* column;
  const char* records;
  const char* fetchedBy;
};

const SequenceDef kSequences[] = {
    {"seqPedidosLinhaProd", "PEDILINPPROP", "NRLINPPEDP", "linhas de produto no pedido", "GetPedidosLinhaProd"},
    {"SeqServico", "PEDISERVPROP", "NRSERVPEDP", "serviços no pedido", "GetPedidosServico"},
};

Answer NextDetailNumber(const SequenceDef& sequence, Session& session) {
  const auto& key = session.CurrentProposal();
  if (!key)
    throw plat::EError(std::string(sequence.method) + ": nenhuma proposta em uso nesta conexão. Carregue os dados da " +
                       "proposta (" + sequence.fetchedBy + ") antes de pedir o próximo número.");
  // The stored numbers and the held ones are read and the new one held in
  // one write transaction, so no other connection numbers in between.
  Storage& db = session.Db();
  const std::string holder = session.HolderName();
  int next = 0;
  db.Transaction(TxMode::Write, [&] {
    auto stored =
        db.Query(std::string("SELECT COALESCE(MAX(CAST(") + sequence.column + " AS INTEGER)), 0) AS ULTIMO FROM " +
                     sequence.table + " WHERE NRPROPOSFAS = ?1 AND NRVERPROPFAS = ?2",
                 {plat::Variant(key->number), plat::Variant(key->version)});
    const int storedMax = static_cast<int>(stored.rows[0][0].ToInt());
    next = ReserveNumber(db, holder, std::string(sequence.table) + "|" + key->number + "|" + key->version, storedMax);
  });
  if (next > kMaxDetailNumber)
    throw plat::EError("A proposta " + key->number + " versão " + key->version + " já usa todos os " +
                       std::to_string(kMaxDetailNumber) + " números de " + sequence.records + ".");
  plat::DataPacket packet;
  packet.fields.push_back({sequence.column, plat::FieldType::Decimal, 32, false, true});
  packet.rows.push_back({plat::Variant(plat::Decimal::FromInt(next))});
  return packet;
}

// The next proposal number: one above the last handed out, skipping any
// number already used by a stored proposal. The write transaction makes
// concurrent clients take turns, so no number is handed out twice.
Answer NextProposalNumber(Session& session, const CallArgs&) {
  Storage& db = session.Db();
  int64_t number = 0;
  db.Transaction(TxMode::Write, [&] {
    const plat::Variant name("PROPOSTA");
    auto last = db.Query("SELECT NRULTIMO FROM SEQUENCIA WHERE NMSEQUENCIA = ?1", {name});
    number = last.rows.empty() ? 1 : last.rows[0][0].ToInt() + 1;
    while (
        !db.Query("SELECT 1 FROM PROPOSTAFAS WHERE NRPROPOSFAS = ?1 LIMIT 1", {plat::Variant(std::to_string(number))})
             .rows.empty())
      ++number;
    db.Execute(
        "INSERT INTO SEQUENCIA (NMSEQUENCIA, NRULTIMO) VALUES (?1, ?2)"
        " ON CONFLICT (NMSEQUENCIA) DO UPDATE SET NRULTIMO = excluded.NRULTIMO",
        {name, plat::Variant(number)});
  });
  return plat::Variant(std::to_string(number));
}

}  // namespace

void RegisterNumberingMethods(ServerObject& module) {
  module.Add({"PrxProposta", {}, NextProposalNumber});
  for (const auto& sequence : kSequences)
    module.Add({sequence.method, {}, [&sequence](Session& session, const CallArgs&) {
                  return NextDetailNumber(sequence, session);
                }});
}

}  // namespace appsrv
