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
  enum class Result { Done, More, Failed };

  explicit Scanner(std::string_view text) : at_(text.data()), end_(text.data() + text.size()) {}
  Scanner() = default;

  template <class Handler>
  bool Run(Handler& events) {
    return Resume(events, true) == Result::Done;
  }

  // Scans the next part of a text that arrives in parts: each call takes
  // the text that follows the part of the last call. A part that is not
  // the final one must end with a blank, so that no token is cut; More then
  // means that the text is well formed up to its end.
  template <class Handler>
  Result Scan(std::string_view part, bool final, Handler& events) {
    if (!final && (part.empty() || !IsBlank(part.back()))) return Result::Failed;
    at_ = part.data();
    end_ = part.data() + part.size();
    return Resume(events, final);
  }

 private:
  // Where the scan stands between two tokens.
  enum class Next { Value, AfterValue, Key, Colon };

  template <class Handler>
  Result Resume(Handler& events, bool final) {
    // The scan's place in locals while it runs, kept at its end.
    Next next = next_;
    bool opened = opened_;
    int depth = depth_;
    auto stop = [&](Result result) {
      next_ = next;
      opened_ = opened;
      depth_ = depth;
      return result;
    };
    // Ends the innermost container at its closing bracket, under the cursor.
    auto close = [&](unsigned count) {
      const bool object = isObject_[--depth];
      ++at_;
      opened = false;
      next = Next::AfterValue;
      return object ? events.EndObject(count) : events.EndArray(count);
    };
    const Result more = final ? Result::Failed : Result::More;
    for (;;) {
      SkipBlanks();
      switch (next) {
        case Next::Key: {
          // An object's member name, or the end of an object just opened.
          if (at_ == end_) return stop(more);
          if (opened && *at_ == '}') {
            if (!close(0)) return Result::Failed;
            continue;
          }
          opened = false;
          std::string_view key;
          if (*at_ != '"' || !StringAt(key) || !events.Key(key.data(), static_cast<unsigned>(key.size()), true))
            return Result::Failed;
          next = Next::Colon;
          continue;
        }
        case Next::Colon:
          if (at_ == end_) return stop(more);
          if (*at_ != ':') return Result::Failed;
          ++at_;
          next = Next::Value;
          continue;
        case Next::Value:
          if (at_ == end_) return stop(more);
          if (opened && *at_ == ']') {  // the end of an array just opened
            if (!close(0)) return Result::Failed;
            continue;
          }
          opened = false;
          switch (*at_) {
            case '{':
            case '[': {
              const bool object = *at_++ == '{';
              if (depth == kMaxDepth || !(object ? events.StartObject() : events.StartArray())) return Result::Failed;
              isObject_[depth] = object;
              counts_[depth++] = 0;
              opened = true;
              next = object ? Next::Key : Next::Value;
              continue;
            }
            case '"': {
              std::string_view text;
              if (!StringAt(text) || !events.String(text.data(), static_cast<unsigned>(text.size()), true))
                return Result::Failed;
              break;
            }
            case 'n':
              if (!Literal("null") || !events.Null()) return Result::Failed;
              break;
            case 't':
              if (!Literal("true") || !events.Bool(true)) return Result::Failed;
              break;
            case 'f':
              if (!Literal("false") || !events.Bool(false)) return Result::Failed;
              break;
            default: {
              const char* start = at_;
              if (!Number() || !events.RawNumber(start, static_cast<unsigned>(at_ - start), false))
                return Result::Failed;
            }
          }
          next = Next::AfterValue;
          continue;
        case Next::AfterValue: {
          // The next value of the container, or the container's end.
          if (depth == 0) return stop(at_ != end_ ? Result::Failed : final ? Result::Done : Result::More);
          if (at_ == end_) return stop(more);
          const int top = depth - 1;
          if (*at_ == ',') {
            ++at_;
            ++counts_[top];
            next = isObject_[top] ? Next::Key : Next::Value;
            continue;
          }
          if (*at_ != (isObject_[top] ? '}' : ']') || !close(counts_[top] + 1)) return Result::Failed;
          continue;
        }
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
        case '"':
          scratch_ += '"';
          break;
        case '\\':
          scratch_ += '\\';
          break;
        case '/':
          scratch_ += '/';
          break;
        case 'b':
          scratch_ += '\b';
          break;
        case 'f':
          scratch_ += '\f';
          break;
        case 'n':
          scratch_ += '\n';
          break;
        case 'r':
          scratch_ += '\r';
          break;
        case 't':
          scratch_ += '\t';
          break;
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
        default:
          return false;
      }
    }
    return false;
  }

  const char* at_ = nullptr;
  const char* end_ = nullptr;
  std::string scratch_;
  // Between calls of Scan: where it stands, and the containers open,
  // innermost last (true for an object) with their members or elements
  // before the last one.
  Next next_ = Next::Value;
  bool opened_ = false;  // a container was opened just before
  int depth_ = 0;
  bool isObject_[kMaxDepth] = {};
  unsigned counts_[kMaxDepth] = {};
};

}  // namespace json_scan

template <class Handler>
bool ScanJson(std::string_view text, Handler& events) {
  return json_scan::Scanner(text).Run(events);
}

}  // namespace plat
