// The pictures of the command buttons, chosen by the button's name (the
// toolbar's record commands, the screen's own buttons, the search buttons)
// from the style's standard icons, with a plainly grey picture for a
// disabled command; a button without one shows a letter.
#pragma once

#include <QIcon>
#include <QString>
#include <string>

class QStyle;

namespace desk {

// The icon for the named command, or a null icon when it has none.
QIcon CommandIcon(const std::string& name, const QStyle& style);
// The letter a button without an icon shows: the first of its hint.
QString CommandLetter(const std::string& hint);

}  // namespace desk
