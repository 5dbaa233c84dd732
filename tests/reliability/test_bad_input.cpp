// Bad input: frames no client would send, calls the server does not serve,
// deltas no data set would make, and thousands of idle connections. The
// server stays up with its threads and memory bounded, each offender gets a
// clear error answer or is closed, and a well-behaved client alongside sees
// every call answered.
#include <sys/resource.h>

#include <chrono>
#include <nlohmann/json.hpp>
#include <thread>

#include "../appserver/server_fixture.h"
#include "../appserver/test_database.h"
#include "appserver/packet_shape.h"
#include "appserver/storage.h"
#include "platform/net/frame.h"
#include "platform/net/rpc.h"
#include "reliability.h"

namespace reliability {
namespace {

using apptest::DeltaBuilder;
using nlohmann::json;
using namespace std::chrono_literals;

std::string Header(uint32_t n) { return {char(n >> 24), char(n >> 16), char(n >> 8), char(n)}; }

// What the server did with one frame on a connection of its own: its error
// answer's text, or "" when it closed the connection without one.
std::string Offend(int port, const std::string& bytes, bool closeAfter = false) {
  plat::TcpSocket socket = RawSocket(port);
  socket.SendAll(bytes);
  if (closeAfter) return "";
  auto frame = plat::ReadFrame(socket, 10s);
  if (!frame) return "";
  auto answer = plat::AnswerFromJson(json::parse(*frame));
  if (answer.kind != plat::RpcAnswer::Kind::Error) return "(answered without an error)";
  return answer.error.empty() ? "(an empty error)" : answer.error;
}

std::string Framed(const std::string& body) { return Header(uint32_t(body.size())) + body; }

std::string Call(const std::string& method, const json& args,
                 const std::string& object = "PSR41300.rdmSolicitaProposta") {
  return Framed(json{{"id", 5}, {"object", object}, {"method", method}, {"args", args}}.dump());
}

// A Set call whose delta has the given fields and one inserted row.
std::string InsertCall(const std::string& method, const json& fields, const json& row) {
  return Call(
      method,
      json::array({{{"delta", {{"fields", fields}, {"changes", json::array({{{"kind", "insert"}, {"new", row}}})}}}}}));
}

struct Offence {
  const char* what;
  std::string bytes;
  const char* answer;  // a part of the error answer; nullptr: closed without one
};

class BadInput : public ::testing::Test {
 protected:
  BadInput() : server_(database_.Name(), {"--frame-timeout", "1", "--max-frame-mb", "1"}) { server_.Start(); }
  apptest::TestDatabase database_{apptest::TestDatabase::Kind::OfTheRun};
  Server server_;
};

TEST_F(BadInput, EveryOffenderGetsAClearErrorOrIsClosedAndAWellBehavedClientIsServedThroughout) {
  const json line = json::array({{{"name", "NRPROPOSFAS"}, {"type", "string"}, {"size", 20}},
                                 {{"name", "NRVERPROPFAS"}, {"type", "string"}, {"size", 2}},
                                 {{"name", "CDLINPPROP"}, {"type", "string"}, {"size", 20}},
                                 {{"name", "NMLINPPROP"}, {"type", "string"}, {"size", 50}},
                                 {{"name", "QTLINPPROP"}, {"type", "float"}}});
  const json noCode = json::array({line[0], line[1], line[4]});
  const json dated = json::array({line[0],
                                  line[1],
                                  {{"name", "DTPROPOSFAS"}, {"type", "datetime"}},
                                  {{"name", "CDFILIAL"}, {"type", "string"}, {"size", 4}}});
  std::string deep(200000, '[');
  deep += std::string(200000, ']');
  const std::vector<Offence> offences = {
      {"garbled json", Framed("{not json"), "Mensagem ilegível"},
      {"empty frame", Framed(""), "Mensagem ilegível"},
      {"a number", Framed("42"), "Chamada inválida"},
      {"an array", Framed("[1, 2]"), "Chamada inválida"},
      {"deep nesting", Framed(deep), "Chamada inválida"},
      {"a string id", Framed(R"({"id": "x", "object": "Host", "method": "DtServ", "args": []})"), "Chamada inválida"},
      {"unknown object", Call("GetProposta", json::array(), "Nada"), "não tem o objeto 'Nada'"},
      {"unknown method", Call("Apagar", json::array()), "não tem o método 'Apagar'"},
      {"too few arguments", Call("GetProposta", json::array({{{"string", "0001"}}})), "GetProposta"},
      {"too many arguments", Call("PrxProposta", json::array({{{"string", "1"}}})), "PrxProposta"},
      {"a delta for a text", Call("GetProposta", json::array({{{"delta", json::object()}}, {{"string", "ADMIN"}}})),
       "Delta"},
      {"a text for a delta", Call("SetDadosContLinhaProd", json::array({{{"string", "texto"}}})),
       "SetDadosContLinhaProd"},
      {"a delta without its key", InsertCall("SetDadosContLinhaProd", noCode, json::array({"1001", "1", 1.0})),
       "campo-chave CDLINPPROP"},
      {"a text in a float field",
       InsertCall("SetDadosContLinhaProd", line, json::array({"1001", "1", "X", "n", "abc"})), "QTLINPPROP"},
      {"a float too large for JSON", Framed(R"({"id": 5, "object": "Host", "method": "DtServ", "args": [1e999]})"),
       "number overflow"},
      {"NaN", Framed(R"({"id": 5, "object": "Host", "method": "DtServ", "args": [NaN]})"), "Mensagem ilegível"},
      {"a text over its size",
       InsertCall("SetDadosContLinhaProd", line, json::array({"1001", "1", std::string(21, 'X'), "n", 1.0})),
       "no máximo 20 caracteres"},
      {"a text outside code page 1252",
       InsertCall("SetDadosContLinhaProd", line, json::array({"1001", "1", "X1", "Linha 中文", 1.0})), "1252"},
      {"malformed UTF-8", InsertCall("SetDadosContLinhaProd", line, json::array({"1001", "1", "X2", "ok", 1.0})),
       "não é UTF-8 válido"},
      {"a text with NUL",
       InsertCall("SetDadosContLinhaProd", line, json::array({"1001", "1", std::string("X3\0", 3), "n", 1.0})), "NUL"},
      {"a number beyond the stored range",
       InsertCall("SetDadosContLinhaProd", line, json::array({"1001", "1", "X4", "n", 1e308})), "fora do intervalo"},
      {"a key given twice", Framed(R"({"id": 5, "object": "Host", "method": "DtServ", "method": "Sql", "args": []})"),
       "mais de uma vez"},
      {"an impossible date",
       InsertCall("SetProposta", dated, json::array({"2001", "1", "2025-02-30T00:00:00", "0001"})), "2025-02-30"},
      {"a date out of range", InsertCall("SetProposta", dated, json::array({"2002", "1", "10000-01-01", "0001"})),
       "10000-01-01"},
      {"a frame over the maximum", Header(2u << 20), "mais de 1048576"},
      {"a frame announced and never sent", Header(1000) + "{\"id\": 1", "não chegou completa em 1 s"},
      {"a frame cut short", Header(1000) + "{\"id\": 1", nullptr},
  };
  // A well-behaved client keeps calling while the offenders come.
  std::atomic<bool> done{false};
  std::atomic<int> served{0}, failed{0};
  std::thread polite([&] {
    auto net = Client(server_.Port());
    while (!done) (net->AppServer("GetProposta", {"0001", "ADMIN"}).Failed() ? failed : served) += 1;
  });
  int offenders = 0;
  for (const auto& offence : offences) {
    std::string bytes = offence.bytes;
    if (std::string(offence.what) == "malformed UTF-8") {
      // "ok" becomes a lone continuation byte, which no UTF-8 text holds
      bytes.replace(bytes.find("\"ok\""), 4, "\"o\x80\"");
    }
    const std::string answer = Offend(server_.Port(), bytes, offence.answer == nullptr);
    ++offenders;
    if (!offence.answer) continue;
    EXPECT_FALSE(answer.empty()) << offence.what << ": closed without an answer";
    EXPECT_NE(answer.find(offence.answer), std::string::npos) << offence.what << ": " << answer;
    EXPECT_EQ(answer.find("Falha interna"), std::string::npos) << offence.what << ": " << answer;
  }
  done = true;
  polite.join();
  EXPECT_EQ(failed, 0);
  EXPECT_GT(served, 0);
  // Nothing of the refused deltas was stored.
  auto db = appsrv::OpenStorage(database_.Name());
  EXPECT_EQ(db->Query("SELECT COUNT(*) FROM PROPOSTALINP WHERE CDLINPPROP LIKE 'X%'", {}).rows[0][0].ToInt(), 0);
  EXPECT_EQ(db->Query("SELECT COUNT(*) FROM PROPOSTAFAS WHERE NRPROPOSFAS IN ('2001', '2002')", {}).rows[0][0].ToInt(),
            0);
  std::printf(
      "figures bad input: %d offending frames, each answered with a clear error or closed; %d calls of a "
      "well-behaved client alongside, all answered\n",
      offenders, served.load());
}

TEST_F(BadInput, ThousandsOfIdleConnectionsCostBoundedThreadsAndMemory) {
  rlimit files{};
  getrlimit(RLIMIT_NOFILE, &files);
  files.rlim_cur = files.rlim_max;
  setrlimit(RLIMIT_NOFILE, &files);
  const int idle = std::min<int>(3000, int(files.rlim_cur) - 100);
  ASSERT_GT(idle, 1000) << "too few file descriptors for the test";
  auto net = Client(server_.Port());
  ASSERT_FALSE(net->AppServer("PrxProposta").Failed());
  const long memoryBefore = server_.ResidentKiB();
  std::vector<plat::TcpSocket> sockets;
  for (int i = 0; i < idle; ++i) sockets.push_back(RawSocket(server_.Port()));
  std::this_thread::sleep_for(500ms);
  const int threads = server_.Threads();
  const long memory = server_.ResidentKiB();
  // The connection already in work is served meanwhile.
  auto during = net->AppServer("GetProposta", {"0001", "ADMIN"});
  EXPECT_FALSE(during.Failed()) << during.error;
  EXPECT_LE(threads, 500 + 10);
  EXPECT_LT(memory - memoryBefore, 200 * 1024) << "KiB";
  // Those over the maximum were told so and closed.
  int refused = 0;
  for (auto& socket : sockets) {
    try {
      if (auto frame = plat::ReadFrame(socket, 1ms)) refused += plat::AnswerFromJson(json::parse(*frame)).id == 0;
    } catch (const plat::ETimeout&) {
      // served, and idle
    }
  }
  EXPECT_EQ(refused, idle - 499);
  sockets.clear();
  std::this_thread::sleep_for(500ms);
  auto after = Client(server_.Port());
  EXPECT_FALSE(after->AppServer("PrxProposta").Failed());
  std::printf(
      "figures bad input: %d idle connections: %d threads, %+ld KiB resident; %d refused with an answer; "
      "the connection in work served\n",
      idle, threads, memory - memoryBefore, refused);
}

}  // namespace
}  // namespace reliability
