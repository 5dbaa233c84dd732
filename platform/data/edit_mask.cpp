#include <vector>

#include "platform/data/cp1252.h"
#include "platform/data/format.h"

namespace plat {

namespace {

enum class CaseRule { Keep, Upper, Lower };

// One position of a mask: a literal shown as it stands, or a place for one
// character of the value.
struct MaskSlot {
  bool input = false;
  char32_t literal = 0;  // the literal shown, or the mask character of an input position
  CaseRule caseRule = CaseRule::Keep;
};

bool IsLetter(char32_t c) {
  return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xFF && c != 0xD7 && c != 0xF7);
}

bool IsDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

// Whether a typed character fits the class of its input position.
bool FitsSlot(char32_t c, char32_t slot) {
  switch (slot) {
    case U'9':
    case U'0':
      return IsDigit(c);
    case U'#':
      return IsDigit(c) || c == U'+' || c == U'-';
    case U'L':
    case U'l':
      return IsLetter(c);
    case U'A':
    case U'a':
      return IsLetter(c) || IsDigit(c);
    default:
      return true;  // 'C', 'c': any character
  }
}

bool IsInputChar(char32_t c) {
  return c == U'9' || c == U'0' || c == U'L' || c == U'l' || c == U'A' || c == U'a' || c == U'C' || c == U'c' ||
         c == U'#';
}

std::vector<MaskSlot> MaskSlots(std::string_view mask) {
  const std::u32string cps = ToCodePoints(mask);
  std::vector<MaskSlot> slots;
  CaseRule caseRule = CaseRule::Keep;
  for (std::size_t i = 0; i < cps.size(); ++i) {
    const char32_t c = cps[i];
    if (c == U'!') continue;
    if (c == U'>') {
      caseRule = CaseRule::Upper;
    } else if (c == U'<') {
      const bool off = i + 1 < cps.size() && cps[i + 1] == U'>';
      caseRule = off ? CaseRule::Keep : CaseRule::Lower;
      i += off ? 1 : 0;
    } else if (c == U'\\') {
      if (i + 1 < cps.size()) slots.push_back({false, cps[++i], caseRule});
    } else {
      slots.push_back({IsInputChar(c), c, caseRule});
    }
  }
  return slots;
}

// Case change of ASCII and Latin-1 letters, which is what code page 1252
// fields hold in practice.
char32_t ApplyCase(char32_t c, CaseRule rule) {
  const bool lower = (c >= U'a' && c <= U'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7);
  const bool upper = (c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
  if (rule == CaseRule::Upper && lower) return c - 0x20;
  if (rule == CaseRule::Lower && upper) return c + 0x20;
  return c;
}

// Index of the first ';' that is not escaped by '\', or npos.
std::size_t FindSeparator(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\') {
      ++i;
    } else if (text[i] == ';') {
      return i;
    }
  }
  return std::string_view::npos;
}

}  // namespace

EditMask EditMask::Parse(std::string_view text) {
  EditMask em;
  const std::size_t maskEnd = FindSeparator(text);
  em.mask = std::string(text.substr(0, maskEnd));
  if (maskEnd == std::string_view::npos) return em;
  const std::string_view rest = text.substr(maskEnd + 1);
  const std::size_t saveEnd = rest.find(';');
  em.saveLiterals = rest.substr(0, saveEnd) != "0";
  if (saveEnd != std::string_view::npos) {
    const std::u32string blank = ToCodePoints(rest.substr(saveEnd + 1));
    if (!blank.empty()) em.blank = blank.front();
  }
  return em;
}

std::string FormatMaskText(std::string_view editMask, std::string_view value) {
  const EditMask em = EditMask::Parse(editMask);
  if (em.Empty()) return std::string(value);
  const std::u32string chars = ToCodePoints(value);
  std::u32string out;
  std::size_t next = 0;
  for (const MaskSlot& slot : MaskSlots(em.mask)) {
    // A value stored with its literals has a character for every position.
    const bool consumes = slot.input || em.saveLiterals;
    const bool available = consumes && next < chars.size();
    if (!slot.input) {
      out += slot.literal;
    } else {
      out += available ? ApplyCase(chars[next], slot.caseRule) : em.blank;
    }
    if (available) ++next;
  }
  return FromCodePoints(out);
}

std::string MaskedTextToValue(std::string_view editMask, std::string_view text) {
  const EditMask em = EditMask::Parse(editMask);
  if (em.Empty()) return std::string(text);
  const std::u32string chars = ToCodePoints(text);
  const std::vector<MaskSlot> slots = MaskSlots(em.mask);
  std::u32string out;
  bool anyFilled = false;
  for (std::size_t i = 0; i < slots.size() && i < chars.size(); ++i) {
    const bool filled = slots[i].input && chars[i] != em.blank;
    anyFilled = anyFilled || filled;
    if (filled) {
      out += chars[i];
    } else if (em.saveLiterals) {
      out += slots[i].input ? U' ' : chars[i];
    }
  }
  if (!anyFilled) return {};
  while (!out.empty() && out.back() == U' ') out.pop_back();
  return FromCodePoints(out);
}

std::string ApplyMaskCase(std::string_view editMask, std::string_view text) {
  const EditMask em = EditMask::Parse(editMask);
  if (em.Empty()) return std::string(text);
  std::u32string chars = ToCodePoints(text);
  const std::vector<MaskSlot> slots = MaskSlots(em.mask);
  for (std::size_t i = 0; i < slots.size() && i < chars.size(); ++i)
    if (slots[i].input) chars[i] = ApplyCase(chars[i], slots[i].caseRule);
  return FromCodePoints(chars);
}

bool MaskAccepts(std::string_view editMask, std::string_view text) {
  const EditMask em = EditMask::Parse(editMask);
  if (em.Empty()) return true;
  const std::u32string chars = ToCodePoints(text);
  const std::vector<MaskSlot> slots = MaskSlots(em.mask);
  for (std::size_t i = 0; i < slots.size() && i < chars.size(); ++i) {
    const char32_t c = chars[i];
    if (slots[i].input && c != em.blank && c != U' ' && !FitsSlot(c, slots[i].literal)) return false;
  }
  return true;
}

}  // namespace plat
