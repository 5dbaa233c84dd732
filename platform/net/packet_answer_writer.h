// PacketAnswerWriter: the text of an answer carrying a packet, written row
// by row while the rows are still being read, and handed on in pieces as it
// grows, so that a long list travels (frame.h, messages in pieces) and is
// read on the other side while the server still reads it from the database.
//
// What callers may rely on:
// - The pieces joined, without the line break that ends each piece but the
//   last, are the text AnswerText gives for the same answer.
// - Each piece but the last ends right after a row, with a line break (a
//   JSON blank): a reader may take the text up to it as complete.
// - Values are written as AnswerText writes them. One it would leave to the
//   document path (text that is not UTF-8, a float that is not finite, a
//   value its field's type does not take) throws JsonUnwritable, as does a
//   row without one value per field; what was handed on is then of no use.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "platform/data/field_def.h"
#include "platform/data/variant.h"
#include "platform/net/json_writer.h"

namespace plat {

class PacketAnswerWriter {
 public:
  // Gets each piece as it is done; `last` for the one that ends the text.
  using Sink = std::function<void(std::string_view piece, bool last)>;
  static constexpr std::size_t kPieceSize = 64 * 1024;

  PacketAnswerWriter(int64_t id, std::vector<FieldDef> fields, Sink sink, std::size_t pieceSize = kPieceSize);

  // The next value of the row, for the next field in order.
  void Null() {
    NextField();
    out_.Null();
  }
  // A string or blob field's text.
  void Text(std::string_view text) {
    const FieldDef& field = NextField();
    if (field.type != FieldType::String && field.type != FieldType::Blob) throw JsonUnwritable();
    out_.String(text.data(), text.size());
  }
  // A date-time field's value as the ISO text AppendIso writes for it
  // (DateTime::IsWrittenIso).
  void WrittenDate(std::string_view iso) {
    if (NextField().type != FieldType::DateTime) throw JsonUnwritable();
    out_.String(iso.data(), iso.size());
  }
  void Value(const Variant& value);
  // Ends the row; hands a piece on when enough is written.
  void EndRow() {
    if (column_ != fields_.size()) throw JsonUnwritable();
    if (column_ == 0) out_.StartArray();  // a packet without fields has empty rows
    out_.EndArray();
    column_ = 0;
    if (out_.Size() >= pieceSize_) HandOn();
  }
  // Ends the text and hands on the last piece.
  void Finish();

  const std::vector<FieldDef>& Fields() const { return fields_; }

 private:
  const FieldDef& NextField() {
    if (column_ == fields_.size()) throw JsonUnwritable();
    if (column_ == 0) out_.StartArray();
    return fields_[column_++];
  }
  void HandOn();  // the text so far as a piece, ended by a line break

  std::vector<FieldDef> fields_;
  Sink sink_;
  std::size_t pieceSize_;
  JsonWriter out_;
  std::size_t column_ = 0;  // values written of the row in work
};

}  // namespace plat
