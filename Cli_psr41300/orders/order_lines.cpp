// The ordered product lines: the systems and due dates shown under the grid
// always belong to the current line, so every change of line fetches them
// again and shows the line's values.
#include "Cli_psr41300/data/detail_fetches.h"

namespace cli_psr41300 {

void TfrmSolicitaProposta::cdsPedidosLinhaProdAfterScroll(plat::TDataSet&) {
  fetch::OrderLineSystems(*this);
  fetch::DueValues(*this);
  MostraValoresLinha();
  dtsPedidosLinhaProdStateChange(*dtsPedidosLinhaProd);
}

}  // namespace cli_psr41300
