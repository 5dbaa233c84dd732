#include "platform/data/variant.h"

#include <atomic>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <new>

#include "platform/data/errors.h"
#include "platform/data/format.h"
#include "platform/data/messages.h"

namespace plat {

namespace {

EConvertError CannotConvert(VarType from, const char* to) {
  return EConvertError(std::string("Cannot convert a value of type ") + VarTypeName(from) + " to " + to);
}

// A whole number typed by a user (thousands separators allowed); false when
// the text is not one or does not fit 64 bits.
bool TryTextToInt(std::string_view text, int64_t& out) {
  std::string plain;
  try {
    plain = PlainNumberText(text);
  } catch (const EConvertError&) {
    return false;
  }
  const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), out);
  return result.ec == std::errc() && result.ptr == plain.data() + plain.size();
}

}  // namespace

// A long text or a decimal on the heap, with the count of the values
// holding it.
struct Variant::SharedText {
  std::atomic<uint32_t> holders;
  std::size_t size;
  char chars[1];  // and the rest of the text after it: one allocation holds both

  static SharedText* Make(std::string_view text) {
    void* memory = ::operator new(offsetof(SharedText, chars) + text.size());
    auto* shared = new (memory) SharedText{{1}, text.size(), {}};
    std::memcpy(shared->chars, text.data(), text.size());
    return shared;
  }
  void Free() {
    this->~SharedText();
    ::operator delete(this);
  }
};

struct Variant::SharedDecimal {
  std::atomic<uint32_t> holders{1};
  Decimal value;
};

namespace {

template <class Shared>
Shared* HeldAt(const unsigned char* bytes) {
  Shared* shared;
  std::memcpy(&shared, bytes, sizeof shared);
  return shared;
}

}  // namespace

Variant::Variant(std::string_view text) : type_(VarType::Text) {
  if (text.size() <= kInline) {
    std::memcpy(bytes_, text.data(), text.size());
    size_ = static_cast<uint8_t>(text.size());
  } else {
    Put(SharedText::Make(text));
    size_ = kOnHeap;
  }
}

Variant::Variant(std::string text) : Variant(std::string_view(text)) {}

Variant::Variant(const Decimal& value) : type_(VarType::Decimal) { Put(new SharedDecimal{1, value}); }

void Variant::Retain() const noexcept {
  if (!OnHeap()) return;
  if (type_ == VarType::Text)
    HeldAt<SharedText>(bytes_)->holders.fetch_add(1, std::memory_order_relaxed);
  else
    HeldAt<SharedDecimal>(bytes_)->holders.fetch_add(1, std::memory_order_relaxed);
}

void Variant::Release() noexcept {
  if (!OnHeap()) return;
  if (type_ == VarType::Text) {
    SharedText* shared = HeldAt<SharedText>(bytes_);
    if (shared->holders.fetch_sub(1, std::memory_order_acq_rel) == 1) shared->Free();
  } else {
    SharedDecimal* shared = HeldAt<SharedDecimal>(bytes_);
    if (shared->holders.fetch_sub(1, std::memory_order_acq_rel) == 1) delete shared;
  }
  type_ = VarType::Null;
}

std::string_view Variant::Text() const {
  if (type_ != VarType::Text)
    throw EConvertError(std::string("A value of type ") + VarTypeName(type_) + " is not a text");
  if (size_ == kOnHeap) {
    const SharedText* shared = HeldAt<SharedText>(bytes_);
    return {shared->chars, shared->size};
  }
  return {reinterpret_cast<const char*>(bytes_), size_};
}

const Decimal& Variant::DecimalValue() const { return HeldAt<SharedDecimal>(bytes_)->value; }

bool operator==(const Variant& a, const Variant& b) {
  if (a.type_ != b.type_) return false;
  switch (a.type_) {
    case VarType::Null:
      return true;
    case VarType::Text:
      return a.Text() == b.Text();
    case VarType::Float:
    case VarType::DateTime:
      return a.Get<double>() == b.Get<double>();
    case VarType::Decimal:
      return a.DecimalValue() == b.DecimalValue();
    case VarType::Integer:
      return a.Get<int64_t>() == b.Get<int64_t>();
    case VarType::Boolean:
      return a.Flag() == b.Flag();
  }
  return false;
}

const char* VarTypeName(VarType type) {
  switch (type) {
    case VarType::Null:
      return "null";
    case VarType::Text:
      return "text";
    case VarType::Float:
      return "float";
    case VarType::Decimal:
      return "decimal";
    case VarType::DateTime:
      return "datetime";
    case VarType::Integer:
      return "integer";
    case VarType::Boolean:
      return "boolean";
  }
  return "unknown";
}

std::string Variant::ToText() const {
  switch (Type()) {
    case VarType::Null:
      return {};
    case VarType::Text:
      return std::string(Text());
    case VarType::Float:
      return ShortestFloatText(Get<double>());
    case VarType::Decimal:
      return DecimalValue().ToString();
    case VarType::DateTime:
      return DateTimeToStr(DateTime(Get<double>()));
    case VarType::Integer:
      return std::to_string(Get<int64_t>());
    case VarType::Boolean:
      return Flag() ? "True" : "False";
  }
  return {};
}

double Variant::ToDouble() const {
  switch (Type()) {
    case VarType::Null:
      return 0.0;
    case VarType::Text:
      return StrToFloat(Text());
    case VarType::Float:
      return Get<double>();
    case VarType::Decimal:
      return DecimalValue().ToDouble();
    case VarType::DateTime:
      return Get<double>();
    case VarType::Integer:
      return static_cast<double>(Get<int64_t>());
    case VarType::Boolean:
      return Flag() ? 1.0 : 0.0;
  }
  return 0.0;
}

Decimal Variant::ToDecimal() const {
  switch (Type()) {
    case VarType::Null:
      return Decimal();
    case VarType::Text:
      try {
        return Decimal::Parse(PlainNumberText(Text()));
      } catch (const EConvertError&) {
        throw EConvertError(Message(Msg::NotADecimal, {Text()}));
      }
    case VarType::Float:
      return Decimal::FromDouble(Get<double>());
    case VarType::Decimal:
      return DecimalValue();
    case VarType::DateTime:
      return Decimal::FromDouble(Get<double>());
    case VarType::Integer:
      return Decimal::FromInt(Get<int64_t>());
    case VarType::Boolean:
      return Decimal::FromInt(Flag() ? 1 : 0);
  }
  return Decimal();
}

DateTime Variant::ToDateTime() const {
  switch (Type()) {
    case VarType::Null:
      return DateTime(0.0);
    case VarType::Text: {
      const std::string_view text = TrimBlanks(Text());
      const bool iso = text.size() >= 10 && text[4] == '-';
      return iso ? DateTime::ParseIso(text) : StrToDateTime(text);
    }
    case VarType::Float:
      return DateTime(Get<double>());
    case VarType::Decimal:
      return DateTime(DecimalValue().ToDouble());
    case VarType::DateTime:
      return DateTime(Get<double>());
    case VarType::Integer:
      return DateTime(static_cast<double>(Get<int64_t>()));
    case VarType::Boolean:
      throw CannotConvert(Type(), "a date");
  }
  return DateTime();
}

int64_t Variant::ToInt() const {
  switch (Type()) {
    case VarType::Null:
      return 0;
    case VarType::Text: {
      int64_t value = 0;
      if (!TryTextToInt(Text(), value)) throw EConvertError(Message(Msg::NotAnInteger, {Text()}));
      return value;
    }
    case VarType::Float: {
      const double value = Get<double>();
      // 2^63 is exactly representable; anything from there on does not fit.
      if (!(std::fabs(value) < 9223372036854775808.0)) {
        throw EConvertError("The number " + ShortestFloatText(value) + " does not fit an integer");
      }
      return std::llround(value);
    }
    case VarType::Decimal:
      return DecimalValue().ToInt64();
    case VarType::DateTime:
      return static_cast<int64_t>(Get<double>());
    case VarType::Integer:
      return Get<int64_t>();
    case VarType::Boolean:
      return Flag() ? 1 : 0;
  }
  return 0;
}

bool Variant::ToBool() const {
  switch (Type()) {
    case VarType::Null:
      return false;
    case VarType::Text: {
      const std::string_view text = TrimBlanks(Text());
      if (SameText(text, "true")) return true;
      if (SameText(text, "false")) return false;
      int64_t value = 0;
      if (!TryTextToInt(text, value)) throw EConvertError(Message(Msg::NotABoolean, {Text()}));
      return value != 0;
    }
    case VarType::Float:
      return Get<double>() != 0.0;
    case VarType::Decimal:
      return !DecimalValue().IsZero();
    case VarType::DateTime:
      throw CannotConvert(Type(), "a boolean");
    case VarType::Integer:
      return Get<int64_t>() != 0;
    case VarType::Boolean:
      return Flag();
  }
  return false;
}

int CompareValues(const Variant& a, const Variant& b) {
  if (a.IsNull() || b.IsNull()) return (a.IsNull() ? 0 : 1) - (b.IsNull() ? 0 : 1);
  bool aText = a.Type() == VarType::Text, bText = b.Type() == VarType::Text;
  if (aText && bText) {
    int order = a.Text().compare(b.Text());
    return (order > 0) - (order < 0);
  }
  if (aText || bText) {
    int order = a.ToText().compare(b.ToText());
    return (order > 0) - (order < 0);
  }
  if (a.Type() == VarType::Decimal && b.Type() == VarType::Decimal) {
    Decimal x = a.ToDecimal(), y = b.ToDecimal();
    return (y < x) - (x < y);
  }
  double x = a.ToDouble(), y = b.ToDouble();
  return (x > y) - (x < y);
}

}  // namespace plat
