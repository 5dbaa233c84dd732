// Confirmar posts the data sets being edited in the fixed order, the proposal
// first, and stops at the first refused post; Cancelar, confirmed, cancels
// every edit in the reverse order (a row before the row it hangs on, the
// proposal last), and answered No leaves them all.
#include <string>
#include <vector>

#include "Cli_psr41300/test_commands_fixture.h"
#include "platform/data/errors.h"

namespace screen_test {
namespace {

class PostingOrder : public CommandScreen {
 protected:
  PostingOrder() {
    for (auto* dataSet :
         {screen.cdsMensagem, screen.cdsVenc_Valor, screen.cdsPedidosServico, screen.cdsPedidosLinhaProd,
          screen.cdsDadosContServico, screen.cdsSistLinhaProd, screen.cdsDadosContLinhaProd, screen.cdsProposta}) {
      Fill(*dataSet, {FieldValues{}});
      dataSet->Edit();
      dataSet->BeforePost = dataSet->BeforeCancel = [this](plat::TDataSet& d) { seen.push_back(d.Name()); };
    }
  }
  std::vector<std::string> seen;
};

TEST_F(PostingOrder, ConfirmarStopsAtTheFirstRefusedPost) {
  screen.cdsPedidosLinhaProd->BeforePost = [](plat::TDataSet&) { throw plat::EAbort(); };
  EXPECT_THROW(screen.sbtConfirmarClick(*screen.sbtConfirmar), plat::EAbort);
  EXPECT_EQ(seen, (std::vector<std::string>{"cdsProposta", "cdsDadosContLinhaProd", "cdsSistLinhaProd",
                                            "cdsDadosContServico"}));
  EXPECT_EQ(screen.cdsPedidosLinhaProd->State(), plat::DataSetState::Edit);
  EXPECT_EQ(screen.cdsMensagem->State(), plat::DataSetState::Edit);
}

TEST_F(PostingOrder, CancelarCancelsDependentsBeforeTheirMastersOnlyWhenConfirmed) {
  dialogs.AnswerNo();
  screen.sbtCancelarClick(*screen.sbtCancelar);
  EXPECT_TRUE(seen.empty());
  dialogs.AnswerYes();
  screen.sbtCancelarClick(*screen.sbtCancelar);
  EXPECT_EQ(seen, (std::vector<std::string>{"cdsMensagem", "cdsVenc_Valor", "cdsPedidosServico", "cdsPedidosLinhaProd",
                                            "cdsDadosContServico", "cdsSistLinhaProd", "cdsDadosContLinhaProd",
                                            "cdsProposta"}));
  ASSERT_EQ(dialogs.Transcript().size(), 2u);
  EXPECT_EQ(dialogs.Transcript()[1].text, "Cancelar operação?");
  EXPECT_EQ(dialogs.Transcript()[1].type, plat::DialogType::Confirmation);
  EXPECT_EQ(dialogs.Transcript()[1].buttons, plat::mbYesNo);
}

}  // namespace
}  // namespace screen_test
