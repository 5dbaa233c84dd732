#include "desktop/grid_keys.h"

#include <QKeyEvent>
#include <algorithm>

namespace desk {

namespace {

KeyTranslation Taken(std::vector<GridAction> actions = {}) { return {true, std::move(actions), false}; }

KeyTranslation GridKey(plat::GridKey key) { return Taken({GridAction::Press(key)}); }

// The shown column beside the selected one; none at either end.
KeyTranslation SideStep(const GridPosition& at, int delta) {
  const std::vector<int>& shown = at.visibleColumns;
  auto here = std::find(shown.begin(), shown.end(), at.column);
  if (here == shown.end())
    return Taken(shown.empty() ? std::vector<GridAction>{}
                               : std::vector<GridAction>{GridAction::SelectCell(-1, shown.front())});
  auto next = here + delta;
  if (next < shown.begin() || next >= shown.end()) return Taken();
  return Taken({GridAction::SelectCell(-1, *next)});
}

KeyTranslation ToRow(const GridPosition& at, int row) {
  if (at.rowCount == 0) return Taken();
  row = std::clamp(row, 0, at.rowCount - 1);
  return Taken(row == at.row ? std::vector<GridAction>{} : std::vector<GridAction>{GridAction::SelectCell(row, -1)});
}

// Printable characters of the event, each one a key press of the grid.
KeyTranslation Typed(const QKeyEvent& event) {
  if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return {};
  std::vector<GridAction> actions;
  for (char32_t c : event.text().toUcs4())
    if (c >= 0x20 && c != 0x7F) actions.push_back(GridAction::Type(c));
  if (actions.empty()) return {};
  return Taken(std::move(actions));
}

}  // namespace

KeyTranslation TranslateKey(const QKeyEvent& event, const GridPosition& at) {
  const Qt::KeyboardModifiers mods = event.modifiers() & ~Qt::KeypadModifier;
  const bool ctrl = mods & Qt::ControlModifier;
  const bool alt = mods & Qt::AltModifier;
  switch (event.key()) {
    case Qt::Key_Insert:
      return mods == Qt::NoModifier ? GridKey(plat::GridKey::Insert) : KeyTranslation{};
    case Qt::Key_Delete:
      return ctrl ? GridKey(plat::GridKey::CtrlDelete) : KeyTranslation{};
    case Qt::Key_Escape:
      return GridKey(plat::GridKey::Escape);
    case Qt::Key_Tab:
      return ctrl ? KeyTranslation{} : GridKey(plat::GridKey::Tab);
    case Qt::Key_Backtab:
      return ctrl ? KeyTranslation{} : GridKey(plat::GridKey::ShiftTab);
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return ctrl ? Taken({GridAction::ClickEditButton()}) : GridKey(plat::GridKey::Enter);
    case Qt::Key_Up:
      return GridKey(plat::GridKey::Up);
    case Qt::Key_Down:
      if (alt) return {true, {}, true};
      return GridKey(plat::GridKey::Down);
    case Qt::Key_F4:
      return {true, {}, true};
    case Qt::Key_Left:
      return SideStep(at, -1);
    case Qt::Key_Right:
      return SideStep(at, 1);
    case Qt::Key_Home:
      return ctrl ? ToRow(at, 0) : GridKey(plat::GridKey::Home);
    case Qt::Key_End:
      return ctrl ? ToRow(at, at.rowCount - 1) : GridKey(plat::GridKey::End);
    case Qt::Key_PageUp:
      return ToRow(at, at.row - at.pageRows);
    case Qt::Key_PageDown:
      return ToRow(at, at.row + at.pageRows);
    case Qt::Key_Backspace:
      return mods == Qt::NoModifier ? Taken({GridAction::Type(U'\b')}) : KeyTranslation{};
    default:
      return Typed(event);
  }
}

}  // namespace desk
