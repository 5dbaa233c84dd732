// ScanJson: reads a JSON text (RFC 8259) and passes its parts to a handler
// as they come, in the events of RapidJSON's SAX readers with numbers as
// their text: Null, Bool, RawNumber, String, StartObject, Key, EndObject,
// StartArray, EndArray. Quicker than the library's reader for the many short
// strings of a list's rows: a string without escapes reaches the handler as
// a view into the text itself.
//
// What callers may rely on:
// - True only for a text that is one JSON value (blanks around it allowed)
//   whose every event the handler accepted. A handler returning false, a
//   malformed text and nesting deeper than kMaxDepth give false; the handler
//   then has seen part of the text only.
// - Strings reach the handler with their escapes decoded; the views handed
//   over are valid during the call only. The text is taken as UTF-8 as it
//   is: the caller checks it first when it matters. An escaped surrogate
//   (\uD800 to \uDFFF) is not read (false): pairs are rare enough to leave
//   to a thorough reader.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace plat {

namespace json_scan {

inline constexpr int kMaxDepth = 16;
inline constexpr uint64_t kOnes = 0x0101010101010101u, kHigh = 0x8080808080808080u;

// The bytes among eight (read from memory in order, little-endian) that end
// a plain run of a JSON string: below 0x20, a quote or a backslash. Each
// marked by its high bit; the lowest mark is exact (marks above it may be
// false), none when there is none.
inline uint64_t StopMask(uint64_t x) {
  auto zeroByte = [](uint64_t v) { return (v - kOnes) & ~v & kHigh; };
  return ((x - kOnes * 0x20) & ~x & kHigh) | zeroByte(x ^ (kOnes * '"')) | zeroByte(x ^ (kOnes * '\\'));
}

// Whether a byte ends a plain run of a JSON string (the StopMask rule).
inline bool NeedsEscape(unsigned char c) { return c < 0x20 || c == '"' || c == '\\'; }

// How many bytes from data (size of them) go before the first that ends a
// plain run, eight at a time while there are eight.
inline std::size_t PlainRun(const char* data, std::size_t size) {
  std::size_t at = 0;
  for (; at + 8 <= size; at += 8) {
    uint64_t x;
    std::memcpy(&x, data + at, 8);
    if (const uint64_t stops = StopMask(x)) return at + static_cast<std::size_t>(__builtin_ctzll(stops) >> 3);
  }
  while (at < size && !NeedsEscape(static_cast<unsigned char>(data[at]))) ++at;
  return at;
}

inline bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

inline int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

class Scanner {
 public:
  explicit Scanner(std::string_view text) : at_(text.data()), end_(text.data() + text.size()) {}

  template <class Handler>
  bool Run(Handler& events) {
    // Containers open, innermost last: true for an object; with the count of
    // their members or elements.
    bool isObject[kMaxDepth];
    unsigned counts[kMaxDepth];
    int depth = 0;
    SkipBlanks();
    for (;;) {
      // A value is expected here.
      if (at_ == end_) return false;
      switch (*at_) {
        case '{':
        case '[': {
          const bool object = *at_++ == '{';
          if (depth == kMaxDepth || !(object ? events.StartObject() : events.StartArray())) return false;
          isObject[depth] = object;
          counts[depth++] = 0;
          SkipBlanks();
          if (at_ != end_ && *at_ == (object ? '}' : ']')) {  // empty
            ++at_;
            if (!(object ? events.EndObject(0) : events.EndArray(0))) return false;
            --depth;
            break;
          }
          if (object && !MemberKey(events)) return false;
          continue;
        }
        case '"': {
          std::string_view text;
          if (!StringAt(text) || !events.String(text.data(), static_cast<unsigned>(text.size()), true)) return false;
          break;
        }
        case 'n':
          if (!Literal("null") || !events.Null()) return false;
          break;
        case 't':
          if (!Literal("true") || !events.Bool(true)) return false;
          break;
        case 'f':
          if (!Literal("false") || !events.Bool(false)) return false;
          break;
        default: {
          const char* start = at_;
          if (!Number() || !events.RawNumber(start, static_cast<unsigned>(at_ - start), false)) return false;
        }
      }
      // After a value: the next one of its container, or the container's end.
      for (;;) {
        SkipBlanks();
        if (depth == 0) return at_ == end_;
        if (at_ == end_) return false;
        const int top = depth - 1;
        ++counts[top];
        if (*at_ == ',') {
          ++at_;
          SkipBlanks();
          if (isObject[top] && !MemberKey(events)) return false;
          break;
        }
        if (*at_ != (isObject[top] ? '}' : ']')) return false;
        ++at_;
        if (!(isObject[top] ? events.EndObject(counts[top]) : events.EndArray(counts[top]))) return false;
        --depth;
      }
    }
  }

 private:
  void SkipBlanks() {
    while (at_ != end_ && IsBlank(*at_)) ++at_;
  }

  bool Literal(const char* word) {
    const std::size_t n = std::strlen(word);
    if (static_cast<std::size_t>(end_ - at_) < n || std::memcmp(at_, word, n) != 0) return false;
    at_ += n;
    return true;
  }

  // -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?
  bool Number() {
    if (at_ != end_ && *at_ == '-') ++at_;
    if (at_ == end_ || !IsDigit(*at_)) return false;
    if (*at_ == '0') {
      ++at_;
    } else {
      while (at_ != end_ && IsDigit(*at_)) ++at_;
    }
    if (at_ != end_ && *at_ == '.') {
      ++at_;
      if (at_ == end_ || !IsDigit(*at_)) return false;
      while (at_ != end_ && IsDigit(*at_)) ++at_;
    }
    if (at_ != end_ && (*at_ == 'e' || *at_ == 'E')) {
      ++at_;
      if (at_ != end_ && (*at_ == '+' || *at_ == '-')) ++at_;
      if (at_ == end_ || !IsDigit(*at_)) return false;
      while (at_ != end_ && IsDigit(*at_)) ++at_;
    }
    return true;
  }

  // An object's member name and its colon; the value follows.
  template <class Handler>
  bool MemberKey(Handler& events) {
    std::string_view key;
    if (at_ == end_ || *at_ != '"' || !StringAt(key)) return false;
    if (!events.Key(key.data(), static_cast<unsigned>(key.size()), true)) return false;
    SkipBlanks();
    if (at_ == end_ || *at_ != ':') return false;
    ++at_;
    SkipBlanks();
    return true;
  }

  // The string starting at the quote under the cursor, its escapes decoded
  // (into scratch_ when it has any).
  bool StringAt(std::string_view& out) {
    const char* start = ++at_;
    at_ += PlainRun(at_, static_cast<std::size_t>(end_ - at_));
    if (at_ == end_) return false;
    if (*at_ == '"') {
      out = std::string_view(start, static_cast<std::size_t>(at_ - start));
      ++at_;
      return true;
    }
    if (*at_ != '\\') return false;  // a raw control character
    scratch_.assign(start, at_);
    while (at_ != end_) {
      const char c = *at_++;
      if (c == '"') {
        out = scratch_;
        return true;
      }
      if (static_cast<unsigned char>(c) < 0x20) return false;
      if (c != '\\') {
        scratch_ += c;
        continue;
      }
      if (at_ == end_) return false;
      switch (*at_++) {
        case '"': scratch_ += '"'; break;
        case '\\': scratch_ += '\\'; break;
        case '/': scratch_ += '/'; break;
        case 'b': scratch_ += '\b'; break;
        case 'f': scratch_ += '\f'; break;
        case 'n': scratch_ += '\n'; break;
        case 'r': scratch_ += '\r'; break;
        case 't': scratch_ += '\t'; break;
        case 'u': {
          if (end_ - at_ < 4) return false;
          unsigned code = 0;
          for (int i = 0; i < 4; ++i) {
            const int digit = HexValue(at_[i]);
            if (digit < 0) return false;
            code = code * 16 + static_cast<unsigned>(digit);
          }
          at_ += 4;
          if (code >= 0xD800 && code <= 0xDFFF) return false;  // a surrogate: not read here
          if (code < 0x80) {
            scratch_ += static_cast<char>(code);
          } else if (code < 0x800) {
            scratch_ += static_cast<char>(0xC0 | (code >> 6));
            scratch_ += static_cast<char>(0x80 | (code & 0x3F));
          } else {
            scratch_ += static_cast<char>(0xE0 | (code >> 12));
            scratch_ += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            scratch_ += static_cast<char>(0x80 | (code & 0x3F));
          }
          break;
        }
        default: return false;
      }
    }
    return false;
  }

  const char* at_;
  const char* end_;
  std::string scratch_;
};

}  // namespace json_scan

template <class Handler>
bool ScanJson(std::string_view text, Handler& events) {
  return json_scan::Scanner(text).Run(events);
}

}  // namespace plat
