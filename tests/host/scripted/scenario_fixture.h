// A stand-in host with a small hand-made screen, for running scenario text
// through the real parser, steps and runner without a server.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "host/application.h"
#include "host/netconnection.h"
#include "host/scripted/scenario.h"
#include "host/scripted/scenario_host.h"
#include "host/scripted/scenario_runner.h"
#include "host/showavi.h"
#include "host/vogalis.h"
#include "platform/data/clientdataset.h"
#include "platform/data/datasource.h"
#include "platform/net/socket.h"
#include "platform/ui/buttons.h"
#include "platform/ui/dbchoice.h"
#include "platform/ui/dbedit.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/form.h"
#include "platform/ui/grid.h"
#include "platform/ui/pages.h"

namespace scenariotest {

// The screen: a list of items in a grid on page tshLista, an edit on page
// tshFicha, buttons that show dialogs, a search button and a connection.
class TestScreen {
 public:
  TestScreen() {
    auto& app = host::TApplication::Current();
    form = &app.Create<plat::TForm>("frmTeste");
    form->OnClose = [this](plat::TForm&, int& action) {
      net->SetConnected(false);
      action = 2;
    };
    cds = &form->Create<plat::TClientDataSet>("cdsItem");
    cds->AddField("CODIGO", plat::FieldType::String, 6);
    cds->AddField("NOME", plat::FieldType::String, 20);
    dts = &form->Create<plat::TDataSource>("dtsItem", cds);
    pages = &form->Create<plat::TPageControl>("pgcTeste", form);
    lista = &form->Create<plat::TTabSheet>("tshLista", pages);
    ficha = &form->Create<plat::TTabSheet>("tshFicha", pages);
    pages->SetActivePage(lista);
    grid = &form->Create<plat::TDBGrid>("dbgItem", lista);
    grid->SetDataSource(dts);
    grid->AddColumn("CODIGO");
    grid->AddColumn("NOME").PickList = {"Alfa", "Beta"};
    edit = &form->Create<plat::TDBEdit>("dbeNome", ficha);
    edit->Bind(*dts, "NOME");
    hello = &form->Create<plat::TSpeedButton>("sbtOla", form);
    hello->OnClick = [](plat::TControl&) {
      plat::Dialogs::Current().MessageDlg("Olá", plat::DialogType::Information, plat::mbOK, 0);
    };
    ask = &form->Create<plat::TSpeedButton>("sbtPergunta", form);
    ask->OnClick = [this](plat::TControl&) { answered = plat::ConfirmYesNo("Confirma?") ? "yes" : "no"; };
    off = &form->Create<plat::TSpeedButton>("sbtDesligado", form);
    off->SetEnabled(false);
    search = &form->Create<plat::TBtnPesquisa>("btpItem", form);
    search->DataSource = dts;
    search->Title = "Itens";
    search->EmptyError = "Nada";
    net = &form->Create<host::TNetConnection>("netProposta");
    net->ServerName = "PSR41300.rdmSolicitaProposta";
    net->ThrowException = false;
    plat::DataPacket packet{{{"CODIGO", plat::FieldType::String, 6}, {"NOME", plat::FieldType::String, 20}}, {}};
    for (const char* code : {"A", "B", "C"})
      packet.rows.push_back({plat::Variant(code), plat::Variant(std::string("Nome ") + code)});
    cds->SetData(packet);
  }

  plat::TForm* form;
  plat::TClientDataSet* cds;
  plat::TDataSource* dts;
  plat::TPageControl* pages;
  plat::TTabSheet *lista, *ficha;
  plat::TDBGrid* grid;
  plat::TDBEdit* edit;
  plat::TSpeedButton *hello, *ask, *off;
  plat::TBtnPesquisa* search;
  host::TNetConnection* net;
  std::string answered;
};

class FakeHost : public hostapp::ScenarioHost {
 public:
  void UseDemoData(bool demo_) override { demo = demo_; }
  void SetHostSetting(const std::string& key, const std::string& value) override {
    settings += key + "=" + value + ";";
  }
  host::ServerResult CallServer(const std::string& method, std::vector<plat::RpcArg> args) override {
    std::string call = method + "(";
    for (auto& arg : args) call += (call.back() == '(' ? "" : ",") + arg.Value().ToText();
    serverCalls.push_back(call + ")");
    return answer;
  }
  void StopServer() override { settings += "stop;"; }
  void StartServer() override { settings += "start;"; }
  // Like the real entry: the screen is made once, announced by the
  // application's creation hook; its creation shows the wait animation around
  // its first call (which, made before connecting, fails at once), then
  // connects to a listener that never answers.
  void OpenScreen() override {
    if (screen) return;
    screen = std::make_unique<TestScreen>();
    if (auto& creating = host::TApplication::Current().OnFormCreating) creating(*screen->form);
    host::Showavi::ActiveShowAvi(nullptr, 1);
    screen->net->AppServer("GetProposta", {"0001", "ADMIN"});
    host::Showavi::DeactiveShowAvi();
    screen->net->Port = listener.LocalPort();
    screen->net->SetConnected(true);
  }
  plat::TForm* Screen() override {
    auto* form = dynamic_cast<plat::TForm*>(host::TApplication::Current().FindComponent("frmTeste"));
    if (!form) screen.reset();
    return form;
  }
  void* Global(const std::string& name) override { return name == "inChecked" ? &inChecked : nullptr; }
  bool PackageLoaded() override { return screen != nullptr; }

  std::unique_ptr<TestScreen> screen;
  plat::TcpSocket listener = plat::TcpSocket::Listen("127.0.0.1", 0);  // never answers
  bool demo = true;
  std::string settings;
  std::vector<std::string> serverCalls;
  host::ServerResult answer = host::ServerResult::OfValue(true);
  int32_t inChecked = 0;
};

class ScenarioTest : public ::testing::Test {
 protected:
  ScenarioTest() { plat::Dialogs::Install(&dialogs); }
  ~ScenarioTest() override {
    if (auto* form = host::TApplication::Current().FindComponent("frmTeste"))
      host::TApplication::Current().Destroy(*form);
    plat::Dialogs::Install(nullptr);
    host::HostSession::Reset();
    host::Showavi::ResetCounts();
  }

  // Runs the text as a scenario file "s.scn"; the report holds the failures.
  bool Run(const std::string& text, bool keepGoing = false) {
    hostapp::ParseResult parsed = hostapp::ParseScenario(text, "s.scn");
    for (auto& error : parsed.errors) report << error.Text() << "\n";
    if (!parsed.Ok()) return false;
    context = std::make_unique<hostapp::StepContext>(fake, dialogs, out);
    return hostapp::ScenarioRunner(*context, report, {keepGoing, false}).Run(parsed.scenario);
  }
  std::string Report() const { return report.str(); }

  hostapp::ScenarioDialogs dialogs;
  FakeHost fake;
  std::unique_ptr<hostapp::StepContext> context;
  std::ostringstream out, report;
};

}  // namespace scenariotest
