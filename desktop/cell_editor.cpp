#include "desktop/cell_editor.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>

#include "desktop/grid_delegate.h"
#include "desktop/grid_model.h"
#include "desktop/grid_view.h"
#include "desktop/qt_text.h"
#include "platform/data/field.h"

namespace desk {

CellEditor::CellEditor(GridView& view) : QLineEdit(view.viewport()), view_(view) {
  setObjectName("CellEditor");
  setFrame(false);
  // Pasting by menu or dropping text would pass by the key-press handler.
  setContextMenuPolicy(Qt::NoContextMenu);
  setDragEnabled(false);
  setAcceptDrops(false);
  hide();
}

QRect CellEditor::CellArea() const {
  QRect cell = view_.visualRect(view_.Model().index(row_, column_));
  if (ButtonOf(view_.Grid(), column_) != CellButton::None) cell.setRight(ButtonRect(cell).left() - 1);
  return cell;
}

void CellEditor::Open(const QPoint* clickedAt) {
  plat::TDBGrid& grid = view_.Grid();
  row_ = grid.Row();
  column_ = grid.SelectedIndex();
  plat::TField* field = grid.SelectedField();
  int size = field && field->DataType() == plat::FieldType::String ? field->Size() : 0;
  setMaxLength(size > 0 && field->EditMask().empty() ? size : 32767);
  setText(ToQt(grid.EditorText()));
  setGeometry(CellArea());
  show();
  setFocus(Qt::OtherFocusReason);
  if (clickedAt)
    setCursorPosition(cursorPositionAt(*clickedAt - pos()));
  else
    end(false);
}

void CellEditor::Close() {
  if (!isVisible()) return;
  // The focus back to the grid first: hiding a focused widget would have Qt
  // pass the focus on, which a table view does by a Tab of its own.
  if (hasFocus()) view_.setFocus(Qt::OtherFocusReason);
  hide();
  row_ = column_ = -1;
}

void CellEditor::Follow() {
  if (!isVisible() || handing_) return;
  plat::TDBGrid& grid = view_.Grid();
  if (grid.Row() != row_ || grid.SelectedIndex() != column_ || !grid.CanEditCell()) {
    Close();
    return;
  }
  QString text = ToQt(grid.EditorText());
  if (this->text() != text) setText(text);
  setGeometry(CellArea());
}

bool CellEditor::Filter(char32_t& key) {
  plat::TDBGrid& grid = view_.Grid();
  return view_.Run([&](plat::TUserActions& actions) { return actions.GridFilterKey(grid, key); }) ==
         plat::ActionResult::Done;
}

// Typed or pasted text: each character through the key-press handler (an
// error or abort there stops the rest), then into the text at the caret.
void CellEditor::Insert(const QString& typed) {
  QString accepted;
  for (char32_t key : typed.toUcs4()) {
    if (key < 0x20) continue;  // line breaks and tabs of pasted text
    if (!Filter(key)) break;
    if (key != 0) accepted += QString::fromUcs4(&key, 1);
  }
  if (accepted.isEmpty()) return;
  insert(accepted);
  Hand();
}

// The text as it now stands becomes the grid's pending cell text.
void CellEditor::Hand() {
  plat::TDBGrid& grid = view_.Grid();
  std::string text = FromQt(this->text());
  if (text == grid.EditorText()) return;
  int caret = cursorPosition();
  // Putting the data set into edit reloads the cell first; the editor keeps
  // its text and caret meanwhile.
  handing_ = true;
  plat::ActionResult result =
      view_.Run([&](plat::TUserActions& actions) { return actions.GridSetEditorText(grid, text); });
  handing_ = false;
  view_.Model().Sync();
  if (result != plat::ActionResult::Done && isVisible()) {
    setText(ToQt(grid.EditorText()));
    setCursorPosition(std::min(caret, static_cast<int>(this->text().size())));
  }
}

bool CellEditor::event(QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
      Key(key);
      return true;
    }
  }
  return QLineEdit::event(event);
}

void CellEditor::Key(QKeyEvent* event) {
  const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
  if (event->matches(QKeySequence::Paste)) {
    Insert(QApplication::clipboard()->text());
    return;
  }
  if (event->matches(QKeySequence::Cut)) {
    if (hasSelectedText()) {
      copy();
      del();
      Hand();
    }
    return;
  }
  if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::SelectAll)) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  const bool plain = !(mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right: {
      // At the ends of the text (nothing selected) the arrow moves to the
      // next column, as the grid's own arrow does.
      bool atEnd = event->key() == Qt::Key_Left ? cursorPosition() == 0 : cursorPosition() == text().size();
      if (!(atEnd && !hasSelectedText() && mods == Qt::NoModifier)) {
        QLineEdit::keyPressEvent(event);
        return;
      }
      break;
    }
    case Qt::Key_Home:
    case Qt::Key_End:
      if (!(mods & Qt::ControlModifier)) {  // Ctrl+Home and Ctrl+End go to the first and last row
        QLineEdit::keyPressEvent(event);
        return;
      }
      break;
    case Qt::Key_Delete:
      if (mods == Qt::NoModifier || mods == Qt::ShiftModifier) {
        QLineEdit::keyPressEvent(event);
        Hand();
        return;
      }
      break;
    case Qt::Key_Backspace:
      if (plain) {
        char32_t key = U'\b';
        if (Filter(key) && key == U'\b') {
          QLineEdit::keyPressEvent(event);
          Hand();
        }
        return;
      }
      break;
    default:
      break;
  }
  QString text = event->text();
  if (plain && !text.isEmpty() && text.at(0).isPrint()) {
    Insert(text);
    return;
  }
  view_.GridKeyPress(event);
}

void CellEditor::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // Into the grid's own view is still the grid; anywhere else closes it.
  QWidget* now = QApplication::focusWidget();
  if (now != &view_ && isVisible()) Close();
}

}  // namespace desk
