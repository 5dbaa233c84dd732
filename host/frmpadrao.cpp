#include "host/frmpadrao.h"

#include "host/application.h"

namespace host {

using namespace plat;

TSpeedButton* TfrmPadrao::AddCommand(const std::string& name, const std::string& hint, TMenuItem*& item,
                                     const std::string& itemName, const std::string& caption,
                                     const std::string& shortCut, void (TfrmPadrao::*handler)(TComponent&)) {
  auto& button = Create<TSpeedButton>(name, panMenu);
  button.SetHint(hint);
  button.OnClick = [this, handler](TControl& sender) { (this->*handler)(sender); };
  if (!itemName.empty()) {
    item = &Create<TMenuItem>(itemName, mnuManutencao);
    item->Caption = caption;
    item->ShortCut = shortCut;
    item->Hint = hint;
    item->OnClick = [this, handler](TMenuItem& sender) { (this->*handler)(sender); };
  }
  return &button;
}

TfrmPadrao::TfrmPadrao(TComponent* owner, std::string name) : TForm(owner, std::move(name)) {
  mnuMenu = &Create<TMenuItem>("mnuMenu");
  mnuManutencao = &Create<TMenuItem>("mnuManutencao", mnuMenu);
  mnuManutencao->Caption = "&Manutenção";

  panMenu = &Create<TPanel>("panMenu", this);
  lblCodTela = &Create<TLabel>("lblCodTela", panMenu);
  TMenuItem* none = nullptr;
  sbtIncluir = AddCommand("sbtIncluir", "Incluir", mnuIncluir, "mnuIncluir", "&Incluir", "Ctrl+I",
                          &TfrmPadrao::sbtIncluirClick);
  sbtAlterar = AddCommand("sbtAlterar", "Alterar", mnuAlterar, "mnuAlterar", "&Alterar", "Ctrl+A",
                          &TfrmPadrao::sbtAlterarClick);
  sbtExcluir = AddCommand("sbtExcluir", "Excluir", mnuExcluir, "mnuExcluir", "&Excluir", "Ctrl+E",
                          &TfrmPadrao::sbtExcluirClick);
  sbtConfirmar = AddCommand("sbtConfirmar", "Confirmar", mnuConfirmar, "mnuConfirmar", "C&onfirmar", "Ctrl+G",
                            &TfrmPadrao::sbtConfirmarClick);
  sbtCancelar = AddCommand("sbtCancelar", "Cancelar", mnuCancelar, "mnuCancelar", "&Cancelar", "Ctrl+K",
                           &TfrmPadrao::sbtCancelarClick);
  sbtAnterior = AddCommand("sbtAnterior", "Registro anterior", mnuAnterior, "mnuAnterior", "A&nterior", "Ctrl+PgUp",
                           &TfrmPadrao::sbtAnteriorClick);
  sbtProximo = AddCommand("sbtProximo", "Próximo registro", mnuProximo, "mnuProximo", "&Próximo", "Ctrl+PgDown",
                          &TfrmPadrao::sbtProximoClick);
  sbtVerificar = AddCommand("sbtVerificar", "Verificar", none, "", "", "", &TfrmPadrao::sbtVerificarClick);
  sbtImprimir = AddCommand("sbtImprimir", "Imprimir", none, "", "", "", &TfrmPadrao::sbtImprimirClick);
  sbtAjuda = AddCommand("sbtAjuda", "Ajuda", none, "", "", "", &TfrmPadrao::sbtAjudaClick);
  sbtFechar = AddCommand("sbtFechar", "Fechar", none, "", "", "", &TfrmPadrao::sbtFecharClick);
  sbtImprimir->SetEnabled(false);

  dtsPadrao = &Create<TDataSource>("dtsPadrao");
  dtsPadrao->OnStateChange = [this](TDataSource& sender) { dtsPadraoStateChange(sender); };

  pgcPadrao = &Create<TPageControl>("pgcPadrao", this);
  tshFolhaDados = &Create<TTabSheet>("tshFolhaDados", pgcPadrao);
  tshFolhaDados->SetCaption("Folha de Dados");
  tshFormulario = &Create<TTabSheet>("tshFormulario", pgcPadrao);
  tshFormulario->SetCaption("Formulário");
  pgcPadrao->OnChange = [this](TControl& sender) { pgcPadraoChange(sender); };

  dbgPadrao = &Create<TDBGrid>("dbgPadrao", tshFolhaDados);
  dbgPadrao->SetDataSource(dtsPadrao);
  dbgPadrao->SetReadOnly(true);

  panNavigator = &Create<TPanel>("panNavigator", this);
  dbnPadrao = &Create<TDBNavigator>("dbnPadrao", panNavigator);
  dbnPadrao->SetDataSource(dtsPadrao);

  msgPadrao = &Create<TMessages>("msgPadrao");
  msgMensagensPadroes = &Create<TMessages>("msgMensagensPadroes");

  OnClose = [this](TForm& sender, int& action) { FormClose(sender, action); };
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
