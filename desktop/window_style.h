// The look the host's window adds to the installed Qt style: a column title
// sorted ascending shows its arrow pointing up and one sorted descending
// pointing down, as users know it from their file managers and spreadsheets
// (Qt's own headers draw it the other way round).
#pragma once

class QApplication;
class QStyle;

namespace desk {

// The window's style over the application's current one; the caller owns it.
QStyle* NewWindowStyle();
// Makes it the application's style (the application owns it then).
void ApplyWindowStyle(QApplication& app);

}  // namespace desk
