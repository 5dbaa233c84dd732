// JsonWriter: JSON text written straight into one buffer, token by token,
// for the calls and answers of wire.h. Keys and values are written in the
// order given; a value after another in the same array or object gets its
// comma, a value after a key none.
//
// What callers may rely on:
// - Strings are written with the escapes the JSON documents of rpc.h use
//   (\" \\ \b \f \n \r \t, \u00XX for other control bytes), other
//   bytes as they are; text that is not UTF-8 throws JsonUnwritable.
// - Floats are written in their shortest exact digits, dates in ISO form.
// - Written() is the text so far; Clear() forgets it and goes on where the
//   writing stands (a piece of the text handed on, the rest still to come).
#pragma once

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/data/cp1252.h"
#include "platform/data/datetime.h"
#include "platform/net/json_scan.h"
#include "platform/net/rapidjson_config.h"

namespace plat {

// Thrown by the writer for what it cannot write as the JSON documents of
// rpc.h would: the caller leaves the message to the document path.
struct JsonUnwritable {};

class JsonWriter {
 public:
  explicit JsonWriter(std::size_t expected) { text_.resize(expected); }

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
    if (!IsAscii(data, size) && !IsUtf8(std::string_view(data, size))) throw JsonUnwritable();
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
  // A blank between tokens: a line break.
  void LineBreak() {
    *Room(1) = '\n';
    ++size_;
  }
  std::size_t Size() const { return size_; }
  std::string_view Written() const { return {text_.data(), size_}; }
  void Clear() { size_ = 0; }
  std::string Take() {
    text_.resize(size_);
    return std::move(text_);
  }

 private:
  static bool IsAscii(const char* data, std::size_t size) {
    uint64_t high = 0;
    std::size_t at = 0;
    for (; at + 8 <= size; at += 8) {
      uint64_t x;
      std::memcpy(&x, data + at, 8);
      high |= x;
    }
    for (; at < size; ++at) high |= static_cast<unsigned char>(data[at]);
    return (high & json_scan::kHigh) == 0;
  }

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
      case '"':
        letter = '"';
        break;
      case '\\':
        letter = '\\';
        break;
      case '\b':
        letter = 'b';
        break;
      case '\f':
        letter = 'f';
        break;
      case '\n':
        letter = 'n';
        break;
      case '\r':
        letter = 'r';
        break;
      case '\t':
        letter = 't';
        break;
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

}  // namespace plat
