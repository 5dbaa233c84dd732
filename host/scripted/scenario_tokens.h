// Scenario tokens: the words of a scenario line. Words are separated by
// blanks; a double-quoted word may hold blanks and the escapes \" \\ \n \r
// \t; a word written ~"..." asks for a text that contains the quoted one
// rather than equals it. An unquoted word starting with # begins a comment.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace hostapp {

struct Token {
  std::string text;
  bool quoted = false;
  bool contains = false;  // ~"..."

  // Whether an actual text satisfies this token (equal, or containing it).
  bool Matches(std::string_view actual) const;
};

class SyntaxError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Splits a line into tokens, stopping at a comment. Throws SyntaxError for an
// unterminated quote or an unknown escape.
std::vector<Token> Tokenize(std::string_view line);

// The cells of a data line (the text after its leading bar): split at bars
// outside quotes, each trimmed; a quoted cell keeps its text as quoted; a
// trailing empty cell after a closing bar is dropped.
std::vector<Token> SplitCells(std::string_view text);

// Reads one quoted word starting at text[pos] == '"'; pos ends after the
// closing quote. Throws SyntaxError.
std::string ReadQuoted(std::string_view text, std::size_t& pos);

// A text as a scenario would write it: quoted, with escapes.
std::string Quote(std::string_view text);

// Removes blanks (spaces, tabs, CR) at both ends.
std::string Trim(std::string_view text);

}  // namespace hostapp
