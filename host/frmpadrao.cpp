#include "host/frmpadrao.h"

#include "host/application.h"

namespace host {

using namespace plat;

namespace {

// The record commands: button, hint, menu item (none for the last four),
// caption, shortcut and handler.
struct Command {
  const char* button;
  TSpeedButton* TfrmPadrao::*buttonMember;
  const char* hint;
  const char* item;
  TMenuItem* TfrmPadrao::*itemMember;
  const char* caption;
  const char* shortCut;
  void (TfrmPadrao::*handler)(TComponent&);
};

const Command kCommands[] = {
    {"sbtIncluir", &TfrmPadrao::sbtIncluir, "Incluir", "mnuIncluir", &TfrmPadrao::mnuIncluir, "&Incluir", "Ctrl+I",
     &TfrmPadrao::sbtIncluirClick},
    {"sbtAlterar", &TfrmPadrao::sbtAlterar, "Alterar", "mnuAlterar", &TfrmPadrao::mnuAlterar, "&Alterar", "Ctrl+A",
     &TfrmPadrao::sbtAlterarClick},
    {"sbtExcluir", &TfrmPadrao::sbtExcluir, "Excluir", "mnuExcluir", &TfrmPadrao::mnuExcluir, "&Excluir", "Ctrl+E",
     &TfrmPadrao::sbtExcluirClick},
    {"sbtConfirmar", &TfrmPadrao::sbtConfirmar, "Confirmar", "mnuConfirmar", &TfrmPadrao::mnuConfirmar, "C&onfirmar",
     "Ctrl+G", &TfrmPadrao::sbtConfirmarClick},
    {"sbtCancelar", &TfrmPadrao::sbtCancelar, "Cancelar", "mnuCancelar", &TfrmPadrao::mnuCancelar, "&Cancelar",
     "Ctrl+K", &TfrmPadrao::sbtCancelarClick},
    {"sbtAnterior", &TfrmPadrao::sbtAnterior, "Registro anterior", "mnuAnterior", &TfrmPadrao::mnuAnterior, "A&nterior",
     "Ctrl+PgUp", &TfrmPadrao::sbtAnteriorClick},
    {"sbtProximo", &TfrmPadrao::sbtProximo, "Próximo registro", "mnuProximo", &TfrmPadrao::mnuProximo, "&Próximo",
     "Ctrl+PgDown", &TfrmPadrao::sbtProximoClick},
    {"sbtVerificar", &TfrmPadrao::sbtVerificar, "Verificar", nullptr, nullptr, "", "", &TfrmPadrao::sbtVerificarClick},
    {"sbtImprimir", &TfrmPadrao::sbtImprimir, "Imprimir", nullptr, nullptr, "", "", &TfrmPadrao::sbtImprimirClick},
    {"sbtAjuda", &TfrmPadrao::sbtAjuda, "Ajuda", nullptr, nullptr, "", "", &TfrmPadrao::sbtAjudaClick},
    {"sbtFechar", &TfrmPadrao::sbtFechar, "Fechar", nullptr, nullptr, "", "", &TfrmPadrao::sbtFecharClick},
};

}  // namespace

void TfrmPadrao::AddCommands() {
  for (const Command& command : kCommands) {
    auto handler = command.handler;
    auto& button = Create<TSpeedButton>(command.button, panMenu);
    button.SetHint(command.hint);
    button.OnClick = [this, handler](TControl& sender) { (this->*handler)(sender); };
    const std::string handlerName = std::string(command.button) + "Click";
    Bindings.Add(command.button, "OnClick", handlerName);
    this->*command.buttonMember = &button;
    if (!command.item) continue;
    auto& item = Create<TMenuItem>(command.item, mnuManutencao);
    item.Caption = command.caption;
    item.ShortCut = command.shortCut;
    item.Hint = command.hint;
    item.OnClick = [this, handler](TMenuItem& sender) { (this->*handler)(sender); };
    Bindings.Add(command.item, "OnClick", handlerName);
    this->*command.itemMember = &item;
  }
}

TfrmPadrao::TfrmPadrao(TComponent* owner, std::string name) : TForm(owner, std::move(name)) {
  mnuMenu = &Create<TMenuItem>("mnuMenu");
  mnuManutencao = &Create<TMenuItem>("mnuManutencao", mnuMenu);
  mnuManutencao->Caption = "&Manutenção";

  panMenu = &Create<TPanel>("panMenu", this);
  lblCodTela = &Create<TLabel>("lblCodTela", panMenu);
  AddCommands();
  sbtImprimir->SetEnabled(false);

  dtsPadrao = &Create<TDataSource>("dtsPadrao");
  dtsPadrao->OnStateChange = [this](TDataSource& sender) { dtsPadraoStateChange(sender); };
  Bindings.Add("dtsPadrao", "OnStateChange", "dtsPadraoStateChange");

  pgcPadrao = &Create<TPageControl>("pgcPadrao", this);
  tshFolhaDados = &Create<TTabSheet>("tshFolhaDados", pgcPadrao);
  tshFolhaDados->SetCaption("Folha de Dados");
  tshFormulario = &Create<TTabSheet>("tshFormulario", pgcPadrao);
  tshFormulario->SetCaption("Formulário");
  pgcPadrao->OnChange = [this](TControl& sender) { pgcPadraoChange(sender); };
  Bindings.Add("pgcPadrao", "OnChange", "pgcPadraoChange");

  dbgPadrao = &Create<TDBGrid>("dbgPadrao", tshFolhaDados);
  dbgPadrao->SetDataSource(dtsPadrao);
  dbgPadrao->SetReadOnly(true);
  dbgPadrao->Sortable = true;
  // A double click (or Enter) on a row of the list shows it on the form
  // page, as a click on that page's tab does.
  dbgPadrao->OnDblClick = [this](TControl&) {
    if (ListDataSet() && !ListDataSet()->IsEmpty()) pgcPadrao->UserSelect(*tshFormulario);
  };

  panNavigator = &Create<TPanel>("panNavigator", this);
  dbnPadrao = &Create<TDBNavigator>("dbnPadrao", panNavigator);
  dbnPadrao->SetDataSource(dtsPadrao);

  msgPadrao = &Create<TMessages>("msgPadrao");
  msgMensagensPadroes = &Create<TMessages>("msgMensagensPadroes");

  OnClose = [this](TForm& sender, int& action) { FormClose(sender, action); };
  Bindings.Add(Name(), "OnClose", "FormClose");
  Bindings.Add(Name(), "OnCreate", "FormCreate");
}

void TfrmPadrao::DoCreate() {
  FormCreate(*this);
  TForm::DoCreate();
}

// ---- base handlers ------------------------------------------------------------

void TfrmPadrao::FormCreate(TComponent&) { dtsPadraoStateChange(*dtsPadrao); }

void TfrmPadrao::FormClose(TComponent&, int& action) { action = 2; }

void TfrmPadrao::pgcPadraoChange(TComponent&) {
  if (pgcPadrao->ActivePage() == tshFolhaDados && dbgPadrao->CanFocus()) dbgPadrao->SetFocus();
}

void TfrmPadrao::JudgeCommands(const TDataSet* dataSet) {
  bool editing = dataSet && dataSet->Editing();
  bool browsingWithRecords = dataSet && dataSet->State() == DataSetState::Browse && !dataSet->IsEmpty();
  mnuConfirmar->SetEnabled(editing);
  mnuCancelar->SetEnabled(editing);
  mnuIncluir->SetEnabled(!editing);
  mnuAlterar->SetEnabled(browsingWithRecords);
  mnuExcluir->SetEnabled(browsingWithRecords);
  mnuAnterior->SetEnabled(browsingWithRecords);
  mnuProximo->SetEnabled(browsingWithRecords);
}

void TfrmPadrao::CopyMenuToButtons(bool includeIncluir) {
  if (includeIncluir) sbtIncluir->SetEnabled(mnuIncluir->Enabled());
  sbtConfirmar->SetEnabled(mnuConfirmar->Enabled());
  sbtCancelar->SetEnabled(mnuCancelar->Enabled());
  sbtAlterar->SetEnabled(mnuAlterar->Enabled());
  sbtExcluir->SetEnabled(mnuExcluir->Enabled());
  sbtAnterior->SetEnabled(mnuAnterior->Enabled());
  sbtProximo->SetEnabled(mnuProximo->Enabled());
}

void TfrmPadrao::dtsPadraoStateChange(TComponent&) {
  JudgeCommands(ListDataSet());
  CopyMenuToButtons();
}

void TfrmPadrao::sbtIncluirClick(TComponent&) {
  if (!ListDataSet()) return;
  pgcPadrao->SetActivePage(tshFormulario);
  ListDataSet()->Insert();
}

void TfrmPadrao::sbtAlterarClick(TComponent&) {
  if (!ListDataSet()) return;
  pgcPadrao->SetActivePage(tshFormulario);
  ListDataSet()->Edit();
}

void TfrmPadrao::sbtExcluirClick(TComponent&) {
  if (!ListDataSet()) return;
  if (ConfirmYesNo("Confirma exclusão?")) ListDataSet()->Delete();
}

void TfrmPadrao::sbtConfirmarClick(TComponent&) {
  if (ListDataSet() && ListDataSet()->Editing()) ListDataSet()->Post();
}

void TfrmPadrao::sbtCancelarClick(TComponent&) {
  if (ListDataSet() && ListDataSet()->Editing()) ListDataSet()->Cancel();
}

void TfrmPadrao::sbtAnteriorClick(TComponent&) {
  if (ListDataSet() && ListDataSet()->Active()) ListDataSet()->Prior();
}

void TfrmPadrao::sbtProximoClick(TComponent&) {
  if (ListDataSet() && ListDataSet()->Active()) ListDataSet()->Next();
}

void TfrmPadrao::sbtVerificarClick(TComponent&) {}
void TfrmPadrao::sbtImprimirClick(TComponent&) {}
void TfrmPadrao::sbtAjudaClick(TComponent&) {}
void TfrmPadrao::sbtFecharClick(TComponent&) { CloseScreen(); }

void TfrmPadrao::CloseScreen() {
  if (Close() == 2) TApplication::Current().Release(*this);
}

}  // namespace host
