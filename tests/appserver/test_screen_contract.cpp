// The contract between the screen and the application server: every reading
// and checking method the screen calls answers, for the demo data, a packet
// that loads into the screen data set it is meant for, and every field that
// data set declares comes with the same type and size. The declared fields
// are the screen's own (nothing is copied here), so a change on either side
// that breaks the other fails this test.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Cli_psr41300/frm_solicita_proposta.h"
#include "server_fixture.h"

namespace {

using T = cli_psr41300::TfrmSolicitaProposta;

struct Answer {
  const char* method;
  std::vector<const char*> args;  // keys the demo data holds
  plat::TClientDataSet* T::*dataSet;
};

const Answer kAnswers[] = {
    {"GetProposta", {"0001", "ADMIN"}, &T::cdsProposta},
    {"GetDadosContLinhaProd", {"1001", "1"}, &T::cdsDadosContLinhaProd},
    {"GetSistLinhaProd", {"1001", "1", "10"}, &T::cdsSistLinhaProd},
    {"GetDadosContServico", {"1001", "1"}, &T::cdsDadosContServico},
    {"GetPedidosLinhaProd", {"1001", "1"}, &T::cdsPedidosLinhaProd},
    {"PedidosSist", {"1001", "1", "10", "11222333000181", ""}, &T::cdsPedidosSist},
    {"GetVenc_Valor", {"1001", "1", "10", ""}, &T::cdsVenc_Valor},
    {"GetPedidosServico", {"1001", "1"}, &T::cdsPedidosServico},
    {"SeqServico", {}, &T::cdsSeqServico},
    {"seqPedidosLinhaProd", {}, &T::cdsseqPedidosLinhaProd},
    {"DadosContProdComercial", {}, &T::cdsDadosContProdComercial},
    {"PedidosServico", {"1001", "1", "11222333000181"}, &T::cdsPedidosServ},
    {"PesqPedidos", {"1001", "1", "11222333000181"}, &T::cdsPesqPedidos},
    {"PesqMsg", {}, &T::cdsPesqMsg},
    {"GetContato", {"0001", "C", "11222333000181", ""}, &T::cdsPesqContato},
    {"Valida_Contato", {"0001", "C", "11222333000181", "", "0000000001"}, &T::cdsCont},
    {"ValidaProposta", {"0001", "1001", "1"}, &T::cdsValidaProposta},
    {"Valida_Contrato", {"900", "11222333000181"}, &T::cdsValidaContrato},
    {"ValidaLinhaProd_DadosCont", {"1001", "1", "10"}, &T::cdsValidaLinhaProd_DadosCont},
    {"ValidaLinhaProd_Pedidos", {"1001", "1", "10"}, &T::cdsValidaLinhaProd_Pedidos},
    {"ValidaSistema", {"1001", "FIN", "10"}, &T::cdsValidaSistema},
    {"ValidaServico", {"1001", "IMP"}, &T::cdsValidaServico},
    {"ValidaServPed", {"1001", "IMP"}, &T::cdsValidaServPed},
    {"ValidaMsg", {"1001", "GARANTIA"}, &T::cdsValidaMsg},
    {"Sum_ValorPedido", {"1001"}, &T::cdsSum_ValorPedido},
};

class ScreenContract : public apptest::ServerFixture {
 protected:
  ScreenContract() : screen(root.Create<T>()) {
    // Only the data sets are under test: no record rule runs while loading.
    for (const auto& component : screen.Components())
      if (auto* dataSet = dynamic_cast<plat::TDataSet*>(component.get())) {
        dataSet->AfterScroll = nullptr;
        dataSet->AfterOpen = nullptr;
      }
  }
  plat::TComponent root;
  T& screen;
};

TEST_F(ScreenContract, EveryAnswerLoadsIntoItsDataSetWithTheDeclaredFields) {
  for (const Answer& answer : kAnswers) {
    SCOPED_TRACE(answer.method);
    std::vector<plat::RpcArg> args;
    for (const char* arg : answer.args) args.emplace_back(plat::Variant(std::string(arg)));
    const plat::DataPacket packet = Fetch(answer.method, args);
    plat::TClientDataSet& dataSet = *(screen.*answer.dataSet);
    ASSERT_NO_THROW(dataSet.SetData(packet));
    EXPECT_FALSE(dataSet.IsEmpty());
    for (const plat::TField* field : dataSet.Fields()) {
      if (field->Calculated()) continue;
      const plat::FieldDef* sent = nullptr;
      for (const plat::FieldDef& def : packet.fields)
        if (def.name == field->FieldName()) sent = &def;
      ASSERT_NE(sent, nullptr) << field->FieldName() << " is not in the answer";
      EXPECT_EQ(sent->type, field->DataType()) << field->FieldName();
      EXPECT_EQ(sent->size, field->Size()) << field->FieldName();
    }
  }
}

}  // namespace
