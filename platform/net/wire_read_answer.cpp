// Reading answers the quick way (wire.h): a list's packet from the parser's
// events as they come, part by part as the pieces of a long answer arrive,
// without a document in between; any other answer from a document.
#include <nlohmann/json.hpp>

#include "platform/net/json_scan.h"
#include "platform/net/rapidjson_config.h"
#include "platform/net/wire.h"
#include "platform/net/wire_read_parts.h"

namespace plat {

namespace {

using namespace wire_read;

// Reads an answer carrying a packet as the parser's events come, without a
// document in between: {"id":N,"packet":{"fields":[...],"rows":[[...],...]}}
// with its keys in that order, as AnswerText writes them. Any other event
// stops the parse, and the answer is read from a document instead.
class StreamedPacketAnswer {
 public:
  using Size = rapidjson::SizeType;

  RpcAnswer Answer() { return RpcAnswer::OfPacket(id_, std::move(packet_)); }

  bool Null() { return Value(Scalar()); }
  bool Bool(bool b) {
    Scalar scalar;
    scalar.kind = b ? Scalar::True : Scalar::False;
    return Value(scalar);
  }
  bool RawNumber(const char* text, Size length, bool) {
    Scalar number;
    return ReadNumber({text, length}, number) && Value(number);
  }
  bool String(const char* text, Size length, bool) {
    Scalar scalar;
    scalar.kind = Scalar::Text;
    scalar.text = {text, length};
    return Value(scalar);
  }
  bool Key(const char* text, Size length, bool) {
    const std::string_view key(text, length);
    switch (at_) {
      case At::Answer:
        if (key == "id" && !hasId_) return Go(At::Id);
        if (key == "packet" && hasId_ && !hasPacket_) return Go(At::PacketStart);
        return false;
      case At::Packet:
        if (key == "fields" && !hasFields_) return Go(At::FieldsStart);
        if (key == "rows" && hasFields_ && !hasRows_) return Go(At::RowsStart);
        return false;
      case At::Field:
        fieldKey_ = FieldKey(key);
        if (fieldKey_ == kFieldKeys.size() || (fieldKeys_ & (1u << fieldKey_))) return false;
        fieldKeys_ |= 1u << fieldKey_;
        return Go(At::FieldValue);
      default:
        return false;
    }
  }
  bool StartObject() {
    switch (at_) {
      case At::Begin:
        return Go(At::Answer);
      case At::PacketStart:
        return Go(At::Packet);
      case At::Fields:
        field_ = FieldDef();
        fieldKeys_ = 0;
        return Go(At::Field);
      default:
        return false;
    }
  }
  bool EndObject(Size) {
    switch (at_) {
      case At::Answer:
        return hasPacket_ && Go(At::End);
      case At::Packet:
        hasPacket_ = hasRows_;
        return hasRows_ && Go(At::Answer);
      case At::Field:
        return fields_.Add(std::move(field_), fieldKeys_) && Go(At::Fields);
      default:
        return false;
    }
  }
  bool StartArray() {
    switch (at_) {
      case At::FieldsStart:
        return Go(At::Fields);
      case At::RowsStart:
        texts_.emplace(packet_.fields.size());
        return Go(At::Rows);
      case At::Rows:
        row_.clear();
        row_.reserve(packet_.fields.size());
        return Go(At::Row);
      default:
        return false;
    }
  }
  bool EndArray(Size) {
    switch (at_) {
      case At::Fields:
        packet_.fields = fields_.Take();
        hasFields_ = true;
        return Go(At::Packet);
      case At::Rows:
        hasRows_ = true;
        return Go(At::Packet);
      case At::Row:
        if (row_.size() != packet_.fields.size()) return false;
        packet_.rows.push_back(std::move(row_));
        row_ = Row();
        return Go(At::Rows);
      default:
        return false;
    }
  }
  // Not called: numbers come as their text.
  bool Int(int) { return false; }
  bool Uint(unsigned) { return false; }
  bool Int64(int64_t) { return false; }
  bool Uint64(uint64_t) { return false; }
  bool Double(double) { return false; }

 private:
  enum class At {
    Begin,
    Answer,
    Id,
    PacketStart,
    Packet,
    FieldsStart,
    Fields,
    Field,
    FieldValue,
    RowsStart,
    Rows,
    Row,
    End
  };

  bool Go(At at) {
    at_ = at;
    return true;
  }

  // A value where the parse stands: the id, a field's property, a row's value.
  bool Value(const Scalar& v) {
    try {
      switch (at_) {
        case At::Id:
          if (v.kind != Scalar::Whole) return false;
          id_ = v.whole;
          hasId_ = true;
          return Go(At::Answer);
        case At::FieldValue:
          return SetFieldProperty(field_, fieldKey_, v) && Go(At::Field);
        case At::Row:
          if (row_.size() >= packet_.fields.size()) return false;
          row_.push_back(texts_->Value(row_.size(), v, packet_.fields[row_.size()].type));
          return true;
        default:
          return false;
      }
    } catch (const std::exception&) {  // a value its field's type does not read
      return false;
    } catch (const Declined&) {
      return false;
    }
  }

  At at_ = At::Begin;
  int64_t id_ = 0;
  bool hasId_ = false, hasPacket_ = false, hasFields_ = false, hasRows_ = false;
  DataPacket packet_;
  FieldList fields_;
  FieldDef field_;
  unsigned fieldKeys_ = 0;  // the bits of the properties it was given (kFieldKeys)
  std::size_t fieldKey_ = 0;
  Row row_;
  std::optional<TextPool> texts_;
};

std::optional<RpcAnswer> StreamedAnswer(const std::string& text) {
  StreamedPacketAnswer events;
  if (!ScanJson(text, events)) return std::nullopt;
  return events.Answer();
}

}  // namespace

std::optional<RpcAnswer> TryReadAnswer(const std::string& text) {
  if (Unusual(text)) return std::nullopt;
  // A list's packet, the bulk of what is read, as it comes; the rest (and
  // any other order of keys) from a document.
  if (std::optional<RpcAnswer> answer = StreamedAnswer(text)) return answer;
  return wire_read::DocumentAnswer(text);
}

RpcAnswer ReadAnswerText(const std::string& text) {
  if (std::optional<RpcAnswer> answer = TryReadAnswer(text)) return std::move(*answer);
  return AnswerFromJson(nlohmann::json::parse(text));
}

// The streamed reading of TryReadAnswer, part by part: each part ends at a
// line break (never inside a token of a well-formed text) and is checked as
// TryReadAnswer checks the whole. Once a part is declined, the pieces
// joined are read at the end instead; they are kept until then.
struct AnswerReader::Reading {
  std::vector<std::string> pieces;
  std::string pending;  // what came after the last line break so far
  json_scan::Scanner scanner;
  StreamedPacketAnswer events;
  bool declined = false;
  bool done = false;  // the last piece was read

  bool Read(std::string_view part, bool last) {
    return !Unusual(part) && scanner.Scan(part, last, events) ==
                                 (last ? json_scan::Scanner::Result::Done : json_scan::Scanner::Result::More);
  }
  // The bytes up to `end` of the piece, after what was pending.
  bool ReadUpTo(std::string_view piece, std::size_t end, bool last) {
    if (pending.empty()) return Read(piece.substr(0, end), last);
    pending.append(piece.substr(0, end));
    const bool read = Read(pending, last);
    pending.clear();
    return read;
  }
};

AnswerReader::AnswerReader() : reading_(std::make_unique<Reading>()) {}
AnswerReader::~AnswerReader() = default;

void AnswerReader::Piece(std::string&& bytes, bool last) {
  Reading& r = *reading_;
  r.pieces.push_back(std::move(bytes));
  const std::string_view piece = r.pieces.back();
  r.done = last;
  if (r.declined) return;
  if (last) {
    r.declined = !r.ReadUpTo(piece, piece.size(), true);
    return;
  }
  const std::size_t lineBreak = piece.rfind('\n');
  if (lineBreak == std::string_view::npos) {
    r.pending.append(piece);
    return;
  }
  r.declined = !r.ReadUpTo(piece, lineBreak + 1, false);
  if (!r.declined) r.pending.assign(piece.substr(lineBreak + 1));
}

void AnswerReader::Restarted() { reading_ = std::make_unique<Reading>(); }

RpcAnswer AnswerReader::Finish() {
  Reading& r = *reading_;
  if (r.done && !r.declined) return r.events.Answer();
  if (r.pieces.size() == 1) return ReadAnswerText(r.pieces[0]);
  std::string text;
  for (const std::string& piece : r.pieces) text += piece;
  return ReadAnswerText(text);
}

}  // namespace plat
