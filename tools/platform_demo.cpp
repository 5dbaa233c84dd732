// A short walk through the platform layer: a screen on the standard base with
// a client data set, driven by scripted user actions; prints what a user would
// see and what the data set would send to the application server.
#include <iostream>
#include <nlohmann/json.hpp>

#include "host/application.h"
#include "host/frmpadrao.h"
#include "host/scripted_dialogs.h"
#include "platform/data/clientdataset.h"
#include "platform/data/errors.h"
#include "platform/ui/dbedit.h"
#include "platform/ui/user_actions.h"

using namespace plat;

namespace {

class TfrmDemo : public host::TfrmPadrao {
 public:
  explicit TfrmDemo(TComponent* owner) : TfrmPadrao(owner, "frmDemo") {
    SetCaption("Demonstração");
    lblCodTela->SetCaption("DEMO");
    cds = &Create<TClientDataSet>("cdsCliente");
    cds->AddField("CODIGO", FieldType::String, 6).SetDisplayLabel("Código");
    cds->AddField("NOME", FieldType::String, 30).SetDisplayLabel("Nome");
    cds->AddField("LIMITE", FieldType::Float).SetDisplayLabel("Limite").SetDisplayFormat("#,##0.00");
    cds->BeforePost = [this](TDataSet& ds) {
      if (ds.FieldByName("NOME").AsString().empty()) {
        ds.FieldByName("NOME").FocusControl();
        throw EError("Nome deve ser informado.");
      }
    };
    dtsPadrao->SetDataSet(cds);
    dbeNome = &Create<TDBEdit>("dbeNome", tshFormulario);
    dbeNome->Bind(*dtsPadrao, "NOME");
    dbeLimite = &Create<TDBEdit>("dbeLimite", tshFormulario);
    dbeLimite->Bind(*dtsPadrao, "LIMITE");
  }
  TClientDataSet* cds;
  TDBEdit *dbeNome, *dbeLimite;
};

void PrintList(TfrmDemo& form) {
  form.dbgPadrao->Paint();
  std::cout << "  list:";
  for (auto& op : form.dbgPadrao->Canvas.Ops())
    if (op.kind == TDrawOp::TextRect) std::cout << (op.rect.left == 0 ? "\n    " : " | ") << op.text;
  std::cout << "\n";
}

}  // namespace

int main() {
  host::ScriptedDialogs dialogs;
  Dialogs::Install(&dialogs);
  TfrmDemo* form = nullptr;
  host::TApplication::Current().CreateForm(form);
  form->cds->SetData(
      DataPacket{{{"CODIGO", FieldType::String, 6}, {"NOME", FieldType::String, 30}, {"LIMITE", FieldType::Float}},
                 {{Variant("000001"), Variant("Ana"), Variant(1234.5)}}});
  form->cds->MergeChangeLog();
  form->Show();
  TUserActions user(*form);

  std::cout << form->Caption() << " (" << form->lblCodTela->Caption() << ")\n";
  PrintList(*form);
  user.Focus(*form->dbgPadrao);
  user.Click(*form->sbtIncluir);
  std::cout << "Incluir: state " << DataSetStateName(form->cds->State()) << ", Confirmar "
            << (form->sbtConfirmar->Enabled() ? "enabled" : "disabled") << "\n";
  user.Click(*form->sbtConfirmar);
  std::cout << "Confirmar with an empty name: " << dialogs.Messages().back() << "; focus on "
            << form->ActiveControl()->Name() << "\n";
  user.Type(*form->dbeNome, "Bruno Conceição");
  user.Type(*form->dbeLimite, "2469");
  user.Click(*form->sbtConfirmar);
  std::cout << "Confirmar: state " << DataSetStateName(form->cds->State()) << ", " << form->cds->ChangeCount()
            << " change to send:\n"
            << DeltaToJson(form->cds->GetDelta()).dump(2) << "\n";
  PrintList(*form);
  return 0;
}
