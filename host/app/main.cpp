// psr_host: the scripted host application. Starts like the host (identity,
// server, local cache), loads the screen's package when the screen is asked
// for, and either runs scenario files or opens the screen and prints it.
#include <getopt.h>

#include <iostream>

#include "host/app/host_runtime.h"
#include "host/app/screen_dump.h"
#include "host/application.h"
#include "host/scripted_dialogs.h"
#include "platform/ui/user_actions.h"

namespace {

void Usage() {
  std::cout << "usage: psr_host [options] [--dump]\n"
               "  --config FILE         read settings from FILE (key = value lines)\n"
               "  --server HOST:PORT    application server (default 127.0.0.1:47130)\n"
               "  --operator CODE       operator code (default ADMIN)\n"
               "  --branch CODE         processing branch (default 0001)\n"
               "  --operator-name NAME  operator name\n"
               "  --cache FILE          local cache database (default in memory)\n"
               "  --package FILE        the screen package (default next to this program)\n"
               "  --dump                open the screen and print it\n";
}

}  // namespace

int main(int argc, char** argv) {
  hostapp::HostConfig config;
  bool dump = false;
  static const option options[] = {{"config", required_argument, nullptr, 'c'},
                                   {"server", required_argument, nullptr, 's'},
                                   {"operator", required_argument, nullptr, 'o'},
                                   {"branch", required_argument, nullptr, 'b'},
                                   {"operator-name", required_argument, nullptr, 'n'},
                                   {"cache", required_argument, nullptr, 'C'},
                                   {"package", required_argument, nullptr, 'p'},
                                   {"dump", no_argument, nullptr, 'd'},
                                   {"help", no_argument, nullptr, 'h'},
                                   {nullptr, 0, nullptr, 0}};
  try {
    int option;
    while ((option = getopt_long(argc, argv, "", options, nullptr)) != -1) {
      switch (option) {
        case 'c': config.ReadFile(optarg); break;
        case 's': config.Set("server", optarg); break;
        case 'o': config.Set("operator", optarg); break;
        case 'b': config.Set("branch", optarg); break;
        case 'n': config.Set("operator-name", optarg); break;
        case 'C': config.Set("cache", optarg); break;
        case 'p': config.Set("package", optarg); break;
        case 'd': dump = true; break;
        case 'h': Usage(); return 0;
        default: Usage(); return 2;
      }
    }
    host::ScriptedDialogs dialogs;
    plat::Dialogs::Install(&dialogs);
    hostapp::HostRuntime runtime(config);
    runtime.Start();
    if (!dump) {
      Usage();
      return 0;
    }
    // Opening the screen runs as one event of the host's message loop.
    plat::TForm probe(nullptr, "host");
    plat::TUserActions loop(probe);
    loop.Run([&] {
      runtime.OpenScreen();
      return true;
    });
    for (auto& text : dialogs.Messages()) std::cout << "message: " << text << "\n";
    if (plat::TForm* screen = runtime.Screen()) std::cout << hostapp::DumpScreen(*screen);
    host::TApplication::Current().ProcessMessages();
    return runtime.Screen() ? 0 : 1;
  } catch (const std::exception& e) {
    std::cerr << "psr_host: " << e.what() << "\n";
    return 1;
  }
}
