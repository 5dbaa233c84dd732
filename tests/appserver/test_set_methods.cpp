// The Set methods: a screen data set's delta applied to its table in one
// transaction, records found by their original key, changes made by other
// users since the read refused, duplicates refused by the database.
#include <gtest/gtest.h>

#include "appserver/packet_shape.h"
#include "server_fixture.h"

using apptest::DeltaBuilder;
using apptest::Mentions;
using plat::Variant;

namespace {

class SetMethods : public apptest::ServerFixture {
 protected:
  // The answer of a Set call that must succeed: an empty packet.
  void Apply(const std::string& method, const DeltaBuilder& delta) {
    auto result = Call(method, {delta});
    ASSERT_EQ(result.kind, host::ServerResult::Kind::Packet) << method << ": " << result.error;
    EXPECT_TRUE(result.packet.fields.empty());
    EXPECT_TRUE(result.packet.rows.empty());
  }
  // The message of a Set call that must be refused.
  std::string Refusal(const std::string& method, const DeltaBuilder& delta, host::TNetConnection* net = nullptr) {
    auto result = (net ? *net : *net_).AppServer(method, {delta});
    EXPECT_TRUE(result.Failed()) << method << " was not refused";
    return result.error;
  }
  plat::DataPacket ContractLines() { return Fetch("GetDadosContLinhaProd", {"1001", "1"}); }
  plat::DataPacket ContractServices() { return Fetch("GetDadosContServico", {"1001", "1"}); }
};

struct InsertCase {
  const char* method;
  const char* table;
  const char* fields;  // the data set's fields (as a delta carries them)
  apptest::Values values;
  const char* where;  // selects exactly the inserted record
};

const InsertCase kInserts[] = {
    {"SetProposta",
     "PROPOSTAFAS",
     "NRPROPOSFAS S20, NRVERPROPFAS S2, CDFILIAL S4, IDCLIENPROSP S1, CDCLIENTE S21, NOME S50, DTPROPOSFAS T",
     {{"NRPROPOSFAS", "2001"},
      {"NRVERPROPFAS", "1"},
      {"CDFILIAL", "0001"},
      {"IDCLIENPROSP", "C"},
      {"CDCLIENTE", "12345678909"},
      {"NOME", "ignorado"},
      {"DTPROPOSFAS", plat::DateTime::FromDate(2025, 5, 2)}},
     "NRPROPOSFAS = '2001' AND DTPROPOSFAS = '2025-05-02T00:00:00'"},
    {"SetDadosContLinhaProd",
     "PROPOSTALINP",
     "NRPROPOSFAS S20, NRVERPROPFAS S2, CDLINPPROP S20, QTLINPPROP F",
     {{"NRPROPOSFAS", "1006"}, {"NRVERPROPFAS", "1"}, {"CDLINPPROP", "60"}, {"QTLINPPROP", 2.5}},
     "NRPROPOSFAS = '1006' AND CDLINPPROP = '60' AND QTLINPPROP = 2.5"},
    {"SetSistLinhaProd",
     "SISTPROPLINP",
     "NMSISTEMA S40, NRPROPOSFAS S20, NRVERPROPFAS S2, CDLINPPROP S20, CDSISTEMA S8",
     {{"NRPROPOSFAS", "1001"}, {"NRVERPROPFAS", "1"}, {"CDLINPPROP", "11"}, {"CDSISTEMA", "FIN"}},
     "NRPROPOSFAS = '1001' AND CDLINPPROP = '11' AND CDSISTEMA = 'FIN'"},
    {"SetDadosContServico",
     "PROPOSTASERV",
     "NRPROPOSFAS S20, NRVERPROPFAS S2, CDTIPOSERV S3, VRHORAPROP F",
     {{"NRPROPOSFAS", "1001"}, {"NRVERPROPFAS", "1"}, {"CDTIPOSERV", "SUP"}, {"VRHORAPROP", 90.0}},
     "NRPROPOSFAS = '1001' AND CDTIPOSERV = 'SUP' AND VRHORAPROP = 90"},
    {"SetPedidosLinhaProd",
     "PEDILINPPROP",
     "NRPROPOSFAS S20, NRVERPROPFAS S2, NRLINPPEDP S3, CDLIN S20, VALOR_LU D32",
     {{"NRPROPOSFAS", "1005"},
      {"NRVERPROPFAS", "1"},
      {"NRLINPPEDP", "2"},
      {"CDLIN", "X1"},
      {"VALOR_LU", plat::Decimal::Parse("10.25")}},
     "NRPROPOSFAS = '1005' AND NRLINPPEDP = '2' AND VALOR_LU = 10.25"},
    {"SetPedidosServico",
     "PEDISERVPROP",
     "NRPROPOSFAS S20, NRVERPROPFAS S2, NRSERVPEDP S3, CDTIPOSERV S3",
     {{"NRPROPOSFAS", "1005"}, {"NRVERPROPFAS", "1"}, {"NRSERVPEDP", "2"}, {"CDTIPOSERV", "TRE"}},
     "NRPROPOSFAS = '1005' AND NRSERVPEDP = '2' AND CDTIPOSERV = 'TRE'"},
    {"SetVenc_Valor",
     "VENCLUSOPROP",
     "NRPROPOSFAS S20, NRVERPROPFAS S2, NRLINPPEDP S3, DTVELUSOPEDP T, VRVELUSOPEDP F",
     {{"NRPROPOSFAS", "1005"},
      {"NRVERPROPFAS", "1"},
      {"NRLINPPEDP", "1"},
      {"DTVELUSOPEDP", plat::DateTime::FromDate(2025, 6, 10)},
      {"VRVELUSOPEDP", 10.0}},
     "NRPROPOSFAS = '1005' AND DTVELUSOPEDP = '2025-06-10T00:00:00'"},
    {"SetMensagem",
     "TXTPROPFAS",
     "NRORDEMMSG F, NRPROPOSFAS S20, NRVERPROPFAS S2, CDTXTPROPFAS S20, TXPROPFAS B",
     {{"NRORDEMMSG", 1.0},
      {"NRPROPOSFAS", "1005"},
      {"NRVERPROPFAS", "1"},
      {"CDTXTPROPFAS", "VALIDADE"},
      {"TXPROPFAS", "Válida por 30 dias."}},
     "NRPROPOSFAS = '1005' AND CDTXTPROPFAS = 'VALIDADE' AND TXPROPFAS = 'Válida por 30 dias.'"},
};

TEST_F(SetMethods, EachSetMethodWritesItsTableAndAnswersAnEmptyPacket) {
  for (const auto& c : kInserts) {
    SCOPED_TRACE(c.method);
    Apply(c.method, DeltaBuilder(appsrv::ParseFields(c.fields)).Insert(c.values));
    EXPECT_EQ(SqlValue(std::string("SELECT COUNT(*) FROM ") + c.table + " WHERE " + c.where), "1");
  }
}

TEST_F(SetMethods, InsertModifyAndDeleteOfOneDeltaAreAllApplied) {
  auto services = ContractServices();  // IMP, TRE
  Apply("SetDadosContServico", DeltaBuilder(services)
                                   .Insert({{"NRPROPOSFAS", "1001"}, {"NRVERPROPFAS", "1"}, {"CDTIPOSERV", "SUP"}})
                                   .Modify(services.rows[0], {{"VRHORAPROP", 155.0}})
                                   .Delete(services.rows[1]));
  auto now = ContractServices();
  EXPECT_EQ(apptest::Column(now, "CDTIPOSERV"), (std::vector<std::string>{"IMP", "SUP"}));
  EXPECT_EQ(apptest::At(now, 0, "VRHORAPROP").ToDouble(), 155.0);
}

TEST_F(SetMethods, OneRefusedChangeRollsBackEveryOtherChangeOfTheDelta) {
  auto services = ContractServices();
  auto message = Refusal("SetDadosContServico",
                         DeltaBuilder(services)
                             .Insert({{"NRPROPOSFAS", "1001"}, {"NRVERPROPFAS", "1"}, {"CDTIPOSERV", "SUP"}})
                             .Modify(services.rows[0], {{"VRHORAPROP", 155.0}})
                             .Insert({{"NRPROPOSFAS", "1001"}, {"NRVERPROPFAS", "1"}, {"CDTIPOSERV", "TRE"}}));
  EXPECT_TRUE(Mentions(message, "Registro já existente: Serviço TRE da proposta 1001/1."));
  EXPECT_TRUE(Mentions(message, "Nenhuma alteração foi gravada"));
  auto now = ContractServices();
  EXPECT_EQ(apptest::Column(now, "CDTIPOSERV"), (std::vector<std::string>{"IMP", "TRE"}));
  EXPECT_EQ(apptest::At(now, 0, "VRHORAPROP").ToDouble(), 140.0);
}

TEST_F(SetMethods, AModifyOfARecordAnotherUserChangedSinceTheReadIsRefused) {
  auto other = Connect();
  auto mine = ContractLines();
  auto theirs = Fetch(*other, "GetDadosContLinhaProd", {"1001", "1"});
  Apply("SetDadosContLinhaProd", DeltaBuilder(theirs).Modify(theirs.rows[0], {{"VRLUSOPROP", 1000.0}}));
  std::string message =
      Refusal("SetDadosContLinhaProd", DeltaBuilder(mine).Modify(mine.rows[0], {{"QTLINPPROP", 99.0}}));
  EXPECT_TRUE(Mentions(message, "Linha de Produto 10 da proposta 1001/1"));
  EXPECT_TRUE(Mentions(message, "alterado por outro usuário"));
  EXPECT_TRUE(Mentions(message, "Vr. Unit. LU"));
  auto now = ContractLines();
  EXPECT_EQ(apptest::At(now, 0, "VRLUSOPROP").ToDouble(), 1000.0);
  EXPECT_EQ(apptest::At(now, 0, "QTLINPPROP").ToDouble(), 15.0);
}

TEST_F(SetMethods, AModifyAgreeingWithAnotherUsersChangeIsAccepted) {
  auto mine = ContractLines();
  Sql("UPDATE PROPOSTALINP SET QTLINPPROP = 20 WHERE NRPROPOSFAS = '1001' AND NRVERPROPFAS = '1' AND CDLINPPROP = "
      "'10'");
  Apply("SetDadosContLinhaProd",
        DeltaBuilder(mine).Modify(mine.rows[0], {{"QTLINPPROP", 20.0}, {"VRMENSPROP", 175.0}}));
  EXPECT_EQ(apptest::At(ContractLines(), 0, "VRMENSPROP").ToDouble(), 175.0);
}

TEST_F(SetMethods, ModifyingOrDeletingARecordAnotherUserDeletedIsRefused) {
  auto services = ContractServices();
  Sql("DELETE FROM PROPOSTASERV WHERE NRPROPOSFAS = '1001' AND NRVERPROPFAS = '1' AND CDTIPOSERV = 'TRE'");
  auto deleted = Refusal("SetDadosContServico", DeltaBuilder(services).Delete(services.rows[1]));
  EXPECT_TRUE(Mentions(deleted, "Serviço TRE da proposta 1001/1 já foi excluído"));
  auto modified =
      Refusal("SetDadosContServico", DeltaBuilder(services).Modify(services.rows[1], {{"VRHORAPROP", 1.0}}));
  EXPECT_TRUE(Mentions(modified, "não existe mais"));
}

TEST_F(SetMethods, DeletingARecordChangedSinceTheReadIsRefused) {
  auto services = ContractServices();
  Sql("UPDATE PROPOSTASERV SET VRHORAPROP = 99 WHERE NRPROPOSFAS = '1001' AND CDTIPOSERV = 'IMP'");
  EXPECT_TRUE(Mentions(Refusal("SetDadosContServico", DeltaBuilder(services).Delete(services.rows[0])),
                       "alterado por outro usuário"));
  EXPECT_EQ(SqlValue("SELECT COUNT(*) FROM PROPOSTASERV WHERE NRPROPOSFAS = '1001' AND NRVERPROPFAS = '1'"), "2");
}

TEST_F(SetMethods, DuplicatesTheScreenDoesNotCheckAreRefusedByTheDatabase) {
  auto lines = ContractLines();
  EXPECT_TRUE(
      Mentions(Refusal("SetDadosContLinhaProd", DeltaBuilder(lines).Modify(lines.rows[1], {{"CDLINPPROP", "10"}})),
               "Registro já existente: Linha de Produto 10 da proposta 1001/1."));

  auto systems = Fetch("GetSistLinhaProd", {"1001", "1", "10"});  // EST, FAT, FIN
  EXPECT_TRUE(
      Mentions(Refusal("SetSistLinhaProd", DeltaBuilder(systems).Modify(systems.rows[0], {{"CDSISTEMA", "FIN"}})),
               "Registro já existente: Sistema da Linha de Produto 10/FIN da proposta 1001/1."));

  auto ordered = Fetch("GetPedidosLinhaProd", {"1001", "1"});
  EXPECT_TRUE(
      Mentions(Refusal("SetPedidosLinhaProd",
                       DeltaBuilder(ordered).Insert(
                           {{"NRPROPOSFAS", "1001"}, {"NRVERPROPFAS", "1"}, {"NRLINPPEDP", "3"}, {"CDLIN", "900"}})),
               "Registro já existente: Linha de Produto do pedido 3 da proposta 1001/1 (Código 900)."));

  auto services = Fetch("GetPedidosServico", {"1001", "1"});
  EXPECT_TRUE(Mentions(
      Refusal("SetPedidosServico",
              DeltaBuilder(services).Insert(
                  {{"NRPROPOSFAS", "1001"}, {"NRVERPROPFAS", "1"}, {"NRSERVPEDP", "3"}, {"CDTIPOSERV", "IMP"}})),
      "Registro já existente: Serviço do pedido 3 da proposta 1001/1 (Serviço IMP)."));

  auto messages = DeltaBuilder(appsrv::ParseFields("NRPROPOSFAS S20, NRVERPROPFAS S2, CDTXTPROPFAS S20"));
  EXPECT_TRUE(
      Mentions(Refusal("SetMensagem",
                       messages.Insert({{"NRPROPOSFAS", "1001"}, {"NRVERPROPFAS", "1"}, {"CDTXTPROPFAS", "GARANTIA"}})),
               "Registro já existente: Texto GARANTIA da proposta 1001/1."));
}

TEST_F(SetMethods, JoinedAndComputedFieldsAreNotWrittenBack) {
  auto list = Fetch("GetProposta", {"0001", "ADMIN"});
  const auto& p1002 = list.rows[2];
  Apply("SetProposta", DeltaBuilder(list).Modify(p1002, {{"NOME", "Outro Nome"},
                                                         {"NMOPERADOR", "Outro Operador"},
                                                         {"OPERSOLI", "Outro Solicitante"},
                                                         {"DSREFECONT", "Outro Contato"},
                                                         {"PROPOSTA", "1002 - Outro Nome"},
                                                         {"DSOBSPROPFAS", "Observação nova"}}));
  auto after = Fetch("GetProposta", {"0001", "ADMIN"});
  EXPECT_EQ(apptest::At(after, 2, "NOME").ToText(), "Dr. Ricardo Nogueira");
  EXPECT_EQ(apptest::At(after, 2, "NMOPERADOR").ToText(), "Carlos Eduardo Mendes");
  EXPECT_EQ(apptest::At(after, 2, "DSREFECONT").ToText(), "Ricardo Nogueira");
  EXPECT_EQ(apptest::At(after, 2, "DSOBSPROPFAS").ToText(), "Observação nova");
  EXPECT_EQ(SqlValue("SELECT NMFANTCLIE FROM CLIENTE WHERE CDCLIENTE = '12345678909'"), "Dr. Ricardo Nogueira");

  auto lines = ContractLines();
  Apply("SetDadosContLinhaProd",
        DeltaBuilder(lines).Modify(lines.rows[0], {{"VALORTOTALLU", plat::Decimal::FromInt(1)}}));
  EXPECT_EQ(apptest::At(ContractLines(), 0, "VALORTOTALLU").ToDecimal(), plat::Decimal::FromInt(20000));
}

TEST_F(SetMethods, ARecordIsFoundByItsOriginalKeyAndARenamedLineKeepsItsSystems) {
  auto lines = ContractLines();
  Apply("SetDadosContLinhaProd", DeltaBuilder(lines).Modify(lines.rows[1], {{"CDLINPPROP", "12"}}));
  EXPECT_EQ(apptest::Column(ContractLines(), "CDLINPPROP"), (std::vector<std::string>{"10", "12"}));
  EXPECT_EQ(apptest::Column(Fetch("GetSistLinhaProd", {"1001", "1", "12"}), "CDSISTEMA"),
            (std::vector<std::string>{"CTB", "FIS"}));
}

TEST_F(SetMethods, ARecordWhoseParentDoesNotExistIsRefused) {
  auto lines = ContractLines();
  EXPECT_TRUE(Mentions(
      Refusal("SetDadosContLinhaProd",
              DeltaBuilder(lines).Insert({{"NRPROPOSFAS", "9999"}, {"NRVERPROPFAS", "1"}, {"CDLINPPROP", "1"}})),
      "Linha de Produto 1 da proposta 9999/1 não corresponde a nenhum registro de Proposta"));
}

TEST_F(SetMethods, AnEmptyKeyFieldIsRefused) {
  // A system name typed by hand leaves the system code empty.
  auto systems = Fetch("GetSistLinhaProd", {"1001", "1", "10"});
  EXPECT_TRUE(Mentions(Refusal("SetSistLinhaProd", DeltaBuilder(systems).Insert({{"NMSISTEMA", "Sistema digitado"},
                                                                                 {"NRPROPOSFAS", "1001"},
                                                                                 {"NRVERPROPFAS", "1"},
                                                                                 {"CDLINPPROP", "10"},
                                                                                 {"CDSISTEMA", ""}})),
                       "O campo Sistema de Sistema da Linha de Produto 10/ da proposta 1001/1 deve ser informado."));
}

TEST_F(SetMethods, ATextLongerThanItsColumnIsRefused) {
  auto list = Fetch("GetProposta", {"0001", "ADMIN"});
  EXPECT_TRUE(Mentions(
      Refusal("SetProposta", DeltaBuilder(list).Modify(list.rows[2], {{"DSOBSPROPFAS", std::string(251, 'x')}})),
      "O campo Observação de Proposta 1002/1 aceita no máximo 250 caracteres"));
}

TEST_F(SetMethods, ADeltaWithoutTheKeyFieldsIsRefused) {
  EXPECT_TRUE(Mentions(
      Refusal("SetDadosContServico",
              DeltaBuilder(appsrv::ParseFields("CDTIPOSERV S3, VRHORAPROP F")).Insert({{"CDTIPOSERV", "SUP"}})),
      "não traz o campo-chave NRPROPOSFAS"));
}

}  // namespace
