// The Host object (server date, reference tables for the local cache, the
// test harness's controls) and how calls that cannot run are answered.
#include <gtest/gtest.h>

#include <ctime>

#include "server_fixture.h"

using apptest::At;
using apptest::Mentions;
using plat::FieldType;

namespace {

class HostObject : public apptest::ServerFixture {};

class ServerWithoutTestOptions : public apptest::ServerFixture {
 protected:
  ServerWithoutTestOptions() : ServerFixture(false) {}
};

plat::DateTime LocalToday() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return plat::DateTime::FromDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

TEST_F(HostObject, DtServIsTodayAtMidnightUntilATestSetsTheDateForEveryConnection) {
  auto today = HostCall("DtServ");
  ASSERT_EQ(today.kind, host::ServerResult::Kind::Value) << today.error;
  EXPECT_EQ(today.value, plat::Variant(LocalToday()));

  ASSERT_FALSE(HostCall("SetServerDate", {plat::Variant(plat::DateTime::FromDate(2026, 12, 8) + 0.6)}).Failed());
  auto other = Connect();
  EXPECT_EQ(other->Call("Host", "DtServ", {}).value, plat::Variant(plat::DateTime::FromDate(2026, 12, 8)));

  ASSERT_FALSE(HostCall("SetServerDate", {plat::Variant()}).Failed());
  EXPECT_EQ(HostCall("DtServ").value, plat::Variant(LocalToday()));
}

TEST_F(HostObject, GetTableAnswersEveryCachedTableTypedAsDeclared) {
  for (const char* table :
       {"CLIENTE", "PROSPECT", "OPERADOR", "TIPOSERV", "SISTEMA", "PROPOSTAFAS", "PROPOSTALINP", "SISTPROPLINP",
        "PROPOSTASERV", "PEDILINPPROP", "PEDISERVPROP", "VENCLUSOPROP", "TXTPROPFAS"}) {
    auto result = HostCall("GetTable", {table});
    ASSERT_EQ(result.kind, host::ServerResult::Kind::Packet) << table << ": " << result.error;
    EXPECT_FALSE(result.packet.rows.empty()) << table;
  }
  auto operators = HostCall("GetTable", {"OPERADOR"}).packet;
  EXPECT_EQ(operators.rows.size(), 6u);  // the inactive one too
  const auto& code = operators.fields[std::size_t(operators.FieldIndex("CDOPERADOR"))];
  EXPECT_EQ(code.type, FieldType::String);
  EXPECT_EQ(code.size, 12);
  auto proposals = HostCall("GetTable", {"PROPOSTAFAS"}).packet;
  EXPECT_EQ(proposals.fields[std::size_t(proposals.FieldIndex("DTPROPOSFAS"))].type, FieldType::DateTime);
  EXPECT_EQ(At(proposals, 0, "DTPROPOSFAS"), plat::Variant(plat::DateTime::FromDate(2024, 9, 2)));
}

TEST_F(HostObject, GetTableRefusesATableOutsideTheCache) {
  auto result = HostCall("GetTable", {"SEQUENCIA"});
  ASSERT_TRUE(result.Failed());
  EXPECT_TRUE(Mentions(result.error, "A tabela 'SEQUENCIA' não está disponível para o cache local"));
  EXPECT_TRUE(Mentions(result.error, "TXTPROPFAS"));
}

TEST_F(HostObject, FailNextFailsTheNextCallOfTheMethodFromAnyConnectionOnce) {
  ASSERT_FALSE(HostCall("FailNext", {"GetProposta", "Servidor em manutenção"}).Failed());
  auto other = Connect();
  auto failed = other->AppServer("GetProposta", {"0001", "ADMIN"});
  ASSERT_TRUE(failed.Failed());
  EXPECT_EQ(failed.error, "Servidor em manutenção");
  EXPECT_FALSE(Call("GetProposta", {"0001", "ADMIN"}).Failed());
  EXPECT_FALSE(Call("PrxProposta").Failed());  // other methods are untouched
}

TEST_F(HostObject, SqlAnswersTheRowsOfAQueryAndRunsOtherStatements) {
  auto rows = Sql("SELECT CDSISTEMA, NMSISTEMA FROM SISTEMA WHERE CDSISTEMA IN ('FIN', 'CTB') ORDER BY 1");
  EXPECT_EQ(apptest::Column(rows, "NMSISTEMA"), (std::vector<std::string>{"Contabilidade", "Financeiro"}));
  auto done =
      Sql("INSERT INTO SISTEMA (CDSISTEMA, NMSISTEMA) VALUES ('BI', 'Indicadores'); "
          "UPDATE SISTEMA SET NMSISTEMA = 'Painéis' WHERE CDSISTEMA = 'BI'");
  EXPECT_TRUE(done.fields.empty());
  EXPECT_EQ(SqlValue("SELECT NMSISTEMA FROM SISTEMA WHERE CDSISTEMA = 'BI'"), "Painéis");
  auto wrong = HostCall("Sql", {"SELECT * FROM NAOEXISTE"});
  ASSERT_TRUE(wrong.Failed());
  // PostgreSQL names the table as it folds it, in lower case.
  EXPECT_TRUE(Mentions(wrong.error, "NAOEXISTE") || Mentions(wrong.error, "naoexiste")) << wrong.error;
}

TEST_F(HostObject, UnknownObjectsAndMethodsAreNamedInTheError) {
  auto method = Call("GetPropostas", {"0001", "ADMIN"});
  ASSERT_TRUE(method.Failed());
  EXPECT_TRUE(Mentions(method.error, "não tem o método 'GetPropostas'"));
  auto object = net_->Call("PSR41300.rdmOutro", "GetProposta", {"0001", "ADMIN"});
  ASSERT_TRUE(object.Failed());
  EXPECT_TRUE(Mentions(object.error, "não tem o objeto 'PSR41300.rdmOutro'"));
}

TEST_F(HostObject, WrongArgumentsAreRefusedNamingWhatWasExpected) {
  auto count = Call("GetSistLinhaProd", {"1001", "1"});
  ASSERT_TRUE(count.Failed());
  EXPECT_TRUE(Mentions(count.error,
                       "GetSistLinhaProd espera 3 argumento(s) (NRPROPOSFAS, NRVERPROPFAS, CDLINPPROP) e "
                       "recebeu 2"));
  auto kind = Call("GetDadosContLinhaProd", {1001.0, "1"});
  ASSERT_TRUE(kind.Failed());
  EXPECT_TRUE(Mentions(kind.error, "o argumento 1 (NRPROPOSFAS) deve ser um texto; recebeu um valor do tipo float"));
  auto delta = Call("SetProposta", {"1001"});
  ASSERT_TRUE(delta.Failed());
  EXPECT_TRUE(Mentions(delta.error, "deve ser um pacote de alterações (delta)"));
  // The connection goes on serving after refused calls.
  EXPECT_FALSE(Call("GetProposta", {"0001", "ADMIN"}).Failed());
}

TEST_F(ServerWithoutTestOptions, TestOnlyMethodsAreUnknown) {
  for (const char* method : {"SetServerDate", "FailNext", "Sql"}) {
    auto result = HostCall(method, {"x"});
    ASSERT_TRUE(result.Failed()) << method;
    EXPECT_TRUE(Mentions(result.error, std::string("não tem o método '") + method + "'"));
  }
  EXPECT_FALSE(HostCall("DtServ").Failed());
  EXPECT_FALSE(HostCall("GetTable", {"CLIENTE"}).Failed());
}

}  // namespace
