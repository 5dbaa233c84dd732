// The window (caption, place and size), its outer pages, and the toolbar
// with the screen's own buttons after the standard record buttons.
#include "Cli_psr41300/layout/control_tables.h"

namespace cli_psr41300 {

namespace {

using namespace layout;

// The screen's own toolbar buttons. Aceite is shown, so that the acceptance
// check can be run before a proposal is accepted; the others start hidden
// until a command shows them.
struct ToolButtonSpec {
  const char* name;
  plat::TSpeedButton* T::*member;
  const char* hint;
  bool enabled;
  bool visible = false;
};

const ToolButtonSpec kToolButtons[] = {
    {"sbtFiltro", &T::sbtFiltro, "Filtrar", true},
    {"sbtAceite", &T::sbtAceite, "Aceite", false, true},
    {"sbtcomissao", &T::sbtcomissao, "Comissão", false},
    {"sbtCopiar", &T::sbtCopiar, "Copiar Proposta", true},
};

constexpr int kButtonSize = 25;
constexpr int kButtonStep = 27;
constexpr Bounds kSheet{4, 24, 974, 486};  // a page of the outer page control

}  // namespace

void TfrmSolicitaProposta::CreateWindowAndToolbar() {
  SetCaption("Solicitação de Proposta");
  Place(*this, {187, 110, 990, 605});

  Place(*panMenu, {0, 0, 982, 34});
  lblCodTela->SetCaption("PSR41300");
  Place(*lblCodTela, {904, 10, 70, 16});

  int left = 4;
  for (plat::TSpeedButton* button : {sbtIncluir, sbtAlterar, sbtExcluir, sbtConfirmar, sbtCancelar, sbtAnterior,
                                     sbtProximo, sbtVerificar, sbtImprimir, sbtAjuda, sbtFechar}) {
    Place(*button, {left, 4, kButtonSize, kButtonSize});
    left += kButtonStep;
  }
  for (const ToolButtonSpec& row : kToolButtons) {
    auto& button = Create<plat::TSpeedButton>(row.name, panMenu);
    Place(button, {left, 4, kButtonSize, kButtonSize});
    left += kButtonStep;
    button.SetHint(row.hint);
    button.SetVisible(row.visible);
    button.SetEnabled(row.enabled);
    this->*row.member = &button;
  }
  imgConcluida = &Create<plat::TImage>("imgConcluida", panMenu);
  Place(*imgConcluida, {left, 7, 17, 19});
  imgConcluida->SetVisible(false);

  Place(*pgcPadrao, {0, 34, 982, 508});
  tshFolhaDados->SetCaption("Folha de Dados(Grade)");
  tshFormulario->SetCaption("Proposta");
  Place(*tshFolhaDados, kSheet);
  Place(*tshFormulario, kSheet);
  pgcPadrao->SetActivePage(tshFormulario);
}

}  // namespace cli_psr41300
