// The colour roles of the headless controls on screen: one colour for
// fields to type in, one neutral colour for read-only fields, the menu
// colour of the number edits.
#pragma once

#include <QColor>
#include <optional>
#include <string>

namespace desk {

// The background of the role, or none for the default look.
std::optional<QColor> RoleColour(const std::string& role);

}  // namespace desk
