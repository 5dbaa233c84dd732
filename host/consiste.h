// Consiste: the host's checks and conversions used by every screen.
#pragma once

#include <string>

#include "host/server_result.h"
#include "platform/data/packet.h"

namespace host::Consiste {

// The data packet of a server answer. A failed call (or an answer that is not
// a packet) is shown in the host's error dialog with the failure's message
// and ends the running operation with the silent abort: it never returns for
// a failure. The flag and the integer are kept for the callers' signature.
const plat::DataPacket& CheckResultServ(const ServerResult& result, bool showError = true, int helpContext = 0);
// The same for a result given up by the caller: its packet is handed over.
plat::DataPacket CheckResultServ(ServerResult&& result, bool showError = true, int helpContext = 0);

// Shows the text as an error message, then ends the running operation with
// the silent abort, so no second message follows.
[[noreturn]] void MensErro(const std::string& text, bool abort = true);

// True when the text is empty or holds only blanks.
bool EmptyString(const std::string& text);

// The edit mask of a registration number for a person type:
// "F" individual: "000\.000\.000\-00;0; " (123.456.789-01);
// "J" company:    "00\.000\.000\/0000\-00;0; " (12.345.678/0001-95);
// any other type: no mask (empty), the number is shown as stored.
std::string PictPess(const std::string& personType);

// A code brought to the given width: blanks around it are removed and it is
// right-aligned with leading zeros ("12" -> "000000000012" for 12). A code
// longer than the width is returned unchanged, so that nothing is cut off
// without notice. An empty code stays empty.
std::string Ajusta(const std::string& code, int width);

}  // namespace host::Consiste
