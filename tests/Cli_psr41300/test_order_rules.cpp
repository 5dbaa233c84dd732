// The ordered lines' numbering and the ordered services' check of a changed
// type, run with the stand-in server answering the numbering and the checks.
#include <string>
#include <vector>

#include "Cli_psr41300/cli_psr41300.h"
#include "Cli_psr41300/test_header_fixture.h"

namespace screen_test {
namespace {

plat::DataPacket Numbers(const char* field, std::vector<double> numbers) {
  plat::DataPacket packet{{{field, plat::FieldType::Decimal, 32}}, {}};
  for (double number : numbers) packet.rows.push_back({plat::Variant(plat::Decimal::FromDouble(number))});
  return packet;
}

// An answer with no rows and the fields the data set declares.
plat::DataPacket EmptyOf(const plat::TDataSet& dataSet) {
  plat::DataPacket packet;
  for (const plat::TField* field : dataSet.Fields())
    if (!field->Calculated()) packet.fields.push_back({field->FieldName(), field->DataType(), field->Size()});
  return packet;
}

int Count(const std::vector<MadeCall>& calls, const std::string& method) {
  int count = 0;
  for (const MadeCall& call : calls) count += call.method == method;
  return count;
}

// A customer's proposal with its ordered lines and services loaded empty;
// the record rules under test run, their fetches answered empty.
class OrderRules : public ConnectedScreen {
 protected:
  OrderRules() {
    server.AnswerPacket("PedidosSist", EmptyOf(*screen.cdsPedidosSist));
    server.AnswerPacket("GetVenc_Valor", EmptyOf(*screen.cdsVenc_Valor));
    server.AnswerPacket("seqPedidosLinhaProd", Numbers("NRLINPPEDP", {}));
    NewProposalWithoutRules();
    screen.cdsProposta->FieldByName("CODIGO").SetAsString("11222333000181");
    screen.cdsProposta->Post();
    screen.dbrClieProsp->SetItemIndex(0);
    lines.CreateDataSet();
    services.CreateDataSet();
    calls.clear();
  }
  // A line as the picker leaves it: the code, and the customer line it names.
  void NewLine(const char* code) {
    lines.Append();
    lines.FieldByName("CDLIN").SetAsString(code);
    lines.FieldByName("CDLINPCLIE").SetAsString(code);
    lines.FieldByName("DIA_FATURAMENTO").SetAsFloat(10);
  }

  plat::TClientDataSet& lines = *screen.cdsPedidosLinhaProd;
  plat::TClientDataSet& services = *screen.cdsPedidosServico;
};

TEST_F(OrderRules, ANewLineIsNumberedOneWithoutAnAnswerElseByTheAnswerUnchanged) {
  NewLine("900");
  lines.Post();
  EXPECT_EQ(lines.FieldByName("NRLINPPEDP").AsString(), "1");
  EXPECT_EQ(::inCountPed, 0);
  EXPECT_EQ(lines.FieldByName("CDCLIENTE").AsString(), "11222333000181");

  server.AnswerPacket("seqPedidosLinhaProd", Numbers("NRLINPPEDP", {7}));
  NewLine("901");
  lines.Post();
  EXPECT_EQ(lines.FieldByName("NRLINPPEDP").AsString(), "7");
  EXPECT_EQ(::inCountPed, 1);

  // An edited line keeps its number; the numbering call is made all the same.
  server.AnswerPacket("seqPedidosLinhaProd", Numbers("NRLINPPEDP", {8}));
  calls.clear();
  lines.Edit();
  lines.FieldByName("QTLINPPEDP").SetAsFloat(3);
  lines.Post();
  EXPECT_EQ(lines.FieldByName("NRLINPPEDP").AsString(), "7");
  EXPECT_EQ(Count(calls, "seqPedidosLinhaProd"), 1);
  EXPECT_EQ(Count(calls, "ValidaLinhaProd_Pedidos"), 0);
}

// A code typed by hand takes the place of the line it names among those the
// proposal can order (a contract line here); a code of none is refused.
TEST_F(OrderRules, ATypedCodeTakesTheLineItNamesOrIsRefused) {
  plat::DataPacket orderable = EmptyOf(*screen.cdsPesqPedidos);
  plat::Row row(orderable.fields.size());
  row[orderable.FieldIndex("CDLINPCLIE")] = plat::Variant(std::string("10"));
  row[orderable.FieldIndex("NMLINPCLIE")] = plat::Variant(std::string("Contabilidade"));
  row[orderable.FieldIndex("IDENTIFICADOR")] = plat::Variant(std::string("1"));
  orderable.rows.push_back(row);
  server.AnswerPacket("PesqPedidos", orderable);
  server.AnswerPacket("ValidaLinhaProd_Pedidos", EmptyOf(*screen.cdsValidaLinhaProd_Pedidos));

  lines.Append();
  lines.FieldByName("CDLIN").SetAsString("11");
  lines.FieldByName("DIA_FATURAMENTO").SetAsFloat(10);
  lines.FieldByName("DTCALUSOPEDP").SetAsString("01/01/2027");
  EXPECT_THROW(lines.Post(), plat::EAbort);
  EXPECT_EQ(dialogs.Messages().back(), "Não há Linha de Produto cadastrada.");
  EXPECT_EQ(lines.State(), plat::DataSetState::Insert);

  lines.FieldByName("CDLIN").SetAsString("10");
  lines.Post();
  EXPECT_EQ(lines.FieldByName("CDLINPPROP").AsString(), "10");
  EXPECT_EQ(lines.FieldByName("NMLIN").AsString(), "Contabilidade");
  EXPECT_TRUE(lines.FieldByName("CDLINPCLIE").IsNull());
}

// Only a changed service type is checked again on an edit.
TEST_F(OrderRules, AnEditedServiceIsCheckedOnlyWhenItsTypeChanged) {
  server.AnswerPacket("SeqServico", Numbers("NRSERVPEDP", {4}));
  // The services the proposal can order, by which a name finds its code.
  plat::DataPacket orderable = EmptyOf(*screen.cdsPedidosServ);
  for (const char* service : {"IMP|Implantação", "TRE|Treinamento"}) {
    const std::string text = service;
    plat::Row row(orderable.fields.size());
    row[orderable.FieldIndex("CODIGO")] = plat::Variant(text.substr(0, 3));
    row[orderable.FieldIndex("SERVICO")] = plat::Variant(text.substr(4));
    orderable.rows.push_back(row);
  }
  server.AnswerPacket("PedidosServico", orderable);
  services.Append();
  services.FieldByName("CDTIPOSERV").SetAsString("IMP");
  services.FieldByName("NMTIPOSERV").SetAsString("Implantação");
  services.FieldByName("QTSERVPEDP").SetAsFloat(10);
  services.FieldByName("VRHORAPEDP").SetAsFloat(150);
  services.Post();
  EXPECT_EQ(services.FieldByName("NRSERVPEDP").AsString(), "4");
  EXPECT_EQ(::inCountServ, 1);
  EXPECT_EQ(Count(calls, "ValidaServPed"), 1);

  services.Edit();
  services.FieldByName("QTSERVPEDP").SetAsFloat(12);
  services.Post();
  EXPECT_EQ(Count(calls, "ValidaServPed"), 1);
  EXPECT_EQ(Count(calls, "SeqServico"), 2);
  EXPECT_EQ(services.FieldByName("NRSERVPEDP").AsString(), "4");

  services.Edit();
  services.FieldByName("CDTIPOSERV").SetAsString("TRE");
  services.FieldByName("NMTIPOSERV").SetAsString("Treinamento");
  services.Post();
  EXPECT_EQ(Count(calls, "ValidaServPed"), 2);
}

}  // namespace
}  // namespace screen_test
