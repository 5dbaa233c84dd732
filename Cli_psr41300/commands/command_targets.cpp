// The command target table and the posting and cancelling orders.
#include "Cli_psr41300/commands/command_targets.h"

namespace cli_psr41300::commands {

namespace {

// Compared with the active control in this order; the first match decides.
const CommandTarget kTargets[] = {
    {"dbgDadosContLinhaProd", kEveryCommand, &T::cdsDadosContLinhaProd, "CDLINPPROP", EditRoute::DataSet},
    {"dbgDadosContSistema", kEveryCommand, &T::cdsSistLinhaProd, "NMSISTEMA", EditRoute::DataSet},
    {"dbgDadosContServico", kEveryCommand, &T::cdsDadosContServico, "NMTIPOSERV", EditRoute::DataSet},
    {"dbgVenc_Valor", kEveryCommand, &T::cdsVenc_Valor, "DTVELUSOPEDP", EditRoute::DataSource, &T::dtsVenc_Valor},
    {"dbgPedidosLinhaProd", kEveryCommand, &T::cdsPedidosLinhaProd, "CDLINPPROP", EditRoute::DataSource,
     &T::dtsPedidosLinhaProd},
    {"dbgPedidosServico", kEveryCommand, &T::cdsPedidosServico, nullptr, EditRoute::DataSource, &T::dtsPedidosServico},
    {"dbgMensagem", kEveryCommand, &T::cdsMensagem, "CDTXTPROPFAS", EditRoute::DataSet},
    {"panEmpresa", kAlterar, &T::cdsProposta, nullptr, EditRoute::DataSet},
    {"dbgPadrao", kExcluir, &T::cdsProposta, nullptr, EditRoute::None},
    // Any other control: the proposal. The number is focused for Incluir only.
    {nullptr, kEveryCommand, &T::cdsProposta, "NRPROPOSFAS", EditRoute::BaseAlterar},
};

plat::TClientDataSet* T::*const kPostingOrder[] = {
    &T::cdsProposta,         &T::cdsDadosContLinhaProd, &T::cdsSistLinhaProd, &T::cdsDadosContServico,
    &T::cdsPedidosLinhaProd, &T::cdsPedidosServico,     &T::cdsVenc_Valor,    &T::cdsMensagem,
};

plat::TDataSource* T::*const kCancellingOrder[] = {
    &T::dtsProposta,         &T::dtsDadosContLinhaProd, &T::dtsSistLinhaProd, &T::dtsDadosContServico,
    &T::dtsPedidosLinhaProd, &T::dtsPedidosServico,     &T::dtsVenc_Valor,    &T::dtsMensagem,
};

bool Matches(const T& screen, const CommandTarget& row, Command command) {
  if (!(row.commands & command)) return false;
  return !row.control || screen.ActiveControl() == &screen.Get<plat::TControl>(row.control);
}

}  // namespace

const CommandTarget& TargetOf(const T& screen, Command command) {
  for (const CommandTarget& row : kTargets)
    if (Matches(screen, row, command)) return row;
  return std::end(kTargets)[-1];
}

void FocusTargetField(T& screen, const CommandTarget& target) {
  if (target.focusField) (screen.*target.dataSet)->FieldByName(target.focusField).FocusControl();
}

std::span<plat::TClientDataSet * T::*const> PostingOrder() { return kPostingOrder; }

std::span<plat::TDataSource * T::*const> CancellingOrder() { return kCancellingOrder; }

}  // namespace cli_psr41300::commands
