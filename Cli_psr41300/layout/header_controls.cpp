// The header panel of the record view: the proposal's number and dates, its
// party (customer or prospect), contact, observation, e-mail, fax, kind and
// operators, all bound to dtsProposta.
#include "Cli_psr41300/layout/control_tables.h"

namespace cli_psr41300 {

namespace {

using namespace layout;

constexpr const char* kPanel = "panEmpresa";
constexpr int kRowA = 22, kRowB = 62, kRowC = 106;  // control rows; labels 16 px above
constexpr int kH = 21, kLabelHeight = 13;           // heights of edits and labels

const ControlSpec<plat::TLabel> kLabels[] = {
    {"lblProposta", &T::lblProposta, kPanel, {8, kRowA - 16, 60, kLabelHeight}, "Proposta", true},
    {"lblCadastro", &T::lblCadastro, kPanel, {166, kRowA - 16, 60, kLabelHeight}, "Cadastro", true},
    {"lblAceite", &T::lblAceite, kPanel, {274, kRowA - 16, 60, kLabelHeight}, "Aceite", true},
    {"lblValidade", &T::lblValidade, kPanel, {382, kRowA - 16, 60, kLabelHeight}, "Validade", true},
    {"lblTpProposta", &T::lblTpProposta, kPanel, {490, kRowA - 16, 90, kLabelHeight}, "Tp. Proposta", true},
    {"lblOperIncl", &T::lblOperIncl, kPanel, {618, kRowA - 16, 140, kLabelHeight}, "Operador de Inclusão", true},
    {"lblOperSoli", &T::lblOperSoli, kPanel, {618, kRowB - 16, 140, kLabelHeight}, "Operador Solicitante", true},
    {"lblContato", &T::lblContato, kPanel, {8, kRowC - 16, 60, kLabelHeight}, "Contato", true},
    {"lblEmail", &T::lblEmail, kPanel, {372, kRowC - 16, 60, kLabelHeight}, "E-Mail", true},
    {"lblFax", &T::lblFax, kPanel, {618, kRowC - 16, 40, kLabelHeight}, "Fax", true},
    {"lblObservacao", &T::lblObservacao, kPanel, {746, kRowC - 16, 80, kLabelHeight}, "Observação", true},
};

constexpr plat::TDataSource* T::*kSource = &T::dtsProposta;
constexpr bool kDisabled = false;

const FieldControlSpec<plat::TDBEdit> kEdits[] = {
    {"dbeProposta", &T::dbeProposta, kPanel, {8, kRowA, 150, kH}, kSource, "NRPROPOSFAS", kInput},
    {"dbeCdOperIncl", &T::dbeCdOperIncl, kPanel, {618, kRowA, 100, kH}, kSource, "CDOPERINCL", kNeutral, kDisabled},
    {"dbeNmOperIncl", &T::dbeNmOperIncl, kPanel, {720, kRowA, 246, kH}, kSource, "NMOPERADOR", kNeutral, kDisabled},
    {"dbeCdClienteProsp", &T::dbeCdClienteProsp, kPanel, {206, kRowB, 150, kH}, kSource, "NRINSJURCLIE", kInput},
    {"dbeClienteProsp", &T::dbeClienteProsp, kPanel, {382, kRowB, 228, kH}, kSource, "NOME", kNeutral, kDisabled},
    {"dbeCdOperSoli", &T::dbeCdOperSoli, kPanel, {618, kRowB, 100, kH}, kSource, "CDOPERSOLI", kInput},
    {"dbeNmOperSoli", &T::dbeNmOperSoli, kPanel, {744, kRowB, 222, kH}, kSource, "OPERSOLI", kNeutral, kDisabled},
    {"dbeContato", &T::dbeContato, kPanel, {8, kRowC, 100, kH}, kSource, "NRCONTATO"},
    {"dbeNmContato", &T::dbeNmContato, kPanel, {134, kRowC, 230, kH}, kSource, "DSREFECONT", kNeutral, kDisabled},
    {"dbeEmail", &T::dbeEmail, kPanel, {372, kRowC, 238, kH}, kSource, "DSEMAIPROFAS"},
    {"dbeFax", &T::dbeFax, kPanel, {618, kRowC, 120, kH}, kSource, "NRFAXPROPFAS"},
    {"dbeObservacao", &T::dbeObservacao, kPanel, {746, kRowC, 220, kH}, kSource, "DSOBSPROPFAS"},
};

// The acceptance date is typed in a neutral-coloured but editable edit.
const FieldControlSpec<plat::TDBDateEditPlus> kDateEdits[] = {
    {"depProposta", &T::depProposta, kPanel, {166, kRowA, 100, kH}, kSource, "DTPROPOSFAS", kInput},
    {"depAceite", &T::depAceite, kPanel, {274, kRowA, 100, kH}, kSource, "DTACEPROPFAS", kNeutral},
    {"depValidade", &T::depValidade, kPanel, {382, kRowA, 100, kH}, kSource, "DTVALPROPFAS", kInput},
};

struct SearchButtonSpec {
  const char* name;
  plat::TBtnPesquisa* T::*member;
  Bounds at;
  plat::TDataSource* T::*source;
  const char* title;
  const char* emptyError;
};

// clang-format off
const SearchButtonSpec kSearchButtons[] = {
    {"btpClienteProsp", &T::btpClienteProsp, {358, kRowB, 21, kH}, &T::dtsPesqCliente,
     "Cliente\\Prospect", "Não há Cliente\\Prospect cadastrado."},
    {"btnPesqOperador", &T::btnPesqOperador, {720, kRowB, 21, kH}, &T::dtsOperador,
     "Operador Solicitante", "Não há operador cadastrado."},
    {"btnProposta", &T::btnProposta, {110, kRowC, 21, kH}, &T::dtsPesqContato,
     "Contato", "Não há Contato cadastrado para Cliente/Prospect informado."},
};
// clang-format on

// Tab order: row by row, left to right.
const char* const kTabOrder[] = {
    "dbeProposta",   "depProposta",  "depAceite",         "depValidade",     "dcbIdentSolicitacao", "dbeCdOperIncl",
    "dbeNmOperIncl", "dbrClieProsp", "dbeCdClienteProsp", "dbeClienteProsp", "dbeCdOperSoli",       "dbeNmOperSoli",
    "dbeContato",    "dbeNmContato", "dbeEmail",          "dbeFax",          "dbeObservacao",
};

}  // namespace

void TfrmSolicitaProposta::CreateHeaderPanel() {
  panEmpresa = &Create<plat::TPanel>(kPanel, tshFormulario);
  Place(*panEmpresa, {0, 0, 974, 136});

  CreateControls<plat::TLabel>(*this, kLabels);
  CreateFieldControls<plat::TDBEdit>(*this, kEdits);
  CreateFieldControls<plat::TDBDateEditPlus>(*this, kDateEdits);

  dbrClieProsp = &Create<plat::TDBRadioGroup>("dbrClieProsp", panEmpresa);
  Place(*dbrClieProsp, {8, kRowB - 16, 190, 40});
  dbrClieProsp->Bind(*dtsProposta, "IDCLIENPROSP");
  dbrClieProsp->Items = {"Cliente", "Prospect"};
  dbrClieProsp->Values = {"C", "P"};
  dbrClieProsp->Bold = true;

  dcbIdentSolicitacao = &Create<plat::TDBComboBox>("dcbIdentSolicitacao", panEmpresa);
  Place(*dcbIdentSolicitacao, {490, kRowA, 120, kH});
  dcbIdentSolicitacao->Bind(*dtsProposta, "IDSOLPROPFAS");
  dcbIdentSolicitacao->Items = {"Solicitação", ""};

  for (const SearchButtonSpec& row : kSearchButtons) {
    auto& button = Create<plat::TBtnPesquisa>(row.name, panEmpresa);
    Place(button, row.at);
    button.SetHint("Pesquisar");
    button.DataSource = this->*row.source;
    button.Title = row.title;
    button.EmptyError = row.emptyError;
    this->*row.member = &button;
  }

  int order = 0;
  for (const char* name : kTabOrder) Get<plat::TControl>(name).SetTabOrder(order++);
}

}  // namespace cli_psr41300
