// Writing calls and answers straight into their text (wire.h).
#include <cmath>
#include <cstring>
#include <nlohmann/json.hpp>

#include "platform/data/errors.h"
#include "platform/net/json_writer.h"
#include "platform/net/packet_answer_writer.h"
#include "platform/net/wire.h"

namespace plat {

namespace {

// Writing. Objects carry their keys in the order the JSON document of rpc.h
// writes them (sorted), so the texts read alike. Anything the writer cannot
// take as it is (a value unfit for its field, a row of the wrong length,
// text that is not UTF-8) stops it: the document path then writes the same
// message or refuses it with its own error.

void Key(JsonWriter& out, const char* key) { out.Key(key, std::strlen(key)); }

void Text(JsonWriter& out, std::string_view text) { out.String(text.data(), text.size()); }

void Value(JsonWriter& out, const Variant& value, FieldType type) {
  if (value.IsNull()) {
    out.Null();
    return;
  }
  switch (type) {
    case FieldType::String:
    case FieldType::Blob:
      if (value.Type() == VarType::Text)
        Text(out, value.Text());
      else
        Text(out, value.ToText());
      return;
    case FieldType::Float: {
      const double number = value.ToDouble();
      if (!std::isfinite(number)) throw JsonUnwritable();
      out.Double(number);
      return;
    }
    case FieldType::Decimal:
      Text(out, value.ToDecimal().ToString());
      return;
    case FieldType::DateTime:
      out.Date(value.ToDateTime());
      return;
    case FieldType::Integer:
      out.Int64(value.ToInt());
      return;
    case FieldType::Boolean:
      out.Bool(value.ToBool());
      return;
  }
  throw JsonUnwritable();
}

void Fields(JsonWriter& out, const std::vector<FieldDef>& fields) {
  out.StartArray();
  for (const FieldDef& field : fields) {
    out.StartObject();
    Key(out, "name");
    Text(out, field.name);
    if (field.readOnly) {
      Key(out, "readOnly");
      out.Bool(true);
    }
    if (field.required) {
      Key(out, "required");
      out.Bool(true);
    }
    if (field.size != 0) {
      Key(out, "size");
      out.Int(field.size);
    }
    Key(out, "type");
    Text(out, FieldTypeName(field.type));
    out.EndObject();
  }
  out.EndArray();
}

void RowValues(JsonWriter& out, const Row& row, const std::vector<FieldDef>& fields) {
  if (row.size() != fields.size()) throw JsonUnwritable();
  out.StartArray();
  for (std::size_t i = 0; i < row.size(); ++i) Value(out, row[i], fields[i].type);
  out.EndArray();
}

void Packet(JsonWriter& out, const DataPacket& packet) {
  out.StartObject();
  Key(out, "fields");
  Fields(out, packet.fields);
  Key(out, "rows");
  out.StartArray();
  for (const Row& row : packet.rows) RowValues(out, row, packet.fields);
  out.EndArray();
  out.EndObject();
}

void DeltaValue(JsonWriter& out, const Delta& delta) {
  out.StartObject();
  Key(out, "changes");
  out.StartArray();
  for (const DeltaEntry& change : delta.changes) {
    out.StartObject();
    Key(out, "kind");
    Text(out, ChangeKindName(change.kind));
    if (change.kind != ChangeKind::Delete) {
      Key(out, "new");
      RowValues(out, change.current, delta.fields);
    }
    if (change.kind != ChangeKind::Insert) {
      Key(out, "old");
      RowValues(out, change.original, delta.fields);
    }
    out.EndObject();
  }
  out.EndArray();
  Key(out, "fields");
  Fields(out, delta.fields);
  out.EndObject();
}

void TypedValue(JsonWriter& out, const Variant& value) {
  out.StartObject();
  switch (value.Type()) {
    case VarType::Null:
      Key(out, "null");
      out.Null();
      break;
    case VarType::Text:
      Key(out, "string");
      Text(out, value.Text());
      break;
    case VarType::Float:
      Key(out, "float");
      Value(out, value, FieldType::Float);
      break;
    case VarType::Decimal:
      Key(out, "decimal");
      Value(out, value, FieldType::Decimal);
      break;
    case VarType::DateTime:
      Key(out, "datetime");
      Value(out, value, FieldType::DateTime);
      break;
    case VarType::Integer:
      Key(out, "integer");
      out.Int64(value.ToInt());
      break;
    case VarType::Boolean:
      Key(out, "boolean");
      out.Bool(value.ToBool());
      break;
  }
  out.EndObject();
}

// Runs the writer; on anything it leaves to the document path, that path.
template <class Write, class Fallback>
std::string Written(Write write, Fallback fallback, std::size_t expected) {
  try {
    JsonWriter out(expected);
    write(out);
    return out.Take();
  } catch (...) {
    return fallback();
  }
}

// The room a text is given at once, which spares the copies of a growing
// buffer: lists take about 13 bytes a value, a delta's change up to two rows.
std::size_t ExpectedSize(const RpcRequest& request) {
  std::size_t size = 256;
  for (const RpcArg& arg : request.args)
    if (arg.IsDelta()) size += 32 * arg.DeltaValue().changes.size() * arg.DeltaValue().fields.size();
  return size;
}

std::size_t ExpectedSize(const RpcAnswer& answer) {
  if (answer.kind != RpcAnswer::Kind::Packet) return 256;
  return 256 + 16 * answer.packet.rows.size() * answer.packet.fields.size();
}

}  // namespace

std::string RequestText(const RpcRequest& request) {
  return Written(
      [&](JsonWriter& out) {
        out.StartObject();
        Key(out, "args");
        out.StartArray();
        for (const RpcArg& arg : request.args) {
          if (arg.IsDelta()) {
            out.StartObject();
            Key(out, "delta");
            DeltaValue(out, arg.DeltaValue());
            out.EndObject();
          } else {
            TypedValue(out, arg.Value());
          }
        }
        out.EndArray();
        Key(out, "id");
        out.Int64(request.id);
        Key(out, "method");
        Text(out, request.method);
        Key(out, "object");
        Text(out, request.object);
        out.EndObject();
      },
      [&] { return RequestToJson(request).dump(); }, ExpectedSize(request));
}

std::string AnswerText(const RpcAnswer& answer) {
  return Written(
      [&](JsonWriter& out) {
        out.StartObject();
        switch (answer.kind) {
          case RpcAnswer::Kind::Packet:
            Key(out, "id");
            out.Int64(answer.id);
            Key(out, "packet");
            Packet(out, answer.packet);
            break;
          case RpcAnswer::Kind::Value:
            Key(out, "id");
            out.Int64(answer.id);
            Key(out, "value");
            TypedValue(out, answer.value);
            break;
          case RpcAnswer::Kind::Error:
            Key(out, "error");
            Text(out, answer.error);
            Key(out, "id");
            out.Int64(answer.id);
            break;
        }
        out.EndObject();
      },
      [&] { return AnswerToJson(answer).dump(); }, ExpectedSize(answer));
}

PacketAnswerWriter::PacketAnswerWriter(int64_t id, std::vector<FieldDef> fields, Sink sink, std::size_t pieceSize)
    : fields_(std::move(fields)), sink_(std::move(sink)), pieceSize_(pieceSize), out_(pieceSize + pieceSize / 4) {
  // As AnswerText writes a packet answer, up to its first row.
  out_.StartObject();
  Key(out_, "id");
  out_.Int64(id);
  Key(out_, "packet");
  out_.StartObject();
  Key(out_, "fields");
  plat::Fields(out_, fields_);
  Key(out_, "rows");
  out_.StartArray();
}

void PacketAnswerWriter::Value(const Variant& value) {
  const FieldDef& field = NextField();
  try {
    plat::Value(out_, value, field.type);
  } catch (const std::exception&) {  // a value its field's type does not take
    throw JsonUnwritable();
  }
}

void PacketAnswerWriter::HandOn() {
  out_.LineBreak();
  sink_(out_.Written(), false);
  out_.Clear();
}

void PacketAnswerWriter::Finish() {
  out_.EndArray();
  out_.EndObject();
  out_.EndObject();
  sink_(out_.Written(), true);
  out_.Clear();
}

}  // namespace plat
