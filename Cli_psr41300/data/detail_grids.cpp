// The detail rows.
#include "Cli_psr41300/data/detail_grids.h"

#include <algorithm>
#include <array>

#include "platform/data/errors.h"

namespace cli_psr41300::details {

namespace {

// clang-format off
const Detail kDetails[] = {
    {.dataSet = &T::cdsDadosContLinhaProd, .dataSource = &T::dtsDadosContLinhaProd, .grid = &T::dbgDadosContLinhaProd,
     .focusField = "CDLINPPROP", .edit = EditRoute::DataSet, .lock = AcceptanceLock::Detail,
     .setMethod = "SetDadosContLinhaProd", .cacheTable = "PROPOSTALINP", .closingRank = 0,
     .stateChange = PSR_HANDLER(dtsDadosContLinhaProdStateChange),
     .events = {PSR_HANDLER(cdsDadosContLinhaProdAfterInsert), PSR_HANDLER(cdsDadosContLinhaProdBeforePost),
                PSR_HANDLER(cdsDadosContLinhaProdAfterPost), PSR_HANDLER(cdsDadosContLinhaProdAfterCancel),
                PSR_HANDLER(cdsDadosContLinhaProdAfterDelete), PSR_HANDLER(cdsDadosContLinhaProdAfterScroll),
                PSR_HANDLER(cdsDadosContLinhaProdBeforeScroll)},
     .gridEvents = {.enter = PSR_HANDLER(dbgDadosContLinhaProdEnter), .exit = PSR_HANDLER(dbgDadosContLinhaProdExit),
                    .editButtonClick = PSR_HANDLER(dbgDadosContLinhaProdEditButtonClick),
                    .keyPress = PSR_HANDLER(dbgDadosContLinhaProdKeyPress)},
     .exitPost = ExitPost::Insert},
    {.dataSet = &T::cdsSistLinhaProd, .dataSource = &T::dtsSistLinhaProd, .grid = &T::dbgDadosContSistema,
     .focusField = "NMSISTEMA", .edit = EditRoute::DataSet, .lock = AcceptanceLock::Detail,
     .setMethod = "SetSistLinhaProd", .cacheTable = "SISTPROPLINP", .closingRank = 2,
     .stateChange = PSR_HANDLER(dtsSistLinhaProdStateChange),
     .events = {PSR_HANDLER(cdsSistLinhaProdAfterInsert), PSR_HANDLER(cdsSistLinhaProdBeforePost),
                PSR_HANDLER(cdsSistLinhaProdAfterPost), PSR_HANDLER(cdsSistLinhaProdAfterCancel),
                PSR_HANDLER(cdsSistLinhaProdAfterDelete), PSR_HANDLER(cdsSistLinhaProdAfterScroll)},
     .gridEvents = {.enter = PSR_HANDLER(dbgDadosContSistemaEnter), .exit = PSR_HANDLER(dbgDadosContSistemaExit),
                    .editButtonClick = PSR_HANDLER(dbgDadosContSistemaEditButtonClick),
                    .colExit = PSR_HANDLER(dbgDadosContSistemaColExit)},
     .exitPost = ExitPost::EditOrInsert, .master = &T::cdsDadosContLinhaProd, .masterKey = {"CDLINPPROP"}},
    {.dataSet = &T::cdsDadosContServico, .dataSource = &T::dtsDadosContServico, .grid = &T::dbgDadosContServico,
     .focusField = "NMTIPOSERV", .edit = EditRoute::DataSet, .lock = AcceptanceLock::Detail,
     .setMethod = "SetDadosContServico", .cacheTable = "PROPOSTASERV", .closingRank = 1,
     .stateChange = PSR_HANDLER(dtsDadosContServicoStateChange),
     .events = {PSR_HANDLER(cdsDadosContServicoAfterInsert), PSR_HANDLER(cdsDadosContServicoBeforePost),
                PSR_HANDLER(cdsDadosContServicoAfterPost), PSR_HANDLER(cdsDadosContServicoAfterCancel),
                PSR_HANDLER(cdsDadosContServicoAfterDelete), PSR_HANDLER(cdsDadosContServicoAfterScroll)},
     .gridEvents = {.enter = PSR_HANDLER(dbgDadosContServicoEnter), .exit = PSR_HANDLER(dbgDadosContServicoExit),
                    .editButtonClick = PSR_HANDLER(dbgDadosContServicoEditButtonClick),
                    .colExit = PSR_HANDLER(dbgDadosContServicoColExit)},
     .exitPost = ExitPost::EditOrInsert},
    {.dataSet = &T::cdsPedidosLinhaProd, .dataSource = &T::dtsPedidosLinhaProd, .grid = &T::dbgPedidosLinhaProd,
     .focusField = "CDLINPPROP", .edit = EditRoute::DataSource, .lock = AcceptanceLock::Detail,
     .setMethod = "SetPedidosLinhaProd", .cacheTable = "PEDILINPPROP", .closingRank = 3,
     .stateChange = PSR_HANDLER(dtsPedidosLinhaProdStateChange),
     .events = {PSR_HANDLER(cdsPedidosLinhaProdAfterInsert), PSR_HANDLER(cdsPedidosLinhaProdBeforePost),
                PSR_HANDLER(cdsPedidosLinhaProdAfterPost), PSR_HANDLER(cdsPedidosLinhaProdAfterCancel),
                PSR_HANDLER(cdsPedidosLinhaProdAfterDelete), PSR_HANDLER(cdsPedidosLinhaProdAfterScroll),
                PSR_HANDLER(cdsPedidosLinhaProdBeforeScroll)},
     .gridEvents = {.enter = PSR_HANDLER(dbgPedidosLinhaProdEnter), .exit = PSR_HANDLER(dbgPedidosLinhaProdExit),
                    .editButtonClick = PSR_HANDLER(dbgPedidosLinhaProdEditButtonClick),
                    .keyPress = PSR_HANDLER(dbgPedidosLinhaProdKeyPress)},
     .exitPost = ExitPost::EditOrInsert},
    // No after-insert: a new service starts empty until the picker fills it.
    {.dataSet = &T::cdsPedidosServico, .dataSource = &T::dtsPedidosServico, .grid = &T::dbgPedidosServico,
     .focusField = nullptr, .edit = EditRoute::DataSource, .lock = AcceptanceLock::Detail,
     .setMethod = "SetPedidosServico", .cacheTable = "PEDISERVPROP", .closingRank = 4,
     .stateChange = PSR_HANDLER(dtsPedidosServicoStateChange),
     .events = {.beforePost = PSR_HANDLER(cdsPedidosServicoBeforePost),
                .afterPost = PSR_HANDLER(cdsPedidosServicoAfterPost),
                .afterCancel = PSR_HANDLER(cdsPedidosServicoAfterCancel),
                .afterDelete = PSR_HANDLER(cdsPedidosServicoAfterDelete),
                .afterScroll = PSR_HANDLER(cdsPedidosServicoAfterScroll)},
     .gridEvents = {.enter = PSR_HANDLER(dbgPedidosServicoEnter), .exit = PSR_HANDLER(dbgPedidosServicoExit),
                    .editButtonClick = PSR_HANDLER(dbgPedidosServicoEditButtonClick),
                    .colExit = PSR_HANDLER(dbgPedidosServicoColExit)},
     .exitPost = ExitPost::EditOrInsert, .lockedWith = "dbrObs"},
    {.dataSet = &T::cdsVenc_Valor, .dataSource = &T::dtsVenc_Valor, .grid = &T::dbgVenc_Valor,
     .focusField = "DTVELUSOPEDP", .edit = EditRoute::DataSource, .lock = AcceptanceLock::Detail,
     .setMethod = "SetVenc_Valor", .cacheTable = "VENCLUSOPROP", .closingRank = 5,
     .stateChange = PSR_HANDLER(dtsVenc_ValorStateChange),
     .events = {.beforePost = PSR_HANDLER(cdsVenc_ValorBeforePost), .afterPost = PSR_HANDLER(cdsVenc_ValorAfterPost),
                .afterCancel = PSR_HANDLER(cdsVenc_ValorAfterCancel),
                .afterDelete = PSR_HANDLER(cdsVenc_ValorAfterDelete),
                .afterScroll = PSR_HANDLER(cdsVenc_ValorAfterScroll)},
     .gridEvents = {.exit = PSR_HANDLER(dbgVenc_ValorExit)},
     .exitPost = ExitPost::EditOrInsert, .master = &T::cdsPedidosLinhaProd,
     .masterKey = {"CDLINPPROP", "CDLINPCLIE"}},
    {.dataSet = &T::cdsMensagem, .dataSource = &T::dtsMensagem, .grid = &T::dbgMensagem,
     .focusField = "CDTXTPROPFAS", .edit = EditRoute::DataSet, .lock = AcceptanceLock::None,
     .setMethod = "SetMensagem", .cacheTable = "TXTPROPFAS", .closingRank = 7,
     .stateChange = PSR_HANDLER(dtsMensagemStateChange),
     .events = {.afterInsert = PSR_HANDLER(cdsMensagemAfterInsert), .beforePost = PSR_HANDLER(cdsMensagemBeforePost),
                .afterPost = PSR_HANDLER(cdsMensagemAfterPost), .afterCancel = PSR_HANDLER(cdsMensagemAfterCancel),
                .afterDelete = PSR_HANDLER(cdsMensagemAfterDelete)},
     .gridEvents = {.editButtonClick = PSR_HANDLER(dbgMensagemEditButtonClick),
                    .colExit = PSR_HANDLER(dbgMensagemColExit)}},
    // The systems of the current ordered line: shown, never edited; it has
    // no state handler of its own; entering its grid judges the contract
    // systems.
    {.dataSet = &T::cdsPedidosSist, .dataSource = &T::dtsPedidosSist, .grid = &T::dbgPediLinhaProdSist,
     .focusField = nullptr, .edit = EditRoute::None, .lock = AcceptanceLock::None,
     .setMethod = nullptr, .cacheTable = nullptr, .closingRank = 6,
     .gridEvents = {.enter = PSR_HANDLER(dbgPediLinhaProdSistEnter)}, .master = &T::cdsPedidosLinhaProd,
     .masterKey = {"CDLINPPROP", "CDLINPCLIE"}, .proposalField = "CODIGO"},
};
// clang-format on

constexpr std::size_t kCount = std::size(kDetails);

std::array<const Detail*, kCount> SortedByClosingRank() {
  std::array<const Detail*, kCount> rows;
  for (std::size_t i = 0; i < kCount; ++i) rows[i] = &kDetails[i];
  std::sort(rows.begin(), rows.end(), [](const Detail* a, const Detail* b) { return a->closingRank < b->closingRank; });
  return rows;
}

const std::array<const Detail*, kCount> kClosingOrder = SortedByClosingRank();

}  // namespace

std::span<const Detail> Details() { return kDetails; }

std::span<const Detail* const> ClosingOrder() { return kClosingOrder; }

const Detail* FindDetail(const T& form, const plat::TDataSet& dataSet) {
  for (const Detail& row : kDetails)
    if (form.*row.dataSet == &dataSet) return &row;
  return nullptr;
}

const Detail& DetailOf(const T& form, const plat::TDataSet& dataSet) {
  if (const Detail* row = FindDetail(form, dataSet)) return *row;
  throw plat::EError("The data set " + dataSet.Name() + " is not one of the proposal's details.");
}

}  // namespace cli_psr41300::details
