#include "host/scripted/scenario_tokens.h"

namespace hostapp {

namespace {

bool Blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

}  // namespace

bool Token::Matches(std::string_view actual) const {
  return contains ? actual.find(text) != std::string_view::npos : actual == text;
}

std::string Trim(std::string_view text) {
  std::size_t first = 0, last = text.size();
  while (first < last && Blank(text[first])) ++first;
  while (last > first && Blank(text[last - 1])) --last;
  return std::string(text.substr(first, last - first));
}

std::string ReadQuoted(std::string_view text, std::size_t& pos) {
  std::string value;
  for (++pos; pos < text.size(); ++pos) {
    char c = text[pos];
    if (c == '"') {
      ++pos;
      return value;
    }
    if (c != '\\') {
      value += c;
      continue;
    }
    if (++pos == text.size()) break;
    switch (text[pos]) {
      case '"':
        value += '"';
        break;
      case '\\':
        value += '\\';
        break;
      case 'n':
        value += '\n';
        break;
      case 'r':
        value += '\r';
        break;
      case 't':
        value += '\t';
        break;
      default:
        throw SyntaxError(std::string("unknown escape \\") + text[pos] + " in a quoted text");
    }
  }
  throw SyntaxError("a quoted text is not closed");
}

std::vector<Token> Tokenize(std::string_view line) {
  std::vector<Token> tokens;
  std::size_t pos = 0;
  while (true) {
    while (pos < line.size() && Blank(line[pos])) ++pos;
    if (pos == line.size() || line[pos] == '#') break;
    Token token;
    if (line[pos] == '~' && pos + 1 < line.size() && line[pos + 1] == '"') {
      token.contains = true;
      ++pos;
    }
    if (line[pos] == '"') {
      token.quoted = true;
      token.text = ReadQuoted(line, pos);
      if (pos < line.size() && !Blank(line[pos]))
        throw SyntaxError("a quoted text must be followed by a blank, not '" + std::string(1, line[pos]) + "'");
    } else {
      std::size_t start = pos;
      while (pos < line.size() && !Blank(line[pos])) {
        if (line[pos] == '"') throw SyntaxError("a quote inside a word; quote the whole word");
        ++pos;
      }
      token.text = std::string(line.substr(start, pos - start));
    }
    tokens.push_back(std::move(token));
  }
  return tokens;
}

std::vector<Token> SplitCells(std::string_view text) {
  std::vector<Token> cells;
  std::size_t pos = 0;
  while (true) {
    while (pos < text.size() && Blank(text[pos])) ++pos;
    Token cell;
    if (pos < text.size() && text[pos] == '"') {
      cell.quoted = true;
      cell.text = ReadQuoted(text, pos);
      while (pos < text.size() && Blank(text[pos])) ++pos;
      if (pos < text.size() && text[pos] != '|')
        throw SyntaxError("a quoted cell must be followed by a bar or the end of the line");
    } else {
      std::size_t start = pos;
      while (pos < text.size() && text[pos] != '|') {
        if (text[pos] == '"') throw SyntaxError("a quote inside a cell; quote the whole cell");
        ++pos;
      }
      cell.text = Trim(text.substr(start, pos - start));
    }
    bool atEnd = pos >= text.size();
    if (!(atEnd && !cell.quoted && cell.text.empty() && !cells.empty())) cells.push_back(std::move(cell));
    if (atEnd) break;
    ++pos;                          // the bar
    if (pos >= text.size()) break;  // a closing bar
  }
  return cells;
}

std::string Quote(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        out += c;
    }
  }
  return out + "\"";
}

}  // namespace hostapp
