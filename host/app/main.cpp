// psr_host: the scripted host application. Starts like the host (identity,
// server, local cache), loads the screen's package when the screen is asked
// for, and either runs scenario files, each against a server of its own, or
// opens the screen and prints it.
#include <getopt.h>
#include <signal.h>

#include <iostream>

#include "host/app/host_runtime.h"
#include "host/app/scenario_file.h"
#include "host/app/screen_dump.h"
#include "host/application.h"
#include "host/scripted_dialogs.h"
#include "platform/ui/user_actions.h"

namespace {

void Usage() {
  std::cout << "usage: psr_host [options] FILE...   run scenario files, each against a server of its own\n"
               "       psr_host [options] --dump    open the screen on the configured server and print it\n"
               "  --config FILE         read settings from FILE (key = value lines)\n"
               "  --server HOST:PORT    application server for --dump (default 127.0.0.1:47130)\n"
               "  --operator CODE       operator code (default ADMIN)\n"
               "  --branch CODE         processing branch (default 0001)\n"
               "  --operator-name NAME  operator name\n"
               "  --cache FILE          local cache database (default in memory)\n"
               "  --package FILE        the screen package (default next to this program)\n"
               "  --appserver FILE      the application server scenarios start (default next to this program)\n"
               "  --keep-going          run a scenario on after a failed step\n"
               "  --verbose             print each scenario step as it starts\n"
               "  --list-steps          print the steps a scenario file may use\n"
               "  --dump                open the screen and print it\n";
}

int DumpScreen(const hostapp::HostConfig& config) {
  host::ScriptedDialogs dialogs;
  plat::Dialogs::Install(&dialogs);
  hostapp::HostRuntime runtime(config);
  runtime.Start();
  // Opening the screen runs as one event of the host's message loop.
  plat::RunEvent([&] {
    runtime.OpenScreen();
    return true;
  });
  for (auto& text : dialogs.Messages()) std::cout << "message: " << text << "\n";
  if (plat::TForm* screen = runtime.Screen()) std::cout << hostapp::DumpScreen(*screen);
  host::TApplication::Current().ProcessMessages();
  return runtime.Screen() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  signal(SIGPIPE, SIG_IGN);  // a server that went away is a failed call, not the end of the host
  hostapp::ScenarioOptions options;
  bool dump = false;
  static const option longOptions[] = {{"config", required_argument, nullptr, 'c'},
                                       {"server", required_argument, nullptr, 's'},
                                       {"operator", required_argument, nullptr, 'o'},
                                       {"branch", required_argument, nullptr, 'b'},
                                       {"operator-name", required_argument, nullptr, 'n'},
                                       {"cache", required_argument, nullptr, 'C'},
                                       {"package", required_argument, nullptr, 'p'},
                                       {"appserver", required_argument, nullptr, 'a'},
                                       {"keep-going", no_argument, nullptr, 'k'},
                                       {"verbose", no_argument, nullptr, 'v'},
                                       {"list-steps", no_argument, nullptr, 'l'},
                                       {"dump", no_argument, nullptr, 'd'},
                                       {"help", no_argument, nullptr, 'h'},
                                       {nullptr, 0, nullptr, 0}};
  try {
    hostapp::HostConfig& config = options.config;
    int option;
    while ((option = getopt_long(argc, argv, "", longOptions, nullptr)) != -1) {
      switch (option) {
        case 'c': config.ReadFile(optarg); break;
        case 's': config.Set("server", optarg); break;
        case 'o': config.Set("operator", optarg); break;
        case 'b': config.Set("branch", optarg); break;
        case 'n': config.Set("operator-name", optarg); break;
        case 'C': config.Set("cache", optarg); break;
        case 'p': config.Set("package", optarg); break;
        case 'a': options.appServerPath = optarg; break;
        case 'k': options.run.keepGoing = true; break;
        case 'v': options.run.verbose = true; break;
        case 'l': hostapp::PrintSteps(std::cout); return 0;
        case 'd': dump = true; break;
        case 'h': Usage(); return 0;
        default: Usage(); return 2;
      }
    }
    std::vector<std::string> files(argv + optind, argv + argc);
    if (!files.empty()) return hostapp::RunScenarioFiles(files, options) ? 0 : 1;
    if (dump) return DumpScreen(config);
    Usage();
    return 2;
  } catch (const std::exception& e) {
    std::cerr << "psr_host: " << e.what() << "\n";
    return 1;
  }
}
