#include "desktop/colours.h"

#include <array>

namespace desk {

namespace {

struct RoleRow {
  const char* role;
  QRgb colour;
};

constexpr std::array kRoles = {
    RoleRow{"input", qRgb(0xFF, 0xFF, 0xE1)},     // typing: a light yellow highlight
    RoleRow{"readonly", qRgb(0xEC, 0xE9, 0xD8)},  // read-only: neutral
    RoleRow{"menu", qRgb(0xF0, 0xF0, 0xF0)},      // the menu colour
};

}  // namespace

std::optional<QColor> RoleColour(const std::string& role) {
  for (const RoleRow& row : kRoles)
    if (role == row.role) return QColor(row.colour);
  return std::nullopt;
}

}  // namespace desk
