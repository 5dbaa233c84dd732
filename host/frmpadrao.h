// TfrmPadrao: the standard screen base every maintenance screen descends from.
//
// It supplies, by these names: the toolbar panel panMenu with the screen-code
// label lblCodTela and the record buttons sbtIncluir, sbtAlterar, sbtExcluir,
// sbtConfirmar, sbtCancelar, sbtVerificar, sbtImprimir (disabled), sbtAjuda,
// sbtFechar and the two further record commands sbtAnterior and sbtProximo
// (previous and next record); the main menu mnuMenu whose maintenance menu
// mnuManutencao holds one item per record command (mnuIncluir ... mnuProximo);
// the outer pages pgcPadrao with the list page tshFolhaDados (the read-only
// list grid dbgPadrao on dtsPadrao) and the form page tshFormulario; the
// navigator panel panNavigator with dbnPadrao on dtsPadrao; and the message
// catalogues msgPadrao and msgMensagensPadroes.
//
// Buttons and their menu items call the same virtual handlers, named after
// the button (sbtIncluirClick, ...); a screen overrides them. What the base's
// own handlers do is written next to each one below. Buttons never take the
// focus.
#pragma once

#include <string>

#include "host/bound_events.h"
#include "host/message_catalogue.h"
#include "platform/data/datasource.h"
#include "platform/ui/buttons.h"
#include "platform/ui/form.h"
#include "platform/ui/grid.h"
#include "platform/ui/navigator.h"
#include "platform/ui/pages.h"

namespace host {

class TfrmPadrao : public plat::TForm {
 public:
  explicit TfrmPadrao(plat::TComponent* owner, std::string name = "frmPadrao");

  plat::TPanel* panMenu;
  plat::TLabel* lblCodTela;
  plat::TSpeedButton *sbtIncluir, *sbtAlterar, *sbtExcluir, *sbtConfirmar, *sbtCancelar, *sbtAnterior, *sbtProximo,
      *sbtVerificar, *sbtImprimir, *sbtAjuda, *sbtFechar;
  plat::TPageControl* pgcPadrao;
  plat::TTabSheet *tshFolhaDados, *tshFormulario;
  plat::TDBGrid* dbgPadrao;
  plat::TDataSource* dtsPadrao;
  plat::TPanel* panNavigator;
  plat::TDBNavigator* dbnPadrao;
  TMessages *msgPadrao, *msgMensagensPadroes;
  plat::TMenuItem *mnuMenu, *mnuManutencao, *mnuIncluir, *mnuAlterar, *mnuExcluir, *mnuConfirmar, *mnuCancelar,
      *mnuAnterior, *mnuProximo;

  // Screen events. Base: FormCreate judges the commands for dtsPadrao's data
  // set; FormClose decides to free the screen (action 2).
  virtual void FormCreate(plat::TComponent& sender);
  virtual void FormClose(plat::TComponent& sender, int& action);
  // Base: when the list page comes forward, the list grid takes the focus.
  virtual void pgcPadraoChange(plat::TComponent& sender);
  // Base: the record commands' menu items and buttons follow the state of
  // dtsPadrao's data set: Confirmar and Cancelar while editing, Incluir while
  // not editing, Alterar, Excluir, Anterior and Proximo while browsing with
  // records; each button copies its menu item.
  virtual void dtsPadraoStateChange(plat::TComponent& sender);

  // Record commands. Base: Incluir shows the form page and inserts into
  // dtsPadrao's data set; Alterar shows the form page and edits it;
  // Excluir asks "Confirma exclusão?" and deletes on Yes; Confirmar posts
  // and Cancelar cancels when editing; Anterior and Proximo move one record;
  // Verificar, Imprimir and Ajuda do nothing; Fechar closes the screen.
  virtual void sbtIncluirClick(plat::TComponent& sender);
  virtual void sbtAlterarClick(plat::TComponent& sender);
  virtual void sbtExcluirClick(plat::TComponent& sender);
  virtual void sbtConfirmarClick(plat::TComponent& sender);
  virtual void sbtCancelarClick(plat::TComponent& sender);
  virtual void sbtAnteriorClick(plat::TComponent& sender);
  virtual void sbtProximoClick(plat::TComponent& sender);
  virtual void sbtVerificarClick(plat::TComponent& sender);
  virtual void sbtImprimirClick(plat::TComponent& sender);
  virtual void sbtAjudaClick(plat::TComponent& sender);
  virtual void sbtFecharClick(plat::TComponent& sender);

  // Every event the base and the screen bound, with its handler's name.
  TBoundEvents Bindings;

  // Closes the screen through FormClose; a screen freed by its close action
  // is released by the application after the running event.
  void CloseScreen();

  void DoCreate() override;

  // The common enabling rule for one data set (a null or closed one is
  // neither editing nor browsing): Confirmar, Cancelar while editing; Incluir
  // while not editing; Alterar, Excluir, Anterior, Próximo while browsing with
  // records, set in that order. Then the copy of each menu item's flag to its
  // button, sbtIncluir first (left out when includeIncluir is false).
  // Screens that judge several data sets build their state handlers on these.
  void JudgeCommands(const plat::TDataSet* dataSet);
  void CopyMenuToButtons(bool includeIncluir = true);

 private:
  void AddCommands();
  plat::TDataSet* ListDataSet() const { return dtsPadrao->DataSet(); }
};

}  // namespace host
