// The contract data pages: product lines with their totals and, below a
// splitter, the current line's systems; and the contract services.
#include "Cli_psr41300/layout/control_tables.h"

namespace cli_psr41300 {

namespace {

using namespace layout;

const ColumnSpec kLinhaProdColumns[] = {
    {"CDLINPPROP", 73},
    {"NMLINPPROP", 159},
    {"NMPROCOMERCI", 79, kEllipsis},
    {"IDAMBLINPP", 58, 0, {"WEB", "WIN", "DOS"}},
    {"NRUSUALINPP", 62},
    {"NRACESLINPP", 60},
    {"IDTIPLINPP", 0, 0, {"Manutenção", "Locação"}},
    {"IDTPPGTLINPP", 81, 0, {"Pg. Fixo", "Pg. Proporcional"}},
    {"QTLINPPROP", 65},
    {"VRLUSOPROP", 60},
    {"VRMENSPROP", 81},
    {"NRPROPOSFAS", 0, kHiddenColumn},
    {"NRVERPROPFAS", 0, kHiddenColumn},
    {"CDPROCOMERCI", 0, kHiddenColumn},
    {"DIFAMENLINPP", 44},
    {"IDMPROCLINPP", 41, 0, {"Filial", "Matriz"}},
    {"IDLPROCLINPP", 42, 0, {"Filial", "Matriz"}},
};

const ColumnSpec kSistemaColumns[] = {
    {"NMSISTEMA", 0, kEllipsis},
};

const ColumnSpec kServicoColumns[] = {
    {"NMTIPOSERV", 216, kEllipsis},    {"VRHORAPROP"},
    {"NRPROPOSFAS", 0, kHiddenColumn}, {"NRVERPROPFAS", 0, kHiddenColumn},
    {"CDTIPOSERV", 0, kHiddenColumn},
};

constexpr const char* kLinhaProd = "tshDadosContLinhaProd";
constexpr const char* kTotais = "panTotaisDadosCont";
constexpr plat::TDataSource* T::*kLines = &T::dtsDadosContLinhaProd;

// clang-format off
const GridSpec kGrids[] = {
    {"dbgDadosContLinhaProd", &T::dbgDadosContLinhaProd, kLinhaProd, {0, 0, 958, 140}, kLines, kLinhaProdColumns},
    {"dbgDadosContServico", &T::dbgDadosContServico, "tshDadosContServicos", {0, 0, 958, 294},
     &T::dtsDadosContServico, kServicoColumns},
};
// clang-format on

// Under the product lines: their totals as the server delivers them.
const ControlSpec<plat::TPanel> kTotalsPanel[] = {
    {"panTotaisDadosCont", &T::panTotaisDadosCont, kLinhaProd, {0, 140, 958, 44}},
};

const ControlSpec<plat::TLabel> kTotalsLabels[] = {
    {"lblValorTotalLu", &T::lblValorTotalLu, kTotais, {8, 4, 100, 13}, "Valor Total LU", true},
    {"lblValorTotalMensal", &T::lblValorTotalMensal, kTotais, {136, 4, 120, 13}, "Valor Total Mensal", true},
};

// Shown in the neutral colour and read-only: they show the server's totals
// of the current line, which nothing typed here could change.
const FieldControlSpec<plat::TDBEdit> kTotalsEdits[] = {
    {"edtValorTotalLu", &T::edtValorTotalLu, kTotais, {8, 19, 120, 21}, kLines, "VALORTOTALLU", kNeutral},
    {"edtValorTotalMensal", &T::edtValorTotalMensal, kTotais, {136, 19, 120, 21}, kLines, "VALORTOTALMENSAL", kNeutral},
};

const ControlSpec<plat::TSplitter> kSplitter[] = {
    {"splDadosContLinhaProd", &T::splDadosContLinhaProd, kLinhaProd, {0, 184, 958, 3}},
};

// clang-format off
const GridSpec kSystemsGrid[] = {
    {"dbgDadosContSistema", &T::dbgDadosContSistema, kLinhaProd, {0, 187, 958, 107}, &T::dtsSistLinhaProd,
     kSistemaColumns},
};
// clang-format on

}  // namespace

void TfrmSolicitaProposta::CreateContractPages() {
  CreateGrids(*this, kGrids);
  CreateControls<plat::TPanel>(*this, kTotalsPanel);
  CreateControls<plat::TLabel>(*this, kTotalsLabels);
  CreateFieldControls<plat::TDBEdit>(*this, kTotalsEdits);
  for (const auto& row : kTotalsEdits) (this->*row.member)->SetReadOnly(true);
  CreateControls<plat::TSplitter>(*this, kSplitter);
  CreateGrids(*this, kSystemsGrid);
}

}  // namespace cli_psr41300
