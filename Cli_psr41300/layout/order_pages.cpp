// The order pages: ordered product lines with, below a splitter, the current
// line's systems and due dates, and the strip of line values and order
// totals; and the ordered services with the current service's observation.
#include "Cli_psr41300/layout/control_tables.h"

namespace cli_psr41300 {

namespace {

using namespace layout;

// Only the line code (picked), the quantity, the billing day, the grace
// date and the processing mode and place are typed; the rest comes with
// the picked product line.
const ColumnSpec kPedidosLinhaProdColumns[] = {
    {"CDLIN", 72, kEllipsis},
    {"NMLIN", 141, kReadOnlyColumn},
    {"PLATAFORMA", 0, kReadOnlyColumn},
    {"TP_LINHAPROD", 0, kReadOnlyColumn},
    {"TP_PAG", 83, kReadOnlyColumn},
    {"NR_USUARIO", 63, kReadOnlyColumn},
    {"NR_ACESSO", 60, kReadOnlyColumn},
    {"QUANTIDADE", 0, kHiddenColumn},
    {"QTLINPPEDP", 66},
    {"VRLUSOPEDP", 0, kHiddenColumn | kReadOnlyColumn},
    {"VALOR_LU", 60, kReadOnlyColumn},
    {"VRMENSPEDP", 0, kHiddenColumn},
    {"VALOR_MENSAL", 82, kReadOnlyColumn},
    {"DIFAMENSPEDP", 0, kHiddenColumn},
    {"DIA_FATURAMENTO", 43},
    {"DTCALUSOPEDP", 67},
    {"MODO_PROCESSAMENTO", 35},
    {"LOCAL_PROCESSAMENTO", 35},
};

const ColumnSpec kPediLinhaProdSistColumns[] = {
    {"SISTEMA"},
    {"IDENTIFICADOR", 0, kHiddenColumn},
};

const ColumnSpec kVenc_ValorColumns[] = {
    {"DTVELUSOPEDP", 126},
    {"VRVELUSOPEDP"},
};

const ColumnSpec kPedidosServicoColumns[] = {
    {"NMTIPOSERV", 0, kEllipsis},
    {"QTSERVPEDP"},
    {"VRHORAPEDP"},
};

constexpr const char* kLinhaProd = "tshPedidosLinhaProd";
constexpr const char* kSistVenc = "panPedidosSistVenc";
constexpr const char* kTotais = "panTotaisPedidos";

// clang-format off
const GridSpec kLinhaProdGrid[] = {
    {"dbgPedidosLinhaProd", &T::dbgPedidosLinhaProd, kLinhaProd, {0, 0, 958, 130}, &T::dtsPedidosLinhaProd,
     kPedidosLinhaProdColumns},
};
// clang-format on

const ControlSpec<plat::TSplitter> kSplitter[] = {
    {"splPedidosLinhaProd", &T::splPedidosLinhaProd, kLinhaProd, {0, 130, 958, 3}},
};

const ControlSpec<plat::TPanel> kPanels[] = {
    {"panPedidosSistVenc", &T::panPedidosSistVenc, kLinhaProd, {0, 133, 958, 117}},
    {"panTotaisPedidos", &T::panTotaisPedidos, kLinhaProd, {0, 250, 958, 44}},
};

// The systems on the left, the due dates filling the rest.
// clang-format off
const GridSpec kSistVencGrids[] = {
    {"dbgPediLinhaProdSist", &T::dbgPediLinhaProdSist, kSistVenc, {0, 0, 320, 117}, &T::dtsPedidosSist,
     kPediLinhaProdSistColumns, true},
    {"dbgVenc_Valor", &T::dbgVenc_Valor, kSistVenc, {320, 0, 638, 117}, &T::dtsVenc_Valor, kVenc_ValorColumns},
};
// clang-format on

const ControlSpec<plat::TLabel> kTotalsLabels[] = {
    {"lblSomaTotalLu", &T::lblSomaTotalLu, kTotais, {8, 4, 100, 13}, "Valor Total LU", true},
    {"lblSomaTotalMensal", &T::lblSomaTotalMensal, kTotais, {136, 4, 120, 13}, "Valor Total Mensal", true},
    {"lblValor_LU", &T::lblValor_LU, kTotais, {264, 4, 80, 13}, "Valorl LU", true},
    {"lblValor_Mensal", &T::lblValor_Mensal, kTotais, {382, 4, 90, 13}, "Valor Mensal", true},
};

struct PlainEditSpec {
  const char* name;
  plat::TEdit* T::*member;
  Bounds at;
  bool readOnly;
  const char* colorRole;
};

// The order totals are number edits in the menu colour; they and the
// current line's values are read-only (the screen computes them).
struct NumberEditSpec {
  const char* name;
  plat::TNumberEdit* T::*member;
  Bounds at;
};

const NumberEditSpec kTotalsNumbers[] = {
    {"edtSomaTotalLu", &T::edtSomaTotalLu, {8, 19, 120, 21}},
    {"edtSomaTotalMensal", &T::edtSomaTotalMensal, {136, 19, 120, 21}},
};

const PlainEditSpec kTotalsEdits[] = {
    {"edtValor_LU", &T::edtValor_LU, {264, 19, 110, 21}, true, kNeutral},
    {"edtValor_Mensal", &T::edtValor_Mensal, {382, 19, 110, 21}, true, kNeutral},
    {"edtSomaTotalLu_", &T::edtSomaTotalLu_, {500, 19, 120, 21}, true, kNeutral},
    {"edtSomaTotalMensal_", &T::edtSomaTotalMensal_, {628, 19, 120, 21}, true, kNeutral},
};

// clang-format off
const GridSpec kServicoGrid[] = {
    {"dbgPedidosServico", &T::dbgPedidosServico, "tshPedidosServico", {0, 0, 958, 190}, &T::dtsPedidosServico,
     kPedidosServicoColumns},
};
// clang-format on

const ControlSpec<plat::TGroupBox> kObservacaoGroup[] = {
    {"grpObservacao", &T::grpObservacao, "tshPedidosServico", {0, 190, 958, 104}, "Observação"},
};

const FieldControlSpec<plat::TDBRichEdit> kObservacao[] = {
    {"dbrObs", &T::dbrObs, "grpObservacao", {8, 16, 942, 80}, &T::dtsPedidosServico, "TXOBSPROPSERV", kInput},
};

}  // namespace

void TfrmSolicitaProposta::CreateOrderPages() {
  CreateGrids(*this, kLinhaProdGrid);
  CreateControls<plat::TSplitter>(*this, kSplitter);
  CreateControls<plat::TPanel>(*this, kPanels);
  CreateGrids(*this, kSistVencGrids);
  CreateControls<plat::TLabel>(*this, kTotalsLabels);
  for (const NumberEditSpec& row : kTotalsNumbers) {
    auto& edit = Create<plat::TNumberEdit>(row.name, panTotaisPedidos);
    Place(edit, row.at);
    edit.ColorRole = "menu";
    edit.ReadOnly = true;
    edit.SetValue(0);
    this->*row.member = &edit;
  }
  for (const PlainEditSpec& row : kTotalsEdits) {
    auto& edit = Create<plat::TEdit>(row.name, panTotaisPedidos);
    Place(edit, row.at);
    edit.ReadOnly = row.readOnly;
    edit.ColorRole = row.colorRole;
    this->*row.member = &edit;
  }

  CreateGrids(*this, kServicoGrid);
  CreateControls<plat::TGroupBox>(*this, kObservacaoGroup);
  CreateFieldControls<plat::TDBRichEdit>(*this, kObservacao);
}

}  // namespace cli_psr41300
