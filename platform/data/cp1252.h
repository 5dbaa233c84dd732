// Text rules of single-byte fields: the screen's text lives in UTF-8, but a
// text(n) field holds Windows-1252 characters only, at most n of them.
//
// Every routine reading UTF-8 throws EConvertError for malformed UTF-8
// (bad or overlong sequences, surrogates).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace plat {

// Number of characters (code points) in a UTF-8 text. Throws EConvertError
// for malformed UTF-8.
std::size_t CharCount(std::string_view utf8);
// True when the text is well-formed UTF-8 (what CharCount takes without throwing).
bool IsUtf8(std::string_view utf8);
// The byte offset where the first malformed sequence starts, or npos when
// the text is well-formed UTF-8.
std::size_t FirstMalformedUtf8(std::string_view utf8);
// The text with every malformed sequence replaced by '?': always writable.
std::string WellFormedUtf8(std::string_view utf8);

// True when every character of the UTF-8 text exists in code page 1252.
bool FitsCp1252(std::string_view utf8);

// The first character of the text that code page 1252 cannot hold, as UTF-8,
// or an empty string when there is none.
std::string FirstNonCp1252(std::string_view utf8);

// The UTF-8 text converted to code page 1252 bytes; throws EConvertError for a
// character the code page lacks. And back; FromCp1252 throws for the five
// bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D).
std::string ToCp1252(std::string_view utf8);
std::string FromCp1252(std::string_view bytes);

// Splits a UTF-8 text into its characters (each one a UTF-8 sequence).
std::u32string ToCodePoints(std::string_view utf8);
// Throws EConvertError for a surrogate or a value above U+10FFFF.
std::string FromCodePoints(std::u32string_view cps);

}  // namespace plat
