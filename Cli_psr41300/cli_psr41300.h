// The unit Cli_psr41300: the proposal-request screen's entry and its
// globals, exported by name from the package.
#pragma once

#include <cstdint>

namespace cli_psr41300 {
class TfrmSolicitaProposta;
}

extern "C" {
// The screen created by the entry; not cleared when the screen closes.
extern cli_psr41300::TfrmSolicitaProposta* frmSolicitaProposta;
// True while a screen exists; false at module start.
extern bool boIdCriado;
// Records in the next-order-line-number packet, taken at each order line post.
extern int32_t inCountPed;
// Records in the next-service-number packet, taken at each ordered service post.
extern int32_t inCountServ;
// Set to 1 each time the proposal list is opened; never read by the module.
extern int32_t inChecked;

// Creates and shows the screen unless it already exists.
void CriaSolicitacaoProposta();
}
