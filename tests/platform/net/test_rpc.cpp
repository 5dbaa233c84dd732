// Requests and answers in their JSON form, and frames over a real socket pair.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <thread>

#include "platform/data/errors.h"
#include "platform/net/frame.h"
#include "platform/net/rpc.h"

using namespace plat;

namespace {

TEST(RpcJson, RequestWithValuesAndADeltaRoundTrips) {
  Delta delta{{{"CDSISTEMA", FieldType::String, 8}}, {{ChangeKind::Insert, {}, {Variant("CTB")}}}};
  RpcRequest request{42,
                     "PSR41300.rdmSolicitaProposta",
                     "GetUpDateValor",
                     {RpcArg(2.5), RpcArg("000123"), RpcArg(Variant()), RpcArg(delta)}};
  RpcRequest back = RequestFromJson(nlohmann::json::parse(RequestToJson(request).dump()));
  EXPECT_EQ(back.id, 42);
  EXPECT_EQ(back.method, "GetUpDateValor");
  ASSERT_EQ(back.args.size(), 4u);
  EXPECT_EQ(back.args[0].Value(), Variant(2.5));
  EXPECT_EQ(back.args[1].Value(), Variant("000123"));
  EXPECT_TRUE(back.args[2].Value().IsNull());
  EXPECT_EQ(back.args[3].DeltaValue(), delta);
}

TEST(RpcJson, TypedValuesKeepTheirKind) {
  for (const Variant& value : {Variant("0001"), Variant(0.1 + 0.2), Variant(int64_t{7}), Variant(true),
                               Variant(Decimal::Parse("131.50")), Variant(DateTime::FromDate(2026, 12, 8)), Variant()})
    EXPECT_EQ(TypedValueFromJson(TypedValueToJson(value)), value) << TypedValueToJson(value).dump();
  EXPECT_EQ(TypedValueToJson(Variant(Decimal::Parse("131.50"))).dump(), R"({"decimal":"131.50"})");
}

TEST(RpcJson, AnswersOfEachKindRoundTrip) {
  DataPacket packet{{{"NRPROPOSFAS", FieldType::String, 20}}, {{Variant("000123")}}};
  auto again = [](const RpcAnswer& a) { return AnswerFromJson(nlohmann::json::parse(AnswerToJson(a).dump())); };
  EXPECT_EQ(again(RpcAnswer::OfPacket(1, packet)).packet, packet);
  EXPECT_EQ(again(RpcAnswer::OfValue(2, Variant("000124"))).value, Variant("000124"));
  RpcAnswer error = again(RpcAnswer::OfError(3, "Proposta já cadastrada."));
  EXPECT_EQ(error.kind, RpcAnswer::Kind::Error);
  EXPECT_EQ(error.error, "Proposta já cadastrada.");
}

TEST(RpcJson, MalformedMessagesAreRefusedClearly) {
  EXPECT_THROW(RequestFromJson(nlohmann::json::parse(R"({"object":"X","method":"Y","args":[]})")), EConvertError);
  EXPECT_THROW(RequestFromJson(nlohmann::json::parse(R"({"id":1,"object":"X","method":"Y","args":[{"what":1}]})")),
               EConvertError);
  EXPECT_THROW(AnswerFromJson(nlohmann::json::parse(R"({"id":1})")), EConvertError);
  EXPECT_THROW(RpcArg("x").DeltaValue(), EConvertError);
}

TEST(Frames, CarryMessagesOfAnySizeAndSeeAnOrderlyClose) {
  TcpSocket listener = TcpSocket::Listen("127.0.0.1", 0);
  int port = listener.LocalPort();
  std::thread peer([&] {
    TcpSocket client = TcpSocket::Connect("127.0.0.1", port, std::chrono::seconds(5));
    WriteFrame(client, "");
    WriteFrame(client, std::string(1 << 20, 'x'));
  });
  TcpSocket server = listener.Accept();
  EXPECT_EQ(ReadFrame(server, std::chrono::seconds(5)), std::string());
  EXPECT_EQ(ReadFrame(server, std::chrono::seconds(5))->size(), 1u << 20);
  peer.join();
  EXPECT_FALSE(ReadFrame(server, std::chrono::seconds(5)).has_value());
}

TEST(Frames, ReadingGivesUpAfterTheTimeout) {
  TcpSocket listener = TcpSocket::Listen("127.0.0.1", 0);
  TcpSocket client = TcpSocket::Connect("127.0.0.1", listener.LocalPort(), std::chrono::seconds(5));
  TcpSocket server = listener.Accept();
  EXPECT_THROW(ReadFrame(client, std::chrono::milliseconds(50)), ETimeout);
}

TEST(Frames, AnOversizedLengthIsRefused) {
  TcpSocket listener = TcpSocket::Listen("127.0.0.1", 0);
  TcpSocket client = TcpSocket::Connect("127.0.0.1", listener.LocalPort(), std::chrono::seconds(5));
  TcpSocket server = listener.Accept();
  client.SendAll(std::string("\x7f\xff\xff\xff", 4));
  EXPECT_THROW(ReadFrame(server, std::chrono::seconds(5)), ENetError);
}

// A message in pieces reads as its pieces joined; a restart drops those
// before it; a listener takes each piece as it comes.
TEST(Frames, AMessageInPiecesIsItsPiecesJoinedAndARestartDropsThoseBeforeIt) {
  TcpSocket listener = TcpSocket::Listen("127.0.0.1", 0);
  TcpSocket client = TcpSocket::Connect("127.0.0.1", listener.LocalPort(), std::chrono::seconds(5));
  TcpSocket server = listener.Accept();
  WriteFrame(client, "pede", true);
  WritePiece(client, "ab", false);
  WritePiece(client, "cd", false);
  WriteRestart(client);
  WritePiece(client, "ef", false);
  WritePiece(client, "gh", true);
  struct Heard : MessageListener {
    std::vector<std::string> events;
    void Piece(std::string&& bytes, bool last) override { events.push_back(bytes + (last ? " (last)" : "")); }
    void Restarted() override { events.push_back("(restart)"); }
  } heard;
  const FrameLimits limits{kMaxFrame, std::chrono::seconds(5), std::chrono::seconds(5)};
  auto request = ReadMessage(server, limits);
  ASSERT_TRUE(request);
  EXPECT_EQ(request->text, "pede");
  EXPECT_TRUE(request->takesPieces);
  EXPECT_EQ(ReadPieces(server, limits, heard), std::optional<bool>(false));
  EXPECT_EQ(heard.events, (std::vector<std::string>{"ab", "cd", "(restart)", "ef", "gh (last)"}));
  WritePiece(client, "ab", false);
  WriteRestart(client);
  WritePiece(client, "ef", false);
  WritePiece(client, "gh", true);
  auto joined = ReadMessage(server, limits);
  ASSERT_TRUE(joined);
  EXPECT_EQ(joined->text, "efgh");
  WriteFrame(client, "inteira");
  EXPECT_EQ(ReadFrame(server, std::chrono::seconds(5)), "inteira");
}

TEST(Frames, TheSizeLimitHoldsForAllPiecesOfAMessageAndARestartCarriesNoBytes) {
  TcpSocket listener = TcpSocket::Listen("127.0.0.1", 0);
  TcpSocket client = TcpSocket::Connect("127.0.0.1", listener.LocalPort(), std::chrono::seconds(5));
  TcpSocket server = listener.Accept();
  const FrameLimits limits{10, std::chrono::seconds(5), std::chrono::seconds(5)};
  WritePiece(client, "123456", false);
  WritePiece(client, "123456", true);
  EXPECT_THROW(ReadMessage(server, limits), EFrameRefused);

  TcpSocket client2 = TcpSocket::Connect("127.0.0.1", listener.LocalPort(), std::chrono::seconds(5));
  TcpSocket server2 = listener.Accept();
  client2.SendAll(std::string("\x40\x00\x00\x03", 4) + "abc");  // a restart with three bytes
  EXPECT_THROW(ReadMessage(server2, limits), EFrameRefused);
}

}  // namespace
