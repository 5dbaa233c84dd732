// The local look-ups: their statements word for word, their parameters, the
// fields they keep, and what they return from the host's shared database.
#include <map>
#include <string>
#include <vector>

#include "Cli_psr41300/field_description.h"
#include "Cli_psr41300/unconnected_screen.h"
#include "host/dtmdbgeral.h"

namespace screen_test {
namespace {

struct ExpectedQuery {
  std::string sql;
  std::vector<std::string> params;
  std::vector<std::string> fields;
};

const std::map<std::string, ExpectedQuery> kExpectedQueries = {
    {"qryCliente",
     {"SELECT CDCLIENTE, NRINSJURCLIE, NMFANTCLIE, IDTPIJURCLIE FROM CLIENTE WHERE ((NRINSJURCLIE = :P_NRINSJURCLIE) "
      "OR ('T' = :P_TNRINSJURCLIE))",
      {"P_NRINSJURCLIE", "P_TNRINSJURCLIE"},
      {"CDCLIENTE text(21) hidden required", R"(NRINSJURCLIE text(20) "Inscrição")", R"(NMFANTCLIE text(50) "Nome")",
       "IDTPIJURCLIE text(1) hidden"}}},
    {"qryProspect",
     {"SELECT NMFANTPROS , NRINSJURPROS, IDTPIJURPROS, CDPROSPECT FROM PROSPECT WHERE ((NRINSJURPROS = "
      ":P_NRINSJURPROS) OR ('T' = :P_TNRINSJURPROS))",
      {"P_NRINSJURPROS", "P_TNRINSJURPROS"},
      {R"(NRINSJURPROS text(20) "Inscrição")", R"(NMFANTPROS text(50) "Nome")", "IDTPIJURPROS text(1) hidden",
       "CDPROSPECT text(21) hidden required"}}},
    {"qryOperador",
     {"SELECT CDOPERADOR, NMOPERADOR FROM OPERADOR WHERE ((CDOPERADOR = :P_CDOPERADOR) OR ('T' = :P_TCDOPERADOR)) "
      "AND IDOPERATIVO = 'A' ORDER BY CDOPERADOR",
      {"P_CDOPERADOR", "P_TCDOPERADOR"},
      {R"(CDOPERADOR text(12) "Código" required)", R"(NMOPERADOR text(40) "Nome")"}}},
    {"adqValidaCliente",
     {"SELECT CDCLIENTE, IDTPIJURCLIE, NMFANTCLIE FROM CLIENTE WHERE (CDCLIENTE = :P_CDCLIENTE) ORDER BY CDCLIENTE",
      {"P_CDCLIENTE"},
      {}}},
    {"adqGera_Cliente",
     {"SELECT CDPROSPECT, IDTPIJURPROS, NRINSJURPROS, NMRAZSOCPROS, NMFANTPROS FROM PROSPECT WHERE (CDPROSPECT = "
      ":P_CDPROSPECT)",
      {"P_CDPROSPECT"},
      {"CDPROSPECT text(21)", "IDTPIJURPROS text(1)", "NRINSJURPROS text(20)", "NMRAZSOCPROS text(50)",
       "NMFANTPROS text(50)"}}},
    {"adqDadosContTipoServ",
     {"SELECT CDTIPOSERV, NMTIPOSERV FROM TIPOSERV ORDER BY CDTIPOSERV",
      {},
      {R"(CDTIPOSERV text(3) "Código")", R"(NMTIPOSERV text(30) "Serviço")"}}},
    {"adqDadosContTipoSistema",
     {"SELECT SI.CDSISTEMA , SI.NMSISTEMA FROM SISTEMA SI ORDER BY SI.CDSISTEMA",
      {},
      {R"(CDSISTEMA text(8) "Código")", R"(NMSISTEMA text(40) "Sistima")"}}},
};

class LocalQueries : public UnconnectedScreen {};

TEST_F(LocalQueries, StatementsAreKeptWordForWord) {
  for (const auto& [name, expected] : kExpectedQueries)
    EXPECT_EQ(screen.Get<plat::TADOIBQuery>(name).SQL(), expected.sql) << name;
}

TEST_F(LocalQueries, ParametersAreTheNamedOnesInOrder) {
  for (const auto& [name, expected] : kExpectedQueries) {
    std::vector<std::string> params;
    for (const plat::TParam& param : screen.Get<plat::TADOIBQuery>(name).Params()) params.push_back(param.Name());
    EXPECT_EQ(params, expected.params) << name;
  }
}

TEST_F(LocalQueries, KeptFieldsCarryTheirLabelsAndFlags) {
  for (const auto& [name, expected] : kExpectedQueries)
    EXPECT_EQ(DescribeFields(screen.Get<plat::TADOIBQuery>(name)), expected.fields) << name;
}

// The reference tables as the host's local cache holds them, shadowed by
// temporary tables of this connection so that nothing else is touched.
class LocalQueriesOnTheSharedDatabase : public UnconnectedScreen {
 protected:
  void SetUp() override {
    auto& database = host::dtmDBGeral();
    if (!database.Connected()) database.Open(":memory:");
    database.Execute(
        "CREATE TEMP TABLE CLIENTE (CDCLIENTE VARCHAR(21), NRINSJURCLIE VARCHAR(20), NMFANTCLIE VARCHAR(50), "
        "IDTPIJURCLIE VARCHAR(1));"
        "INSERT INTO CLIENTE VALUES ('C2', '12345678000195', 'Beta Ltda', 'J'), ('C1', '12345678901', 'Ana', 'F');"
        "CREATE TEMP TABLE OPERADOR (CDOPERADOR VARCHAR(12), NMOPERADOR VARCHAR(40), IDOPERATIVO VARCHAR(1));"
        "INSERT INTO OPERADOR VALUES ('000000000002', 'Bruno', 'A'), ('000000000001', 'Carla', 'A'), "
        "('000000000003', 'Inativo', 'I');");
  }
  void TearDown() override { host::dtmDBGeral().Execute("DROP TABLE temp.CLIENTE; DROP TABLE temp.OPERADOR;"); }
  static std::vector<std::string> Column(plat::TDataSet& dataSet, const char* field) {
    std::vector<std::string> values;
    for (dataSet.First(); !dataSet.Eof(); dataSet.Next()) values.push_back(dataSet.FieldByName(field).AsString());
    return values;
  }
};

TEST_F(LocalQueriesOnTheSharedDatabase, CustomerSearchListsAllWithTOrOneByRegistrationNumber) {
  auto& query = *screen.qryCliente;
  query.ParamByName("P_NRINSJURCLIE").SetAsString("");
  query.ParamByName("P_TNRINSJURCLIE").SetAsString("T");
  query.Open();
  EXPECT_EQ(query.RecordCount(), 2);

  query.Close();
  query.ParamByName("P_NRINSJURCLIE").SetAsString("12345678901");
  query.ParamByName("P_TNRINSJURCLIE").SetAsString("");
  query.Open();
  ASSERT_EQ(query.RecordCount(), 1);
  EXPECT_EQ(query.FieldByName("CDCLIENTE").AsString(), "C1");
  EXPECT_EQ(query.FieldByName("NMFANTCLIE").AsString(), "Ana");
}

TEST_F(LocalQueriesOnTheSharedDatabase, OperatorSearchListsOnlyActiveOperatorsByCode) {
  auto& query = *screen.qryOperador;
  query.ParamByName("P_CDOPERADOR").SetAsString("");
  query.ParamByName("P_TCDOPERADOR").SetAsString("T");
  query.Open();
  EXPECT_EQ(Column(query, "CDOPERADOR"), (std::vector<std::string>{"000000000001", "000000000002"}));
}

TEST_F(LocalQueriesOnTheSharedDatabase, CustomerCheckKeepsTheColumnsAsSelected) {
  auto& query = *screen.adqValidaCliente;
  query.ParamByName("P_CDCLIENTE").SetAsString("C2");
  query.Open();
  ASSERT_EQ(query.RecordCount(), 1);
  std::vector<std::string> names;
  for (const plat::TField* field : query.Fields()) names.push_back(field->FieldName());
  EXPECT_EQ(names, (std::vector<std::string>{"CDCLIENTE", "IDTPIJURCLIE", "NMFANTCLIE"}));
}

}  // namespace
}  // namespace screen_test
