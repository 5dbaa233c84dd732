// Variant: one value of a field or of a server answer: null, text, float,
// exact decimal, date-time, integer or boolean.
//
// Conversions between kinds follow the field rules: text converts to a
// number or date by parsing (EConvertError when it cannot), numbers convert
// to text in their shortest exact form, null converts to an empty text or 0.
// In detail:
//   ToText    float: shortest round-trip form with '.' ("10.5", "3");
//             date-time: DateTimeToStr, the text a user sees; boolean:
//             "True"/"False"; null: "".
//   ToDouble  text: StrToFloat; date-time: its day count; boolean: 1 or 0.
//   ToDecimal text: by the StrToFloat rules but exact; float: FromDouble.
//   ToDateTime text: ISO ("2026-12-08T14:30:00") or StrToDateTime; numbers:
//             a day count; null: DateTime(0); boolean: refused.
//   ToInt     text: a whole number; float and decimal: rounded half away
//             from zero; date-time: the day count without its time.
//   ToBool    text: "true"/"false" in any case or a whole number; numbers:
//             not zero; date-time: refused.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/data/datetime.h"
#include "platform/data/decimal.h"

namespace plat {

enum class VarType : uint8_t { Null, Text, Float, Decimal, DateTime, Integer, Boolean };

// Sixteen bytes: a number, date or short text (up to 14 bytes) is held in
// place; a longer text or a decimal lives on the heap, shared by the copies
// of the value (never changed once made), so copying a value never copies
// its text.
class Variant {
 public:
  Variant() = default;
  Variant(std::string text);
  Variant(const char* text) : Variant(std::string_view(text)) {}
  Variant(double value) : type_(VarType::Float) { Put(value); }
  Variant(const Decimal& value);
  Variant(const DateTime& value) : type_(VarType::DateTime) { Put(value.Days()); }
  Variant(int64_t value) : type_(VarType::Integer) { Put(value); }
  Variant(int value) : Variant(static_cast<int64_t>(value)) {}
  Variant(bool value) : type_(VarType::Boolean) { bytes_[0] = value; }
  static Variant OfText(std::string_view text) { return Variant(text); }

  Variant(const Variant& other) noexcept {
    std::memcpy(static_cast<void*>(this), &other, sizeof(Variant));
    if (OnHeap()) Retain();
  }
  Variant(Variant&& other) noexcept {
    std::memcpy(static_cast<void*>(this), &other, sizeof(Variant));
    other.type_ = VarType::Null;
  }
  Variant& operator=(const Variant& other) noexcept {
    if (this != &other) {
      if (other.OnHeap()) other.Retain();
      if (OnHeap()) Release();
      std::memcpy(static_cast<void*>(this), &other, sizeof(Variant));
    }
    return *this;
  }
  Variant& operator=(Variant&& other) noexcept {
    if (this != &other) {
      if (OnHeap()) Release();
      std::memcpy(static_cast<void*>(this), &other, sizeof(Variant));
      other.type_ = VarType::Null;
    }
    return *this;
  }
  ~Variant() {
    if (OnHeap()) Release();
  }

  static Variant Null() { return Variant(); }

  VarType Type() const { return type_; }
  bool IsNull() const { return Type() == VarType::Null; }

  // Conversions; each throws EConvertError when the value cannot be read so.
  std::string ToText() const;
  double ToDouble() const;
  Decimal ToDecimal() const;
  DateTime ToDateTime() const;
  int64_t ToInt() const;
  bool ToBool() const;

  // Direct access when the kind is known (a text: valid while the value is).
  std::string_view Text() const;

  friend bool operator==(const Variant& a, const Variant& b);

 private:
  struct SharedText;
  struct SharedDecimal;
  static constexpr std::size_t kInline = 14;
  static constexpr uint8_t kOnHeap = 0xFF;  // size_ of a text on the heap

  explicit Variant(std::string_view text);
  template <class T>
  void Put(const T& value) {
    static_assert(sizeof(T) <= kInline);
    std::memcpy(bytes_, &value, sizeof(T));
  }
  template <class T>
  T Get() const {
    T value;
    std::memcpy(&value, bytes_, sizeof(T));
    return value;
  }
  bool Flag() const { return bytes_[0] != 0; }  // a boolean's value
  bool OnHeap() const { return type_ == VarType::Decimal || (type_ == VarType::Text && size_ == kOnHeap); }
  // The count of holders of the heap part, when there is one.
  void Release() noexcept;
  void Retain() const noexcept;
  const Decimal& DecimalValue() const;

  unsigned char bytes_[kInline] = {};
  uint8_t size_ = 0;
  VarType type_ = VarType::Null;
};

const char* VarTypeName(VarType type);

// The order of two values in a sorted column: null first, then numbers
// (integers, floats, decimals, date-times and booleans by their value),
// texts by their bytes; a text and a number compare as texts. Negative, 0
// or positive, as a before, equal to or after b.
int CompareValues(const Variant& a, const Variant& b);

}  // namespace plat
