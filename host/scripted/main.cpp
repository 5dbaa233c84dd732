// psr_host: the scripted host application. Starts like the host (identity,
// server, local cache), loads the screen's package when the screen is asked
// for, and either runs scenario files, each against a server of its own, or
// opens the screen and prints it.
#include <getopt.h>
#include <signal.h>

#include <fstream>
#include <iostream>

#include "host/application.h"
#include "host/frmpadrao.h"
#include "host/runtime/host_runtime.h"
#include "host/scripted/explorer.h"
#include "host/scripted/live_host.h"
#include "host/scripted/scenario_file.h"
#include "host/scripted/screen_dump.h"
#include "host/scripted_dialogs.h"
#include "platform/data/errors.h"
#include "platform/ui/grid.h"
#include "platform/ui/pages.h"
#include "platform/ui/user_actions.h"

namespace {

void Usage() {
  std::cout << "usage: psr_host [options] FILE...   run scenario files, each against a server of its own\n"
               "       psr_host [options] --dump    open the screen on the configured server and print it\n"
               "       psr_host [options] --explore SEEDSxSTEPS\n"
               "                                    random user actions on the screen with invariant checks, each\n"
               "                                    seed against a server of its own; a failing seed is written\n"
               "                                    as a shortened scenario file explore-SEED.scn\n"
               "       psr_host [options] --bindings\n"
               "                                    list the screen's bound events, one 'component.event handler'\n"
               "                                    line each (opens the screen on a server of its own)\n"
               "  --config FILE         read settings from FILE (key = value lines)\n"
               "  --server HOST:PORT    application server for --dump (default 127.0.0.1:47130)\n"
               "  --operator CODE       operator code (default ADMIN)\n"
               "  --branch CODE         processing branch (default 0001)\n"
               "  --operator-name NAME  operator name\n"
               "  --cache FILE          local cache database (default in memory)\n"
               "  --package FILE        the screen package (default next to this program)\n"
               "  --appserver FILE      the application server scenarios start (default next to this program)\n"
               "  --postgres URI|@FILE  scenarios' databases on this PostgreSQL cluster (its URI, or a file\n"
               "                        holding it) instead of SQLite files\n"
               "  --keep-going          run a scenario on after a failed step\n"
               "  --verbose             print each scenario step as it starts\n"
               "  --list-steps          print the steps a scenario file may use\n"
               "  --dump                open the screen and print it\n"
               "  --proposal N[/V]      with --dump: make proposal N (version V) current in the list first\n"
               "  --explore-seed N      with --explore: the first seed (default 1), to run one seed again\n"
               "  --explore-out DIR     with --explore: where failing seeds' files go (default .)\n"
               "  --page PAGE           with --dump: bring the page forward (clicking the tabs that lead\n"
               "                        to it) and print the screen; may be given several times\n";
}

// Makes the first listed proposal with that number (and version) current,
// as a click on its row in the list would.
void SelectProposal(plat::TForm& screen, const std::string& wanted) {
  const std::size_t slash = wanted.find('/');
  const std::string number = wanted.substr(0, slash);
  const std::string version = slash == std::string::npos ? "" : wanted.substr(slash + 1);
  auto& grid = dynamic_cast<plat::TDBGrid&>(screen.Get<plat::TControl>("dbgPadrao"));
  plat::TDataSet& list = *grid.DataSet();
  for (int row = 0; row < list.ViewRowCount(); ++row) {
    bool match = false;
    list.ReadViewRow(row, [&] {
      match = list.FieldByName("NRPROPOSFAS").AsString() == number &&
              (version.empty() || list.FieldByName("NRVERPROPFAS").AsString() == version);
    });
    if (!match) continue;
    plat::TUserActions(screen).GridSelect(grid, row, -1);
    return;
  }
  throw plat::EError("The list holds no proposal " + wanted + ".");
}

// Brings a page forward as a user would: the tabs from the outermost page
// control inwards, each clicked unless already shown.
void ShowPage(plat::TForm& screen, const std::string& name) {
  auto* page = dynamic_cast<plat::TTabSheet*>(&screen.Get<plat::TControl>(name));
  if (!page) throw plat::EError(name + " is not a page of the screen.");
  std::vector<plat::TTabSheet*> chain;
  for (plat::TControl* c = page; c; c = c->Parent())
    if (auto* sheet = dynamic_cast<plat::TTabSheet*>(c)) chain.insert(chain.begin(), sheet);
  // A page without a tab (the proposal texts) is brought forward as the
  // program would, to be seen.
  for (plat::TTabSheet* sheet : chain) {
    if (sheet->PageControl().ActivePage() == sheet) continue;
    if (sheet->TabVisible())
      plat::TUserActions(screen).SelectTab(sheet->PageControl(), *sheet);
    else
      sheet->PageControl().SetActivePage(sheet);
  }
}

int DumpScreen(const hostapp::HostConfig& config, const std::string& proposal, const std::vector<std::string>& pages) {
  host::ScriptedDialogs dialogs;
  plat::Dialogs::Install(&dialogs);
  hostapp::HostRuntime runtime(config);
  runtime.Start();
  // Opening the screen runs as one event of the host's message loop.
  plat::RunEvent([&] {
    runtime.OpenScreen();
    return true;
  });
  plat::TForm* screen = runtime.Screen();
  if (screen && !proposal.empty()) SelectProposal(*screen, proposal);
  auto print = [&] {
    for (auto& text : dialogs.Messages()) std::cout << "message: " << text << "\n";
    dialogs.Clear();
    if (runtime.Screen()) std::cout << hostapp::DumpScreen(*runtime.Screen());
  };
  if (pages.empty()) print();
  for (const std::string& page : pages) {
    if (!runtime.Screen()) break;
    ShowPage(*runtime.Screen(), page);
    print();
  }
  host::TApplication::Current().ProcessMessages();
  return runtime.Screen() ? 0 : 1;
}

int ListBindings(const hostapp::HostConfig& config, const std::string& appServerPath) {
  host::ScriptedDialogs dialogs;
  plat::Dialogs::Install(&dialogs);
  hostapp::LiveHost live(config, appServerPath.empty() ? hostapp::DefaultAppServerPath() : appServerPath);
  plat::RunEvent([&] {
    live.OpenScreen();
    return true;
  });
  auto* screen = dynamic_cast<host::TfrmPadrao*>(live.Screen());
  if (!screen) {
    for (auto& text : dialogs.Messages()) std::cerr << "psr_host: " << text << "\n";
    return 1;
  }
  for (const host::BoundEvent& bound : screen->Bindings.List())
    std::cout << bound.component << "." << bound.event << " " << bound.handler << "\n";
  return 0;
}

// The cluster URI given, or read from the file given as @FILE.
std::string ClusterUri(const std::string& given) {
  if (given.empty() || given.front() != '@') return given;
  std::ifstream file(given.substr(1));
  std::string uri;
  if (!std::getline(file, uri) || uri.empty()) throw plat::EError("--postgres: no cluster URI in " + given.substr(1));
  return uri;
}

}  // namespace

int main(int argc, char** argv) {
  signal(SIGPIPE, SIG_IGN);  // a server that went away is a failed call, not the end of the host
  hostapp::ScenarioOptions options;
  bool dump = false;
  bool bindings = false;
  std::string proposal;
  std::vector<std::string> pages;
  hostapp::ExploreOptions explore;
  static const option longOptions[] = {{"config", required_argument, nullptr, 'c'},
                                       {"server", required_argument, nullptr, 's'},
                                       {"operator", required_argument, nullptr, 'o'},
                                       {"branch", required_argument, nullptr, 'b'},
                                       {"operator-name", required_argument, nullptr, 'n'},
                                       {"cache", required_argument, nullptr, 'C'},
                                       {"package", required_argument, nullptr, 'p'},
                                       {"appserver", required_argument, nullptr, 'a'},
                                       {"postgres", required_argument, nullptr, 'G'},
                                       {"keep-going", no_argument, nullptr, 'k'},
                                       {"verbose", no_argument, nullptr, 'v'},
                                       {"list-steps", no_argument, nullptr, 'l'},
                                       {"dump", no_argument, nullptr, 'd'},
                                       {"bindings", no_argument, nullptr, 'B'},
                                       {"proposal", required_argument, nullptr, 'P'},
                                       {"page", required_argument, nullptr, 'g'},
                                       {"explore", required_argument, nullptr, 'E'},
                                       {"explore-seed", required_argument, nullptr, 'S'},
                                       {"explore-out", required_argument, nullptr, 'O'},
                                       {"help", no_argument, nullptr, 'h'},
                                       {nullptr, 0, nullptr, 0}};
  try {
    hostapp::HostConfig& config = options.config;
    int option;
    while ((option = getopt_long(argc, argv, "", longOptions, nullptr)) != -1) {
      switch (option) {
        case 'c':
          config.ReadFile(optarg);
          break;
        case 's':
          config.Set("server", optarg);
          break;
        case 'o':
          config.Set("operator", optarg);
          break;
        case 'b':
          config.Set("branch", optarg);
          break;
        case 'n':
          config.Set("operator-name", optarg);
          break;
        case 'C':
          config.Set("cache", optarg);
          break;
        case 'p':
          config.Set("package", optarg);
          break;
        case 'a':
          options.appServerPath = optarg;
          break;
        case 'G':
          options.postgresCluster = ClusterUri(optarg);
          break;
        case 'k':
          options.run.keepGoing = true;
          break;
        case 'v':
          options.run.verbose = true;
          break;
        case 'l':
          hostapp::PrintSteps(std::cout);
          return 0;
        case 'd':
          dump = true;
          break;
        case 'B':
          bindings = true;
          break;
        case 'P':
          proposal = optarg;
          break;
        case 'g':
          pages.push_back(optarg);
          break;
        case 'E':
          if (!hostapp::ParseExploreSize(optarg, explore.seeds, explore.steps)) {
            std::cerr << "psr_host: --explore takes SEEDSxSTEPS, as 20x300, not " << optarg << "\n";
            return 2;
          }
          break;
        case 'S':
          try {
            explore.firstSeed = std::stoull(optarg);
          } catch (const std::exception&) {
            std::cerr << "psr_host: --explore-seed takes a whole number, not " << optarg << "\n";
            return 2;
          }
          break;
        case 'O':
          explore.outDir = optarg;
          break;
        case 'h':
          Usage();
          return 0;
        default:
          Usage();
          return 2;
      }
    }
    std::vector<std::string> files(argv + optind, argv + argc);
    if (explore.seeds > 0) return hostapp::RunExploration(explore, options, std::cout) ? 0 : 1;
    if (!files.empty()) return hostapp::RunScenarioFiles(files, options) ? 0 : 1;
    if (bindings) return ListBindings(config, options.appServerPath);
    if (dump) return DumpScreen(config, proposal, pages);
    Usage();
    return 2;
  } catch (const std::exception& e) {
    std::cerr << "psr_host: " << e.what() << "\n";
    return 1;
  }
}
