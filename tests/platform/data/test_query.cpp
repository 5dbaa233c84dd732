// Read-only queries over the local database, with named parameters.
#include "platform/data/dataset_fixture.h"
#include "platform/data/localdb.h"
#include "platform/data/query.h"

namespace plat::testing {
namespace {

const char* kClientSql =
    "SELECT CDCLIENTE, NRINSJURCLIE, NMFANTCLIE, IDTPIJURCLIE FROM CLIENTE "
    "WHERE ((NRINSJURCLIE = :P_NRINSJURCLIE) OR ('T' = :P_TNRINSJURCLIE))";
const char* kOperatorSql =
    "SELECT CDOPERADOR, NMOPERADOR FROM OPERADOR WHERE ((CDOPERADOR = :P_CDOPERADOR) OR ('T' = :P_TCDOPERADOR)) "
    "AND IDOPERATIVO = 'A' ORDER BY CDOPERADOR";
const char* kSystemSql = "SELECT SI.CDSISTEMA , SI.NMSISTEMA FROM SISTEMA SI ORDER BY SI.CDSISTEMA";

class LocalQuery : public ::testing::Test {
 protected:
  TLocalDatabase db;
  TComponent form{nullptr, "frm"};
  TADOIBQuery& qry = form.Create<TADOIBQuery>("qryCliente", &db);

  void SetUp() override {
    db.Open(":memory:");
    db.Execute(
        "CREATE TABLE CLIENTE (CDCLIENTE INTEGER, NRINSJURCLIE VARCHAR(14), NMFANTCLIE VARCHAR(40), IDTPIJURCLIE "
        "CHAR(1));"
        "INSERT INTO CLIENTE VALUES (1, '11222333000181', 'Padaria Sol', 'J'), (2, '12345678909', 'Joao Lima', 'F'),"
        " (3, '99888777000166', 'Mercado Lua', 'J');"
        "CREATE TABLE OPERADOR (CDOPERADOR INTEGER, NMOPERADOR VARCHAR(40), IDOPERATIVO CHAR(1));"
        "INSERT INTO OPERADOR VALUES (3, 'Carlos', 'A'), (1, 'Alice', 'A'), (2, 'Bento', 'I');"
        "CREATE TABLE SISTEMA (CDSISTEMA INTEGER, NMSISTEMA VARCHAR(30));"
        "INSERT INTO SISTEMA VALUES (20, 'Faturamento'), (10, 'Contratos');");
  }
  // One column of the query's rows as text, in order.
  std::vector<std::string> Column(const std::string& name) {
    std::vector<std::string> values;
    for (qry.First(); !qry.Eof(); qry.Next()) values.push_back(qry.FieldByName(name).AsString());
    return values;
  }
  void OpenClients(const Variant& document, const Variant& all) {
    qry.Close();
    qry.SetSQL(kClientSql);
    qry.ParamByName("P_NRINSJURCLIE").SetValue(document);
    qry.ParamByName("P_TNRINSJURCLIE").SetValue(all);
    qry.Open();
  }
};

TEST_F(LocalQuery, ParameterUsedTwiceTakesOneValue) {
  qry.SetSQL("SELECT NMFANTCLIE FROM CLIENTE WHERE CDCLIENTE = :P_CD OR CDCLIENTE = :P_CD + 1 ORDER BY 1");
  ASSERT_EQ(qry.Params().size(), 1u);
  qry.ParamByName("P_CD").SetValue(2);
  qry.Open();
  EXPECT_EQ(Column("NMFANTCLIE"), (Strings{"Joao Lima", "Mercado Lua"}));
}

TEST_F(LocalQuery, AllFlagParameterSelectsEveryRowOtherwiseTheDocumentFilters) {
  OpenClients("", "T");
  EXPECT_EQ(qry.RecordCount(), 3);
  OpenClients("12345678909", "F");
  EXPECT_EQ(Column("NMFANTCLIE"), (Strings{"Joao Lima"}));
  EXPECT_EQ(qry.FieldByName("CDCLIENTE").AsInteger(), 2);
  OpenClients("00000000000", "F");
  EXPECT_TRUE(qry.IsEmpty());
}

TEST_F(LocalQuery, InjectionInAParameterIsJustAValue) {
  OpenClients("x' OR '1'='1", "F");
  EXPECT_TRUE(qry.IsEmpty());
  OpenClients("1'); DROP TABLE CLIENTE; --", "F");
  EXPECT_TRUE(qry.IsEmpty());
  OpenClients("", "T");
  EXPECT_EQ(qry.RecordCount(), 3);
}

TEST_F(LocalQuery, OperatorQueryListsActiveOperatorsInCodeOrder) {
  qry.SetSQL(kOperatorSql);
  qry.ParamByName("P_CDOPERADOR").SetValue(0);
  qry.ParamByName("P_TCDOPERADOR").SetAsString("T");
  qry.Open();
  EXPECT_EQ(Column("NMOPERADOR"), (Strings{"Alice", "Carlos"}));
  qry.Close();
  qry.ParamByName("P_CDOPERADOR").SetAsString("3");
  qry.ParamByName("P_TCDOPERADOR").SetAsString("F");
  qry.Open();
  EXPECT_EQ(Column("CDOPERADOR"), (Strings{"3"}));
  qry.Close();
  qry.ParamByName("P_CDOPERADOR").SetValue(2);  // inactive
  qry.Open();
  EXPECT_TRUE(qry.IsEmpty());
}

TEST_F(LocalQuery, AliasedColumnsBecomeFieldsNamedAfterTheColumn) {
  qry.SetSQL(kSystemSql);
  EXPECT_TRUE(qry.Params().empty());
  qry.Open();
  ASSERT_EQ(qry.FieldCount(), 2);
  EXPECT_EQ(qry.FieldByName("CDSISTEMA").DataType(), FieldType::Integer);
  EXPECT_EQ(qry.FieldByName("NMSISTEMA").Size(), 30);
  EXPECT_EQ(Column("NMSISTEMA"), (Strings{"Contratos", "Faturamento"}));
}

TEST_F(LocalQuery, CloseAndOpenRunTheStatementAgain) {
  qry.SetSQL(kSystemSql);
  qry.Open();
  qry.Close();
  EXPECT_FALSE(qry.Active());
  EXPECT_TRUE(qry.IsEmpty());
  db.Execute("DELETE FROM SISTEMA WHERE CDSISTEMA = 10");
  qry.Open();
  EXPECT_EQ(qry.State(), DataSetState::Browse);
  EXPECT_EQ(Column("NMSISTEMA"), (Strings{"Faturamento"}));
  qry.SetSQL("SELECT * FROM SISTEMA WHERE NMSISTEMA = 'X:Y'");  // quoted text holds no parameter
  EXPECT_FALSE(qry.Active());
  EXPECT_TRUE(qry.Params().empty());
  qry.Open();
  EXPECT_TRUE(qry.IsEmpty());
}

TEST_F(LocalQuery, DeclaredFieldsKeepTheirLabelsAndVisibility) {
  qry.AddField("CDCLIENTE", FieldType::Integer).SetDisplayLabel("Código");
  qry.AddField("NMFANTCLIE", FieldType::String, 40).SetDisplayLabel("Nome Fantasia");
  qry.AddField("NRINSJURCLIE", FieldType::String, 14).SetDisplayLabel("CNPJ/CPF");
  qry.AddField("IDTPIJURCLIE", FieldType::String, 1).SetVisible(false);
  OpenClients("", "T");
  ASSERT_EQ(qry.FieldCount(), 4);
  EXPECT_EQ(qry.Fields()[1]->FieldName(), "NMFANTCLIE");
  EXPECT_EQ(qry.Fields()[1]->DisplayLabel(), "Nome Fantasia");
  EXPECT_FALSE(qry.FieldByName("IDTPIJURCLIE").Visible());
  EXPECT_EQ(qry.FieldByName("IDTPIJURCLIE").AsString(), "J");
  EXPECT_EQ(Column("CDCLIENTE"), (Strings{"1", "2", "3"}));
}

TEST_F(LocalQuery, DeclaredFieldsTakeStoredValuesUnchecked) {
  qry.AddField("NMSISTEMA", FieldType::String, 5);
  qry.AddField("CDSISTEMA", FieldType::Float).SetRange(1, 15);
  qry.SetSQL(kSystemSql);
  qry.Open();
  EXPECT_EQ(Column("NMSISTEMA"), (Strings{"Contratos", "Faturamento"}));
  EXPECT_EQ(qry.FieldByName("CDSISTEMA").AsFloat(), 20.0);
}

TEST_F(LocalQuery, DeclaredFieldMissingFromTheResultFails) {
  qry.AddField("NMCLIENTE", FieldType::String, 40);
  qry.SetSQL(kSystemSql);
  std::string message = ErrorOf([&] { qry.Open(); });
  EXPECT_TRUE(Contains(message, "qryCliente"));
  EXPECT_TRUE(Contains(message, "NMCLIENTE"));
  EXPECT_FALSE(qry.Active());
}

TEST_F(LocalQuery, CannotBeEdited) {
  qry.SetSQL(kSystemSql);
  qry.Open();
  EXPECT_THROW(qry.Edit(), EDatabaseError);
  EXPECT_THROW(qry.Insert(), EDatabaseError);
  EXPECT_THROW(qry.Append(), EDatabaseError);
  EXPECT_THROW(qry.Delete(), EDatabaseError);
  EXPECT_THROW(qry.FieldByName("NMSISTEMA").SetAsString("X"), EDatabaseError);
  EXPECT_EQ(qry.State(), DataSetState::Browse);
  EXPECT_EQ(qry.RecordCount(), 2);
  OpenClients("none", "F");
  EXPECT_THROW(qry.Edit(), EDatabaseError);  // empty: no insert either
  EXPECT_EQ(qry.State(), DataSetState::Browse);
}

TEST_F(LocalQuery, UnknownParameterOrBadStatementFailsClearly) {
  qry.SetSQL(kClientSql);
  EXPECT_TRUE(Contains(ErrorOf([&] { qry.ParamByName("P_CDCLIENTE"); }), "P_CDCLIENTE"));
  qry.SetSQL("SELECT FROM NOWHERE");
  EXPECT_THROW(qry.Open(), EDatabaseError);
  qry.SetSQL("  ");
  EXPECT_TRUE(Contains(ErrorOf([&] { qry.Open(); }), "qryCliente: The query has no SQL statement"));
  db.Close();
  qry.SetSQL(kSystemSql);
  EXPECT_THROW(qry.Open(), EDatabaseError);
}

}  // namespace
}  // namespace plat::testing
