// Binds the proposal record's events and the header's look-up and
// validation handlers to their components.
#include "Cli_psr41300/bind_support.h"

namespace cli_psr41300 {

namespace {

using namespace binding;
using T = TfrmSolicitaProposta;
using BeforeSearchHandler = void (T::*)(plat::TComponent&, bool&);

struct DataSetEvent {
  plat::TDataSet::Event plat::TDataSet::*event;
  const char* eventName;
  Handler<DataSetHandler> handler;
};

// The proposal's record events (its after-open belongs to the screen's start).
const DataSetEvent kProposalEvents[] = {
    {&plat::TDataSet::BeforeInsert, "BeforeInsert", PSR_HANDLER(cdsPropostaBeforeInsert)},
    {&plat::TDataSet::AfterInsert, "AfterInsert", PSR_HANDLER(cdsPropostaAfterInsert)},
    {&plat::TDataSet::BeforePost, "BeforePost", PSR_HANDLER(cdsPropostaBeforePost)},
    {&plat::TDataSet::AfterPost, "AfterPost", PSR_HANDLER(cdsPropostaAfterPost)},
    {&plat::TDataSet::AfterCancel, "AfterCancel", PSR_HANDLER(cdsPropostaAfterCancel)},
    {&plat::TDataSet::AfterDelete, "AfterDelete", PSR_HANDLER(cdsPropostaAfterDelete)},
    {&plat::TDataSet::BeforeScroll, "BeforeScroll", PSR_HANDLER(cdsPropostaBeforeScroll)},
    {&plat::TDataSet::AfterScroll, "AfterScroll", PSR_HANDLER(cdsPropostaAfterScroll)},
    {&plat::TDataSet::OnCalcFields, "OnCalcFields", PSR_HANDLER(cdsPropostaCalcFields)},
};

// Display translations: data set, field, handler.
struct FieldText {
  const char* dataSet;
  const char* field;
  Handler<GetTextHandler> handler;
};

const FieldText kGetTexts[] = {
    {"cdsProposta", "CODIGO", PSR_HANDLER(cdsPropostaCODIGOGetText)},
    {"cdsProposta", "NRINSJURCLIE", PSR_HANDLER(cdsPropostaNRINSJURCLIEGetText)},
    {"cdsProposta", "IDSOLPROPFAS", PSR_HANDLER(cdsPropostaIDSOLPROPFASGetText)},
    {"qryCliente", "NRINSJURCLIE", PSR_HANDLER(qryClienteNRINSJURCLIEGetText)},
    {"qryProspect", "NRINSJURPROS", PSR_HANDLER(qryProspectNRINSJURPROSGetText)},
};

struct ControlEvent {
  const char* control;
  Handler<ControlHandler> handler;
};

// Changes of the header's entries.
const ControlEvent kChanges[] = {
    {"dbrClieProsp", PSR_HANDLER(dbrClieProspChange)},
    {"dbeCdClienteProsp", PSR_HANDLER(dbeCdClienteProspChange)},
    {"dbeContato", PSR_HANDLER(dbeContatoChange)},
    {"dbeCdOperSoli", PSR_HANDLER(dbeCdOperSoliChange)},
};

// Leaving the header's entries, and the header panel itself.
const ControlEvent kExits[] = {
    {"dbeCdClienteProsp", PSR_HANDLER(dbeCdClienteProspExit)},
    {"dbeContato", PSR_HANDLER(dbeContatoExit)},
    {"dbeCdOperSoli", PSR_HANDLER(dbeCdOperSoliExit)},
    {"depProposta", PSR_HANDLER(depPropostaExit)},
    {"depValidade", PSR_HANDLER(depValidadeExit)},
    {"depAceite", PSR_HANDLER(depAceiteExit)},
    {"panEmpresa", PSR_HANDLER(panEmpresaExit)},
};

const ControlEvent kEnters[] = {
    {"panEmpresa", PSR_HANDLER(panEmpresaEnter)},
};

// The search buttons: before the list, after a pick.
struct SearchEvents {
  const char* button;
  Handler<BeforeSearchHandler> before;
  Handler<ControlHandler> after;
};

const SearchEvents kSearches[] = {
    {"btpClienteProsp", PSR_HANDLER(btpClienteProspBeforePesq), PSR_HANDLER(btpClienteProspAfterPesq)},
    {"btnProposta", PSR_HANDLER(btnPropostaBeforePesq), PSR_HANDLER(btnPropostaAfterPesq)},
    {"btnPesqOperador", PSR_HANDLER(btnPesqOperadorBeforePesq), PSR_HANDLER(btnPesqOperadorAfterPesq)},
};

}  // namespace

void TfrmSolicitaProposta::BindHeaderEvents() {
  for (const DataSetEvent& row : kProposalEvents) OnDataSet(*this, *cdsProposta, row.event, row.eventName, row.handler);

  for (const FieldText& row : kGetTexts)
    OnGetText(*this, Get<plat::TDataSet>(row.dataSet).FieldByName(row.field), row.handler);
  OnSetText(*this, cdsProposta->FieldByName("IDSOLPROPFAS"), PSR_HANDLER(cdsPropostaIDSOLPROPFASSetText));

  for (const ControlEvent& row : kChanges) OnChange(*this, Get<plat::TDBFieldControl>(row.control), row.handler);
  for (const ControlEvent& row : kExits)
    OnControl(*this, Get<plat::TControl>(row.control), &plat::TControl::OnExit, "OnExit", row.handler);
  for (const ControlEvent& row : kEnters)
    OnControl(*this, Get<plat::TControl>(row.control), &plat::TControl::OnEnter, "OnEnter", row.handler);

  for (const SearchEvents& row : kSearches) {
    auto& button = Get<plat::TBtnPesquisa>(row.button);
    button.OnBeforePesq = [this, before = row.before.method](plat::TControl& sender, bool& proceed) {
      (this->*before)(sender, proceed);
    };
    Bindings.Add(row.button, "OnBeforePesq", row.before.name);
    button.OnAfterPesq = [this, after = row.after.method](plat::TControl& sender) { (this->*after)(sender); };
    Bindings.Add(row.button, "OnAfterPesq", row.after.name);
  }
}

}  // namespace cli_psr41300
