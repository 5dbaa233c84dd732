#include "platform/data/cp1252.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "platform/data/errors.h"

namespace plat {

namespace {

// Characters of bytes 0x80-0x9F; zero marks the five bytes the code page
// leaves undefined. All other bytes stand for the code point of their value.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,       // 88-8F
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,  // 98-9F
};

// The byte for a code point, or -1 when code page 1252 lacks it.
int Cp1252Byte(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (int i = 0; i < 32; ++i) {
    if (kHighControls[i] != 0 && kHighControls[i] == cp) return 0x80 + i;
  }
  return -1;
}

EConvertError Malformed(std::size_t offset) {
  return EConvertError("The text is not valid UTF-8 (at byte " + std::to_string(offset + 1) + ")");
}

// Decodes the character at `pos` and advances past it; throws for malformed,
// overlong or surrogate sequences.
char32_t DecodeNext(std::string_view utf8, std::size_t& pos) {
  const std::size_t start = pos;
  const auto lead = static_cast<unsigned char>(utf8[pos++]);
  if (lead < 0x80) return lead;
  int extra = 0;
  char32_t cp = 0;
  char32_t minimum = 0;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1, cp = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, cp = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, cp = lead & 0x07, minimum = 0x10000;
  } else {
    throw Malformed(start);
  }
  for (int i = 0; i < extra; ++i) {
    if (pos >= utf8.size()) throw Malformed(start);
    const auto next = static_cast<unsigned char>(utf8[pos++]);
    if ((next & 0xC0) != 0x80) throw Malformed(start);
    cp = (cp << 6) | (next & 0x3F);
  }
  if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) throw Malformed(start);
  return cp;
}

void Encode(char32_t cp, std::string& out) {
  if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "U+%04X", static_cast<unsigned>(cp));
    throw EConvertError(std::string("The code point ") + hex + " is not a character");
  }
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// The position of the first byte at or after `pos` that is not ASCII (or
// the end): most texts are ASCII throughout, and eight bytes are looked at
// at once.
std::size_t SkipAscii(std::string_view utf8, std::size_t pos) {
  while (pos + 8 <= utf8.size()) {
    uint64_t word;
    std::memcpy(&word, utf8.data() + pos, 8);
    if (word & 0x8080808080808080ull) break;
    pos += 8;
  }
  while (pos < utf8.size() && static_cast<unsigned char>(utf8[pos]) < 0x80) ++pos;
  return pos;
}

}  // namespace

std::size_t CharCount(std::string_view utf8) {
  std::size_t count = 0;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const std::size_t ascii = SkipAscii(utf8, pos);
    count += ascii - pos;
    pos = ascii;
    if (pos < utf8.size()) {
      DecodeNext(utf8, pos);
      ++count;
    }
  }
  return count;
}

bool IsUtf8(std::string_view utf8) {
  try {
    for (std::size_t pos = SkipAscii(utf8, 0); pos < utf8.size(); pos = SkipAscii(utf8, pos)) DecodeNext(utf8, pos);
  } catch (const EConvertError&) {
    return false;
  }
  return true;
}

std::size_t FirstMalformedUtf8(std::string_view utf8) {
  std::size_t pos = SkipAscii(utf8, 0);
  while (pos < utf8.size()) {
    const std::size_t start = pos;
    try {
      DecodeNext(utf8, pos);
    } catch (const EConvertError&) {
      return start;
    }
    pos = SkipAscii(utf8, pos);
  }
  return std::string_view::npos;
}

std::string WellFormedUtf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) {
    const std::size_t start = pos;
    try {
      DecodeNext(utf8, pos);
      out.append(utf8.substr(start, pos - start));
    } catch (const EConvertError&) {
      out += '?';
      pos = start + 1;
    }
  }
  return out;
}

std::string FirstNonCp1252(std::string_view utf8) {
  for (std::size_t pos = SkipAscii(utf8, 0); pos < utf8.size(); pos = SkipAscii(utf8, pos)) {
    const std::size_t start = pos;
    if (Cp1252Byte(DecodeNext(utf8, pos)) < 0) return std::string(utf8.substr(start, pos - start));
  }
  return {};
}

bool FitsCp1252(std::string_view utf8) { return FirstNonCp1252(utf8).empty(); }

std::string ToCp1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) {
    const std::size_t start = pos;
    const int byte = Cp1252Byte(DecodeNext(utf8, pos));
    if (byte < 0) {
      throw EConvertError("The character '" + std::string(utf8.substr(start, pos - start)) +
                          "' cannot be stored in this field (code page 1252)");
    }
    out += static_cast<char>(byte);
  }
  return out;
}

std::string FromCp1252(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    char32_t cp = byte;
    if (byte >= 0x80 && byte <= 0x9F) {
      cp = kHighControls[byte - 0x80];
      if (cp == 0) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "0x%02X", byte);
        throw EConvertError(std::string("The byte ") + hex + " at position " + std::to_string(i + 1) +
                            " is not a character of code page 1252");
      }
    }
    Encode(cp, out);
  }
  return out;
}

std::u32string ToCodePoints(std::string_view utf8) {
  std::u32string out;
  for (std::size_t pos = 0; pos < utf8.size();) out += DecodeNext(utf8, pos);
  return out;
}

std::string FromCodePoints(std::u32string_view cps) {
  std::string out;
  for (char32_t cp : cps) Encode(cp, out);
  return out;
}

}  // namespace plat
