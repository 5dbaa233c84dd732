// Lists answered in pieces while the server reads them: a client that takes
// pieces gets the very answer a client that does not gets, also when the
// list turns out not to be streamable after pieces went out.
#include <gtest/gtest.h>

#include <chrono>
#include <map>

#include "appserver/query_methods.h"
#include "appserver/session.h"
#include "appserver/streamed_answer.h"
#include "platform/net/frame.h"
#include "platform/net/wire.h"
#include "server_fixture.h"

namespace {

using namespace std::chrono_literals;

// Enough proposals in branch 0001 for GetProposta's answer to take many pieces.
class LongList : public apptest::ServerFixture {
 protected:
  LongList() : ServerFixture(true, [](appsrv::ServerOptions& options) { options.setup.extraProposals = 4000; }) {}

  struct Received {
    std::string text;
    int pieces = 0;
    int restarts = 0;
  };

  // GetProposta on a connection of its own, asking for pieces or not.
  Received GetProposta(bool takesPieces) {
    plat::TcpSocket socket = plat::TcpSocket::Connect("127.0.0.1", server_->Port(), 10s);
    plat::WriteFrame(socket, plat::RequestText({5, appsrv::kModuleObject, "GetProposta", {"0001", "ADMIN"}}),
                     takesPieces);
    struct Counter : plat::MessageListener {
      Received& received;
      explicit Counter(Received& r) : received(r) {}
      void Piece(std::string&& bytes, bool) override {
        received.text += bytes;
        ++received.pieces;
      }
      void Restarted() override {
        received.text.clear();
        ++received.restarts;
      }
    };
    Received received;
    Counter counter(received);
    EXPECT_TRUE(plat::ReadPieces(socket, plat::FrameLimits{plat::kMaxFrame, 30s, 30s}, counter));
    return received;
  }
};

// The line breaks that end the pieces, taken out again.
std::string Joined(std::string text) {
  std::erase(text, '\n');
  return text;
}

TEST_F(LongList, InPiecesItIsTheTextOfTheWholeAnswerAndTheScreensConnectionReadsItAlike) {
  const Received whole = GetProposta(false);
  const Received pieces = GetProposta(true);
  EXPECT_EQ(whole.pieces, 1);
  EXPECT_GT(pieces.pieces, 5) << "a list of 2,000 proposals goes out in pieces";
  EXPECT_EQ(Joined(pieces.text), whole.text);

  const plat::RpcAnswer expected = plat::ReadAnswerText(whole.text);
  ASSERT_EQ(expected.kind, plat::RpcAnswer::Kind::Packet) << expected.error;
  EXPECT_GT(expected.packet.rows.size(), 2000u);
  EXPECT_EQ(Fetch("GetProposta", {"0001", "ADMIN"}), expected.packet);
}

TEST_F(LongList, AListThatCannotBeStreamedAfterItsFirstPiecesIsSentAgainWholeWithItsMessage) {
  if (database_.Postgres()) GTEST_SKIP() << "PostgreSQL keeps only valid dates";
  // A date stored as text that is not one, late in the list's order.
  Sql("UPDATE PROPOSTAFAS SET DTVALPROPFAS = 'amanhã' WHERE NRPROPOSFAS = (SELECT MAX(NRPROPOSFAS) FROM PROPOSTAFAS"
      " WHERE CDFILIAL = '0001')");
  const Received whole = GetProposta(false);
  const Received pieces = GetProposta(true);
  EXPECT_GT(pieces.pieces, 1);
  EXPECT_EQ(pieces.restarts, 1);
  EXPECT_EQ(pieces.text, whole.text);
  const plat::RpcAnswer answer = plat::ReadAnswerText(whole.text);
  ASSERT_EQ(answer.kind, plat::RpcAnswer::Kind::Error);
  EXPECT_TRUE(apptest::Mentions(answer.error, "DTVALPROPFAS"));
  const host::ServerResult result = Call("GetProposta", {"0001", "ADMIN"});
  EXPECT_EQ(result.error, answer.error);
}

// Every list method, streamed on the demo data, answers what it answers whole.
TEST_F(LongList, EveryListMethodStreamedGivesItsWholeAnswer) {
  appsrv::ServerContext context(database_.Name(), false);
  appsrv::Session session(context, 99);
  const std::map<std::string, std::string> values = {{"CDFILIAL", "0001"},    {"CDOPERADOR", "ADMIN"},
                                                     {"NRPROPOSFAS", "1001"}, {"NRVERPROPFAS", "1"},
                                                     {"CDLINPPROP", "10"},    {"IDCLIENPROSP", "C"}};
  int streamed = 0;
  for (const appsrv::Method& method : context.FindObject(appsrv::kModuleObject)->Methods()) {
    if (!method.stream) continue;
    plat::RpcRequest call{7, appsrv::kModuleObject, method.name, {}};
    for (const auto& arg : method.args) call.args.emplace_back(values.count(arg.name) ? values.at(arg.name) : "");
    std::string text;
    bool last = false;
    auto whole = session.Stream(call, [&](std::string_view piece, bool isLast) {
      text += piece;
      last = isLast;
    });
    ASSERT_FALSE(whole) << method.name << ": " << whole->error;
    EXPECT_TRUE(last) << method.name;
    EXPECT_EQ(Joined(text), plat::AnswerText(session.Handle(call))) << method.name;
    ++streamed;
  }
  EXPECT_GE(streamed, 10);
}

}  // namespace
