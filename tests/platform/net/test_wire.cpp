// The texts of calls and answers: the quick writer and reader agree with the
// JSON document forms, and leave to them whatever they cannot be sure of.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "platform/data/errors.h"
#include "platform/net/json_scan.h"
#include "platform/net/packet_answer_writer.h"
#include "platform/net/wire.h"

using namespace plat;

namespace {

DataPacket EveryKind() {
  DataPacket packet;
  packet.fields = {{"NRPROPOSFAS", FieldType::String, 20, true, false},
                   {"DSOBSPROPFAS", FieldType::Blob, 0, false, true},
                   {"VRHORAPROP", FieldType::Float},
                   {"VALOR", FieldType::Decimal, 32},
                   {"DTPROPOSFAS", FieldType::DateTime},
                   {"QTD", FieldType::Integer},
                   {"ATIVO", FieldType::Boolean}};
  packet.rows = {
      {Variant("1"), Variant(std::string(40, 'x') + " \"aspas\" \\ \n\t\x01 ção"), Variant(0.1 + 0.2),
       Variant(Decimal::Parse("-12345678901234567890.0001")), Variant(DateTime::ParseIso("2026-12-08T14:30:00")),
       Variant(int64_t{-9223372036854775807 - 1}), Variant(true)},
      {Variant(), Variant(), Variant(1e300), Variant(), Variant(), Variant(), Variant()},
      {Variant("2"), Variant(std::string(40, 'x') + " \"aspas\" \\ \n\t\x01 ção"), Variant(-0.0),
       Variant(Decimal::Parse("0")), Variant(DateTime::ParseIso("2026-12-08T14:30:00.250")), Variant(int64_t{0}),
       Variant(false)}};
  return packet;
}

TEST(Wire, AnswersAndRequestsWriteTheDocumentsJsonAndReadBackTheSame) {
  for (const RpcAnswer& answer : {RpcAnswer::OfPacket(7, EveryKind()), RpcAnswer::OfValue(8, Variant(2.5)),
                                  RpcAnswer::OfValue(9, Variant()), RpcAnswer::OfError(0, "Falha: ção")}) {
    const std::string text = AnswerText(answer);
    EXPECT_EQ(nlohmann::json::parse(text), AnswerToJson(answer)) << text;
    std::optional<RpcAnswer> back = TryReadAnswer(text);
    ASSERT_TRUE(back) << text;
    EXPECT_EQ(back->id, answer.id);
    EXPECT_EQ(back->packet, answer.packet);
    EXPECT_EQ(back->value, answer.value);
    EXPECT_EQ(back->error, answer.error);
  }
  Delta delta{EveryKind().fields, {}};
  for (const Row& row : EveryKind().rows) delta.changes.push_back({ChangeKind::Modify, row, row});
  delta.changes.push_back({ChangeKind::Insert, {}, EveryKind().rows[0]});
  delta.changes.push_back({ChangeKind::Delete, EveryKind().rows[1], {}});
  const RpcRequest request{42, "PSR41300.rdmSolicitaProposta", "SetProposta", {RpcArg(delta), RpcArg("0001")}};
  const std::string text = RequestText(request);
  EXPECT_EQ(nlohmann::json::parse(text), RequestToJson(request));
  std::optional<RpcRequest> back = TryReadRequest(text);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->args, request.args);
  EXPECT_EQ(back->method, "SetProposta");
}

TEST(Wire, WritingRefusesWhatTheDocumentFormRefusesWithItsMessage) {
  DataPacket packet{{{"VR", FieldType::Float}}, {{Variant(std::numeric_limits<double>::infinity())}}};
  std::string documentError, quickError;
  try {
    AnswerToJson(RpcAnswer::OfPacket(1, packet));
  } catch (const EConvertError& e) {
    documentError = e.what();
  }
  try {
    AnswerText(RpcAnswer::OfPacket(1, packet));
  } catch (const EConvertError& e) {
    quickError = e.what();
  }
  EXPECT_FALSE(documentError.empty());
  EXPECT_EQ(quickError, documentError);
}

// Each of these is either not an answer or one the quick reader cannot be
// sure it reads as the thorough one does; the thorough one then decides.
TEST(Wire, TheQuickReaderDeclinesWhatItCannotBeSureOf) {
  const std::string zeroThenMore = std::string(R"({"id":1,"value":{"null":null}})") + '\0' + "x";
  for (const std::string& text : {
           std::string("not json"),
           zeroThenMore,
           std::string(R"({"id":1,"value":{"string":"\udc00"}})"),      // a lone surrogate
           std::string(R"({"id":1,"id":2,"value":{"null":null}})"),     // a key twice
           std::string(R"({"id":1,"value":{"null":null},"other":0})"),  // a key more
           std::string(R"({"id":1,"packet":{"fields":[{"name":"Q","type":"integer"}],"rows":[[1.0]]}})"),
           std::string(
               R"({"id":1,"packet":{"fields":[{"name":"Q","type":"integer"}],"rows":[[9223372036854775808]]}})"),
           std::string(
               R"({"id":1,"packet":{"fields":[{"name":"Q","type":"string"},{"name":"q","type":"string"}],"rows":[]}})"),
           std::string(R"({"id":1,"value":{"float":1e999}})"),
           std::string("{\"id\":1,\"error\":\"\xff\"}"),
       }) {
    EXPECT_FALSE(TryReadAnswer(text)) << text;
  }
  // The thorough reader gives its own message for what was declined.
  EXPECT_THROW(ReadAnswerText(R"({"id":1,"packet":{"fields":[{"name":"Q","type":"integer"}],"rows":[[1.0]]}})"),
               EConvertError);
  EXPECT_THROW(ReadAnswerText("not json"), nlohmann::json::exception);
}

// The streamed reading of a packet takes the keys in the order they are
// written; another order is read the same from a document.
TEST(Wire, KeysInAnyOrderReadAlike) {
  const std::string written = R"({"id":5,"packet":{"fields":[{"name":"N","size":3,"type":"string"},)"
                              R"({"name":"V","type":"decimal"}],"rows":[["abc",12],["d","1.50"],[null,null]]}})";
  const std::string reordered =
      R"({"packet":{"rows":[["abc",12],["d","1.50"],[null,null]],)"
      R"("fields":[{"type":"string","size":3,"name":"N"},{"type":"decimal","name":"V"}]},"id":5})";
  const RpcAnswer thorough = AnswerFromJson(nlohmann::json::parse(written));
  for (const std::string& text : {written, reordered}) {
    std::optional<RpcAnswer> quick = TryReadAnswer(text);
    ASSERT_TRUE(quick) << text;
    EXPECT_EQ(quick->id, 5);
    EXPECT_EQ(quick->packet, thorough.packet) << text;
  }
}

TEST(Wire, RepeatedLongTextsOfAColumnReadAlike) {
  DataPacket packet{{{"NOME", FieldType::String, 60}, {"OBS", FieldType::String, 60}}, {}};
  for (int i = 0; i < 3000; ++i)
    packet.rows.push_back({Variant("Cliente de nome longo " + std::to_string(i % 7)),
                           Variant("Observação única número " + std::to_string(i))});
  std::optional<RpcAnswer> back = TryReadAnswer(AnswerText(RpcAnswer::OfPacket(3, packet)));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->packet, packet);
}

// The scanner's events written back as compact JSON, numbers as their text.
struct Echo {
  std::string out;
  std::vector<bool> fresh{true};
  void Comma() {
    if (!fresh.back()) out += ',';
    fresh.back() = false;
  }
  bool Null() {
    Comma();
    out += "null";
    return true;
  }
  bool Bool(bool b) {
    Comma();
    out += b ? "true" : "false";
    return true;
  }
  bool RawNumber(const char* text, unsigned length, bool) {
    Comma();
    out.append(text, length);
    return true;
  }
  bool String(const char* text, unsigned length, bool) {
    Comma();
    out += nlohmann::json(std::string(text, length)).dump();
    return true;
  }
  bool Key(const char* text, unsigned length, bool) {
    String(text, length, true);
    out += ':';
    fresh.back() = true;
    return true;
  }
  bool StartObject() {
    Comma();
    out += '{';
    fresh.push_back(true);
    return true;
  }
  bool EndObject(unsigned) {
    out += '}';
    fresh.pop_back();
    return true;
  }
  bool StartArray() {
    Comma();
    out += '[';
    fresh.push_back(true);
    return true;
  }
  bool EndArray(unsigned) {
    out += ']';
    fresh.pop_back();
    return true;
  }
};

TEST(Wire, TheScannerReadsStrictJsonAsTheDocumentReadsIt) {
  for (const char* text : {R"( {"a" : [1, -0.5e+3, "x\"\\\/\b\f\n\r\t\u00e7\u20ac", true, false, null, {}, []] } )",
                           R"([[[]],{"k":{"j":""}},"MetalÃºrgica",0,1E2])", "\"solo\"", "12"}) {
    Echo echo;
    ASSERT_TRUE(ScanJson(text, echo)) << text;
    EXPECT_EQ(nlohmann::json::parse(echo.out), nlohmann::json::parse(text)) << text;
    // Scanned again in parts, each up to one more blank, as a text arriving.
    Echo parts;
    json_scan::Scanner scanner;
    const std::string_view whole(text);
    std::size_t from = 0;
    for (std::size_t at = 0; at < whole.size(); ++at) {
      if (whole[at] != ' ') continue;
      ASSERT_EQ(scanner.Scan(whole.substr(from, at + 1 - from), false, parts), json_scan::Scanner::Result::More)
          << text;
      from = at + 1;
    }
    EXPECT_EQ(scanner.Scan(whole.substr(from), true, parts), json_scan::Scanner::Result::Done) << text;
    EXPECT_EQ(parts.out, echo.out) << text;
  }
  for (const char* text : {"", "[1,]", "{\"a\":1,}", "[01]", "[1.]", "[-]", "[.5]", "[1e]", "{\"a\" 1}", "[1] 2",
                           "[\"a\tb\"]", "[\"\\x\"]", "[\"\\u12\"]", "[\"\\ud83d\\ude00\"]", "[nul]", "[\"open]",
                           "{1:2}", "[[[[[[[[[[[[[[[[[1]]]]]]]]]]]]]]]]]"}) {
    Echo echo;
    EXPECT_FALSE(ScanJson(text, echo)) << text;
  }
}

// The pieces of a packet answer written with a piece after every row.
std::vector<std::string> Pieces(const DataPacket& packet) {
  std::vector<std::string> pieces;
  PacketAnswerWriter out(
      7, packet.fields, [&](std::string_view piece, bool) { pieces.emplace_back(piece); }, 1);
  for (const Row& row : packet.rows) {
    for (const Variant& value : row) value.Type() == VarType::Text ? out.Text(value.Text()) : out.Value(value);
    out.EndRow();
  }
  out.Finish();
  return pieces;
}

TEST(AnswerPieces, JoinedWithoutTheirLineBreaksTheyAreTheWholeAnswersText) {
  const std::vector<std::string> pieces = Pieces(EveryKind());
  ASSERT_EQ(pieces.size(), EveryKind().rows.size() + 1);
  std::string joined;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    if (i + 1 < pieces.size()) {
      EXPECT_TRUE(pieces[i].ends_with("]\n")) << pieces[i];
      joined += pieces[i].substr(0, pieces[i].size() - 1);
    } else {
      joined += pieces[i];
    }
  }
  EXPECT_EQ(joined, AnswerText(RpcAnswer::OfPacket(7, EveryKind())));

  // What the whole answer leaves to the document path stops the pieces.
  const DataPacket bad[] = {
      {{{"VR", FieldType::Float}}, {{Variant(std::numeric_limits<double>::infinity())}}},
      {{{"NOME", FieldType::String, 10}}, {{Variant("\xff")}}},
      {{{"NOME", FieldType::String, 10}, {"VR", FieldType::Float}}, {{Variant("a")}}},
      {{{"VR", FieldType::Float}}, {{Variant("texto")}}},
      {{{"DT", FieldType::DateTime}}, {{Variant(true)}}},
  };
  for (const DataPacket& packet : bad) EXPECT_THROW(Pieces(packet), JsonUnwritable) << packet.fields[0].name;
}

// Reads the text handed over in parts of `size` bytes (the last one whole
// or not) through a reader, as a connection hands the pieces of a frame.
RpcAnswer ReadInParts(const std::string& text, std::size_t size) {
  AnswerReader reader;
  for (std::size_t at = 0; at < text.size(); at += size) reader.Piece(text.substr(at, size), at + size >= text.size());
  return reader.Finish();
}

TEST(AnswerPieces, ReadAsTheyArriveTheyGiveWhatTheWholeTextGives) {
  DataPacket packet = EveryKind();
  for (int i = 0; i < 50; ++i) packet.rows.push_back(EveryKind().rows[std::size_t(i % 3)]);
  std::string text;
  for (const std::string& piece : Pieces(packet)) text += piece;
  const RpcAnswer whole = ReadAnswerText(text);
  ASSERT_EQ(whole.packet, packet);
  for (std::size_t size : {1u, 7u, 64u, 100000u}) {
    const RpcAnswer read = ReadInParts(text, size);
    EXPECT_EQ(read.id, 7) << size;
    EXPECT_EQ(read.packet, packet) << size;
  }

  // A restart drops what came before it.
  AnswerReader reader;
  reader.Piece(text.substr(0, text.size() / 2) + "\n", false);
  reader.Restarted();
  const std::string other = AnswerText(RpcAnswer::OfError(7, "Falha: ção"));
  reader.Piece(std::string(other), true);
  EXPECT_EQ(reader.Finish().error, "Falha: ção");

  // Texts the quick reading declines part way are read whole, with the
  // whole text's result or error.
  const std::string surrogate = std::string(R"({"id":1,"packet":{"fields":[{"name":"N","type":"string"}],)") + "\n" +
                                R"("rows":[["a"],)" + "\n" + R"(["\ud83d\ude00"]]}})";
  EXPECT_EQ(ReadInParts(surrogate, 10).packet, ReadAnswerText(surrogate).packet);
  EXPECT_EQ(ReadInParts(other, 3).error, "Falha: ção");
  const std::string broken = text.substr(0, text.size() - 3);
  EXPECT_THROW(ReadInParts(broken, 64), nlohmann::json::exception);
  const std::string wrongType = std::string(R"({"id":1,"packet":{"fields":[{"name":"Q","type":"integer"}],)") + "\n" +
                                R"("rows":[[1],)" + "\n" + R"([1.0]]}})";
  EXPECT_THROW(ReadInParts(wrongType, 5), EConvertError);
}

}  // namespace
