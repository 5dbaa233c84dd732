#include "desktop/desktop_options.h"

#include <array>

#include "platform/data/errors.h"

namespace desk {

namespace {

// Options that set a host setting of the same meaning as psr_host's.
struct SettingOption {
  const char* option;
  const char* key;
};

constexpr std::array kSettings = {
    SettingOption{"--server", "server"}, SettingOption{"--operator", "operator"},
    SettingOption{"--branch", "branch"}, SettingOption{"--operator-name", "operator-name"},
    SettingOption{"--cache", "cache"},   SettingOption{"--package", "package"},
};

}  // namespace

const char* UsageText() {
  return "usage: psr_desktop [options]   the host's window; its menu opens the proposal-request screen\n"
         "  --config FILE         read settings from FILE (key = value lines)\n"
         "  --server HOST:PORT    application server (default 127.0.0.1:47130)\n"
         "  --operator CODE       operator code (default ADMIN)\n"
         "  --branch CODE         processing branch (default 0001)\n"
         "  --operator-name NAME  operator name\n"
         "  --cache FILE          local cache database (default in memory)\n"
         "  --package FILE        the screen package (default next to this program)\n"
         "  --open                open the proposal-request screen at start\n"
         "  --screenshot FILE     with --open: save the window as a PNG picture and quit\n"
         "  --locale NAME         the user's locale, as pt_BR (default: the system's)\n";
}

DesktopOptions ParseOptions(const std::vector<std::string>& args) {
  DesktopOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto value = [&]() -> const std::string& {
      if (i + 1 >= args.size()) throw plat::EError("Option " + arg + " needs a value");
      return args[++i];
    };
    if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--open") {
      options.openScreen = true;
    } else if (arg == "--screenshot") {
      options.screenshot = value();
    } else if (arg == "--locale") {
      options.locale = value();
    } else if (arg == "--config") {
      options.config.ReadFile(value());
    } else {
      bool known = false;
      for (const SettingOption& setting : kSettings)
        if (arg == setting.option) {
          options.config.Set(setting.key, value());
          known = true;
        }
      if (!known) throw plat::EError("Unknown option " + arg);
    }
  }
  if (!options.screenshot.empty() && !options.openScreen) throw plat::EError("--screenshot needs --open");
  return options;
}

}  // namespace desk
