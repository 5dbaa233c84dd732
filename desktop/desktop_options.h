// The desktop host's command line: the same host settings as the scripted
// host (a configuration file and single options), and what the window does
// on its own at start.
#pragma once

#include <string>
#include <vector>

#include "host/runtime/host_runtime.h"

namespace desk {

struct DesktopOptions {
  hostapp::HostConfig config;
  bool openScreen = false;  // open the proposal-request screen at start
  std::string screenshot;   // with openScreen: save the window there and quit
  std::string locale;       // the user's locale ("pt_BR"); empty: the system's
  bool help = false;
};

// Reads the arguments after the program's name (Qt's own already taken out).
// Throws EError for an unknown option or a bad value.
DesktopOptions ParseOptions(const std::vector<std::string>& args);
const char* UsageText();

}  // namespace desk
