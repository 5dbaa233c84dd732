// The state handlers: the enabling table for every handler and state of its
// data set, and the detail lock only on a detail holding rows of an accepted
// proposal. The header lock is checked end to end in the scenarios.
#include <ostream>
#include <string>

#include "Cli_psr41300/test_commands_fixture.h"

namespace screen_test {
namespace {

using S = cli_psr41300::TfrmSolicitaProposta;

struct Handler {
  const char* name;
  void (S::*run)(plat::TComponent&);
  plat::TClientDataSet* S::*dataSet;
  plat::TDBGrid* S::*grid = nullptr;  // locked on an accepted proposal
};
void PrintTo(const Handler& handler, std::ostream* out) { *out << handler.name; }
std::string NameOf(const ::testing::TestParamInfo<Handler>& info) { return info.param.name; }

const Handler kOtherHandlers[] = {
    {"Proposta", &S::dtsPropostaStateChange, &S::cdsProposta},
    {"Padrao", &S::dtsPadraoStateChange, &S::cdsProposta},
    {"Mensagem", &S::dtsMensagemStateChange, &S::cdsMensagem},
};

const Handler kDetailHandlers[] = {
    {"DadosContLinhaProd", &S::dtsDadosContLinhaProdStateChange, &S::cdsDadosContLinhaProd, &S::dbgDadosContLinhaProd},
    {"SistLinhaProd", &S::dtsSistLinhaProdStateChange, &S::cdsSistLinhaProd, &S::dbgDadosContSistema},
    {"DadosContServico", &S::dtsDadosContServicoStateChange, &S::cdsDadosContServico, &S::dbgDadosContServico},
    {"PedidosLinhaProd", &S::dtsPedidosLinhaProdStateChange, &S::cdsPedidosLinhaProd, &S::dbgPedidosLinhaProd},
    {"PedidosServico", &S::dtsPedidosServicoStateChange, &S::cdsPedidosServico, &S::dbgPedidosServico},
    {"Venc_Valor", &S::dtsVenc_ValorStateChange, &S::cdsVenc_Valor, &S::dbgVenc_Valor},
};

class StateHandler : public CommandScreen, public ::testing::WithParamInterface<Handler> {
 protected:
  plat::TClientDataSet& Judged() { return *(screen.*GetParam().dataSet); }

  // Runs the handler and gives the enabled commands as letters: Incluir,
  // Alterar, Excluir, cOnfirmar, Cancelar, < Anterior, > Proximo. Each
  // button must say what its menu item says.
  std::string Run() {
    (screen.*GetParam().run)(screen);
    const std::pair<plat::TMenuItem*, plat::TSpeedButton*> commands[] = {
        {screen.mnuIncluir, screen.sbtIncluir},   {screen.mnuAlterar, screen.sbtAlterar},
        {screen.mnuExcluir, screen.sbtExcluir},   {screen.mnuConfirmar, screen.sbtConfirmar},
        {screen.mnuCancelar, screen.sbtCancelar}, {screen.mnuAnterior, screen.sbtAnterior},
        {screen.mnuProximo, screen.sbtProximo}};
    std::string enabled;
    for (int i = 0; i < 7; ++i) {
      EXPECT_EQ(commands[i].second->Enabled(), commands[i].first->Enabled()) << commands[i].second->Name();
      if (commands[i].first->Enabled()) enabled += "IAEOC<>"[i];
    }
    return enabled;
  }
};

class EveryHandler : public StateHandler {};
class DetailHandler : public StateHandler {};

TEST_P(EveryHandler, FollowsTheEnablingTable) {
  EXPECT_EQ(Run(), "I") << "closed";
  Fill(Judged(), {});
  EXPECT_EQ(Run(), "I") << "browse, empty";
  Fill(Judged(), {FieldValues{}});
  EXPECT_EQ(Run(), "IAE<>") << "browse, with records";
  Judged().Edit();
  EXPECT_EQ(Run(), "OC") << "edit";
  Judged().Cancel();
  Judged().Insert();
  EXPECT_EQ(Run(), "OC") << "insert";
}

TEST_P(DetailHandler, LocksWhileTheDetailIsOpenUnderAnAcceptedProposal) {
  plat::TDBGrid& grid = *(screen.*GetParam().grid);
  FillProposals();
  Fill(Judged(), {FieldValues{}});
  EXPECT_EQ(Run(), "<>");
  EXPECT_TRUE(grid.ReadOnly());

  screen.cdsProposta->Next();  // not accepted
  EXPECT_EQ(Run(), "IAE<>");
  EXPECT_FALSE(grid.ReadOnly());

  screen.cdsProposta->First();
  Run();
  Fill(Judged(), {});  // no rows: typing into the grid would still start one
  EXPECT_EQ(Run(), "I");
  EXPECT_TRUE(grid.ReadOnly());

  Judged().Close();  // a closed detail does not carry the lock to the next proposal
  Run();
  EXPECT_FALSE(grid.ReadOnly());
}

INSTANTIATE_TEST_SUITE_P(Other, EveryHandler, ::testing::ValuesIn(kOtherHandlers), NameOf);
INSTANTIATE_TEST_SUITE_P(Detail, EveryHandler, ::testing::ValuesIn(kDetailHandlers), NameOf);
INSTANTIATE_TEST_SUITE_P(Detail, DetailHandler, ::testing::ValuesIn(kDetailHandlers), NameOf);

}  // namespace
}  // namespace screen_test
