// The list page: the proposals grid and its columns.
#include "Cli_psr41300/layout/control_tables.h"

namespace cli_psr41300 {

namespace {

using namespace layout;

const ColumnSpec kPadraoColumns[] = {
    {"NRPROPOSFAS", 170},
    {"NRVERPROPFAS"},
    {"NOME", 235},
    {"DTPROPOSFAS", 93},
    {"DTACEPROPFAS", 99},
    {"DTVALPROPFAS", 76},
    {"NMOPERADOR", 186},
    {"CDFILIAL", 0, kHiddenColumn},
    {"CDCLIENTE", 0, kHiddenColumn},
    {"CODIGO", 0, kHiddenColumn},
    {"DSEMAIPROFAS", 216},
    {"NRFAXPROPFAS", 97},
    {"DSOBSPROPFAS", 258},
    {"IDSOLPROPFAS"},
};

}  // namespace

void TfrmSolicitaProposta::CreateListPage() {
  Place(*dbgPadrao, {0, 0, 974, 486});
  AddColumns(*dbgPadrao, kPadraoColumns);
}

}  // namespace cli_psr41300
