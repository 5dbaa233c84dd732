// The package's entry, called by the host under this plain name to open the
// proposal-request screen.
#include "Cli_psr41300/cli_psr41300.h"

extern "C" __attribute__((visibility("default"))) void IniProc() { CriaSolicitacaoProposta(); }
