// Binds the proposal record's events and the header's look-up and
// validation handlers to their components.
#include "Cli_psr41300/frm_solicita_proposta.h"

namespace cli_psr41300 {

namespace {

using T = TfrmSolicitaProposta;
using DataSetHandler = void (T::*)(plat::TDataSet&);
using ControlHandler = void (T::*)(plat::TComponent&);
using GetTextHandler = void (T::*)(plat::TField&, std::string&, bool);
using BeforeSearchHandler = void (T::*)(plat::TComponent&, bool&);

struct DataSetEvent {
  plat::TDataSet::Event plat::TDataSet::*event;
  DataSetHandler handler;
};

// The proposal's record events (its after-open belongs to the screen's start).
const DataSetEvent kProposalEvents[] = {
    {&plat::TDataSet::BeforeInsert, &T::cdsPropostaBeforeInsert},
    {&plat::TDataSet::AfterInsert, &T::cdsPropostaAfterInsert},
    {&plat::TDataSet::BeforePost, &T::cdsPropostaBeforePost},
    {&plat::TDataSet::AfterPost, &T::cdsPropostaAfterPost},
    {&plat::TDataSet::AfterCancel, &T::cdsPropostaAfterCancel},
    {&plat::TDataSet::AfterDelete, &T::cdsPropostaAfterDelete},
    {&plat::TDataSet::AfterScroll, &T::cdsPropostaAfterScroll},
    {&plat::TDataSet::OnCalcFields, &T::cdsPropostaCalcFields},
};

// Display translations: data set, field, handler.
struct FieldText {
  const char* dataSet;
  const char* field;
  GetTextHandler handler;
};

const FieldText kGetTexts[] = {
    {"cdsProposta", "CODIGO", &T::cdsPropostaCODIGOGetText},
    {"cdsProposta", "NRINSJURCLIE", &T::cdsPropostaNRINSJURCLIEGetText},
    {"cdsProposta", "IDSOLPROPFAS", &T::cdsPropostaIDSOLPROPFASGetText},
    {"qryCliente", "NRINSJURCLIE", &T::qryClienteNRINSJURCLIEGetText},
    {"qryProspect", "NRINSJURPROS", &T::qryProspectNRINSJURPROSGetText},
};

struct ControlEvent {
  const char* control;
  ControlHandler handler;
};

// Changes of the header's entries.
const ControlEvent kChanges[] = {
    {"dbrClieProsp", &T::dbrClieProspChange},
    {"dbeCdClienteProsp", &T::dbeCdClienteProspChange},
    {"dbeContato", &T::dbeContatoChange},
    {"dbeCdOperSoli", &T::dbeCdOperSoliChange},
};

// Leaving the header's entries, and the header panel itself.
const ControlEvent kExits[] = {
    {"dbeCdClienteProsp", &T::dbeCdClienteProspExit},
    {"dbeContato", &T::dbeContatoExit},
    {"dbeCdOperSoli", &T::dbeCdOperSoliExit},
    {"depProposta", &T::depPropostaExit},
    {"depValidade", &T::depValidadeExit},
    {"depAceite", &T::depAceiteExit},
    {"panEmpresa", &T::panEmpresaExit},
};

const ControlEvent kEnters[] = {
    {"panEmpresa", &T::panEmpresaEnter},
};

// The search buttons: before the list, after a pick.
struct SearchEvents {
  const char* button;
  BeforeSearchHandler before;
  ControlHandler after;
};

const SearchEvents kSearches[] = {
    {"btpClienteProsp", &T::btpClienteProspBeforePesq, &T::btpClienteProspAfterPesq},
    {"btnProposta", &T::btnPropostaBeforePesq, &T::btnPropostaAfterPesq},
    {"btnPesqOperador", &T::btnPesqOperadorBeforePesq, &T::btnPesqOperadorAfterPesq},
};

plat::TNotifyEvent Notify(T& form, ControlHandler handler) {
  return [&form, handler](plat::TControl& sender) { (form.*handler)(sender); };
}

}  // namespace

void TfrmSolicitaProposta::BindHeaderEvents() {
  for (const DataSetEvent& row : kProposalEvents)
    cdsProposta->*row.event = [this, handler = row.handler](plat::TDataSet& dataSet) { (this->*handler)(dataSet); };

  for (const FieldText& row : kGetTexts)
    Get<plat::TDataSet>(row.dataSet).FieldByName(row.field).OnGetText =
        [this, handler = row.handler](plat::TField& sender, std::string& text, bool displayText) {
          (this->*handler)(sender, text, displayText);
        };
  cdsProposta->FieldByName("IDSOLPROPFAS").OnSetText = [this](plat::TField& sender, const std::string& text) {
    cdsPropostaIDSOLPROPFASSetText(sender, text);
  };

  for (const ControlEvent& row : kChanges)
    Get<plat::TDBFieldControl>(row.control).OnChange = Notify(*this, row.handler);
  for (const ControlEvent& row : kExits) Get<plat::TControl>(row.control).OnExit = Notify(*this, row.handler);
  for (const ControlEvent& row : kEnters) Get<plat::TControl>(row.control).OnEnter = Notify(*this, row.handler);

  for (const SearchEvents& row : kSearches) {
    auto& button = Get<plat::TBtnPesquisa>(row.button);
    button.OnBeforePesq = [this, before = row.before](plat::TControl& sender, bool& proceed) {
      (this->*before)(sender, proceed);
    };
    button.OnAfterPesq = Notify(*this, row.after);
  }
}

}  // namespace cli_psr41300
