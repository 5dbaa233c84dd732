// A proposal-request screen connected to a stand-in application server that
// answers each method as the test says, with the host's scripted dialogs
// installed. The screen's calls are recorded as the connection makes them.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <mutex>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "Cli_psr41300/frm_solicita_proposta.h"
#include "host/scripted_dialogs.h"
#include "host/showavi.h"
#include "host/vogalis.h"
#include "platform/net/frame.h"
#include "platform/net/rpc.h"

namespace screen_test {

// Answers every call of one connection from a table of answers by method;
// a method without an answer gets an empty packet.
class StandInServer {
 public:
  StandInServer() : listener_(plat::TcpSocket::Listen("127.0.0.1", 0)) {
    port_ = listener_.LocalPort();
    thread_ = std::thread([this] { Serve(); });
  }
  ~StandInServer() {
    listener_.Shutdown();
    {
      std::lock_guard lock(mutex_);
      client_.Shutdown();
    }
    thread_.join();
  }
  StandInServer(const StandInServer&) = delete;
  StandInServer& operator=(const StandInServer&) = delete;

  int Port() const { return port_; }
  void AnswerPacket(const std::string& method, plat::DataPacket packet) {
    std::lock_guard lock(mutex_);
    answers_[method] = plat::RpcAnswer::OfPacket(0, std::move(packet));
  }
  void AnswerValue(const std::string& method, plat::Variant value) {
    std::lock_guard lock(mutex_);
    answers_[method] = plat::RpcAnswer::OfValue(0, std::move(value));
  }
  void AnswerError(const std::string& method, std::string message) {
    std::lock_guard lock(mutex_);
    answers_[method] = plat::RpcAnswer::OfError(0, std::move(message));
  }

 private:
  void Serve() {
    plat::TcpSocket client = listener_.Accept();
    if (!client.Valid()) return;  // shut down before the screen's connection was taken
    {
      std::lock_guard lock(mutex_);
      client_ = std::move(client);
    }
    while (true) {
      std::optional<std::string> frame;
      try {
        frame = plat::ReadFrame(client_, std::chrono::seconds(30));
      } catch (const std::exception&) {
        return;
      }
      if (!frame) return;
      plat::RpcRequest request = plat::RequestFromJson(nlohmann::json::parse(*frame));
      plat::RpcAnswer answer = plat::RpcAnswer::OfPacket(request.id, {});
      {
        std::lock_guard lock(mutex_);
        if (auto found = answers_.find(request.method); found != answers_.end()) answer = found->second;
      }
      answer.id = request.id;
      plat::WriteFrame(client_, plat::AnswerToJson(answer).dump());
    }
  }

  plat::TcpSocket listener_;
  plat::TcpSocket client_;
  int port_ = 0;
  std::mutex mutex_;
  std::map<std::string, plat::RpcAnswer> answers_;
  std::thread thread_;
};

// One call as the screen made it: the method and its plain arguments as
// text ("<delta N>" for a delta of N changes).
struct MadeCall {
  std::string method;
  std::vector<std::string> args;
  friend bool operator==(const MadeCall&, const MadeCall&) = default;
  friend std::ostream& operator<<(std::ostream& out, const MadeCall& call) {
    out << call.method << "(";
    for (std::size_t i = 0; i < call.args.size(); ++i) out << (i ? ", " : "") << '"' << call.args[i] << '"';
    return out << ")";
  }
};

class ConnectedScreen : public ::testing::Test {
 protected:
  ConnectedScreen() : screen(root.Create<cli_psr41300::TfrmSolicitaProposta>()) {
    host::HostSession::Reset();
    host::HostSession::Current().webPort = server.Port();
    host::Showavi::ResetCounts();
    plat::Dialogs::Install(&dialogs);
    screen.netProposta->OnCall = [this](const plat::RpcRequest& request, const host::ServerResult&) {
      MadeCall call{request.method, {}};
      for (const plat::RpcArg& arg : request.args)
        call.args.push_back(arg.IsDelta() ? "<delta " + std::to_string(arg.DeltaValue().changes.size()) + ">"
                                          : arg.Value().ToText());
      calls.push_back(std::move(call));
    };
    screen.netProposta->SetConnected(true);
  }
  ~ConnectedScreen() override {
    screen.netProposta->SetConnected(false);
    plat::Dialogs::Install(nullptr);
    host::HostSession::Reset();
  }

  // Opens the proposals empty and appends one, without the record rules
  // that would fetch details or check anything on the way.
  void NewProposalWithoutRules() {
    plat::TClientDataSet& proposals = *screen.cdsProposta;
    for (auto* event : {&proposals.BeforeInsert, &proposals.AfterInsert, &proposals.BeforePost, &proposals.AfterPost,
                        &proposals.AfterScroll})
      *event = nullptr;
    proposals.CreateDataSet();
    proposals.Append();
  }

  StandInServer server;
  host::ScriptedDialogs dialogs;
  plat::TComponent root;
  cli_psr41300::TfrmSolicitaProposta& screen;
  std::vector<MadeCall> calls;
};

}  // namespace screen_test
