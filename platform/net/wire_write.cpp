// Writing calls and answers straight into their text (wire.h).
#include "platform/net/wire.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#include <nlohmann/json.hpp>

#include "platform/net/rapidjson_config.h"
#include <rapidjson/internal/dtoa.h>

#include "platform/data/cp1252.h"
#include "platform/data/errors.h"
#include "platform/net/json_scan.h"

namespace plat {

namespace {

// Writing. Objects carry their keys in the order the JSON document of rpc.h
// writes them (sorted), so the texts read alike. Anything the writer cannot
// take as it is (a value unfit for its field, a row of the wrong length,
// text that is not UTF-8) stops it: the document path then writes the same
// message or refuses it with its own error.

// Thrown inside the writer when it must leave the message to the document path.
struct Unwritable {};

// The JSON text written straight into one buffer. A value after another in
// the same array or object gets its comma; a value after a key none.
class Writer {
 public:
  explicit Writer(std::size_t expected) { text_.resize(expected); }

  void StartObject() { Open('{'); }
  void EndObject() { Close('}'); }
  void StartArray() { Open('['); }
  void EndArray() { Close(']'); }
  void Key(const char* key, std::size_t size) {
    String(key, size);
    *Room(1) = ':';
    ++size_;
    afterKey_ = true;
  }
  void Null() { Raw("null"); }
  void Bool(bool value) { Raw(value ? "true" : "false"); }
  void Int(int value) { Int64(value); }
  void Int64(int64_t value) {
    char* at = Prefixed(24);
    size_ += std::size_t(std::to_chars(at, at + 24, value).ptr - at);
  }
  // The shortest digits that read back as the same number (RapidJSON's).
  void Double(double value) {
    char* at = Prefixed(32);
    size_ += std::size_t(rapidjson::internal::dtoa(value, at) - at);
  }
  void String(const char* data, std::size_t size) {
    char* out = Prefixed(size + 2);
    *out++ = '"';
    // Copied as it is up to the first byte that needs an escape.
    const std::size_t plain = json_scan::PlainRun(data, size);
    std::memcpy(out, data, plain);
    size_ += 1 + plain;
    for (std::size_t at = plain; at < size; ++at) {
      const auto c = static_cast<unsigned char>(data[at]);
      if (json_scan::NeedsEscape(c)) {
        Escape(c);
      } else {
        *Room(1) = static_cast<char>(c);
        ++size_;
      }
    }
    // Text with bytes from 0x80 must be UTF-8; the document path refuses it otherwise.
    if (!IsUtf8(std::string_view(data, size))) throw Unwritable();
    *Room(1) = '"';
    ++size_;
  }
  // A date as ISO-8601 text.
  void Date(const DateTime& date) {
    Prefixed(0);
    scratch_.clear();
    scratch_ += '"';
    date.AppendIso(scratch_);
    scratch_ += '"';
    Put(scratch_);
  }
  std::string Take() {
    text_.resize(size_);
    return std::move(text_);
  }

 private:
  // Room for n more bytes at the end of what is written.
  char* Room(std::size_t n) {
    if (size_ + n > text_.size()) text_.resize(std::max(2 * text_.size(), size_ + n));
    return text_.data() + size_;
  }
  void Put(std::string_view bytes) {
    std::memcpy(Room(bytes.size()), bytes.data(), bytes.size());
    size_ += bytes.size();
  }
  // The comma a value needs before it, then room for n bytes of it.
  char* Prefixed(std::size_t n) {
    char* at = Room(n + 1);
    if (afterKey_) {
      afterKey_ = false;
    } else if (!first_) {
      *at++ = ',';
      ++size_;
    }
    first_ = false;
    return at;
  }
  void Open(char bracket) {
    *Prefixed(1) = bracket;
    ++size_;
    first_ = true;
  }
  void Close(char bracket) {
    *Room(1) = bracket;
    ++size_;
    first_ = false;
  }
  void Raw(std::string_view token) {
    Prefixed(token.size());
    Put(token);
  }
  // A byte a JSON string carries escaped.
  void Escape(unsigned char c) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    char* at = Room(6);
    at[0] = '\\';
    char letter = 0;
    switch (c) {
      case '"': letter = '"'; break;
      case '\\': letter = '\\'; break;
      case '\b': letter = 'b'; break;
      case '\f': letter = 'f'; break;
      case '\n': letter = 'n'; break;
      case '\r': letter = 'r'; break;
      case '\t': letter = 't'; break;
    }
    if (letter) {
      at[1] = letter;
      size_ += 2;
    } else {
      std::memcpy(at + 1, "u00", 3);
      at[4] = kHex[c >> 4];
      at[5] = kHex[c & 0xF];
      size_ += 6;
    }
  }

  std::string text_;  // written up to size_, room after it
  std::size_t size_ = 0;
  std::string scratch_;
  bool first_ = true;
  bool afterKey_ = false;
};

void Key(Writer& out, const char* key) { out.Key(key, std::strlen(key)); }

void Text(Writer& out, std::string_view text) { out.String(text.data(), text.size()); }

void Value(Writer& out, const Variant& value, FieldType type) {
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
      if (!std::isfinite(number)) throw Unwritable();
      out.Double(number);
      return;
    }
    case FieldType::Decimal: Text(out, value.ToDecimal().ToString()); return;
    case FieldType::DateTime: out.Date(value.ToDateTime()); return;
    case FieldType::Integer: out.Int64(value.ToInt()); return;
    case FieldType::Boolean: out.Bool(value.ToBool()); return;
  }
  throw Unwritable();
}

void Fields(Writer& out, const std::vector<FieldDef>& fields) {
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

void RowValues(Writer& out, const Row& row, const std::vector<FieldDef>& fields) {
  if (row.size() != fields.size()) throw Unwritable();
  out.StartArray();
  for (std::size_t i = 0; i < row.size(); ++i) Value(out, row[i], fields[i].type);
  out.EndArray();
}

void Packet(Writer& out, const DataPacket& packet) {
  out.StartObject();
  Key(out, "fields");
  Fields(out, packet.fields);
  Key(out, "rows");
  out.StartArray();
  for (const Row& row : packet.rows) RowValues(out, row, packet.fields);
  out.EndArray();
  out.EndObject();
}

void DeltaValue(Writer& out, const Delta& delta) {
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

void TypedValue(Writer& out, const Variant& value) {
  out.StartObject();
  switch (value.Type()) {
    case VarType::Null: Key(out, "null"); out.Null(); break;
    case VarType::Text: Key(out, "string"); Text(out, value.Text()); break;
    case VarType::Float: Key(out, "float"); Value(out, value, FieldType::Float); break;
    case VarType::Decimal: Key(out, "decimal"); Value(out, value, FieldType::Decimal); break;
    case VarType::DateTime: Key(out, "datetime"); Value(out, value, FieldType::DateTime); break;
    case VarType::Integer: Key(out, "integer"); out.Int64(value.ToInt()); break;
    case VarType::Boolean: Key(out, "boolean"); out.Bool(value.ToBool()); break;
  }
  out.EndObject();
}

// Runs the writer; on anything it leaves to the document path, that path.
template <class Write, class Fallback>
std::string Written(Write write, Fallback fallback, std::size_t expected) {
  try {
    Writer out(expected);
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
      [&](Writer& out) {
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
      [&](Writer& out) {
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

}  // namespace plat
