#include "desktop/text_views.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QToolButton>
#include <algorithm>

#include "desktop/qt_text.h"
#include "desktop/text_access.h"
#include "platform/data/format.h"

namespace desk {

namespace {

// Replaces the widget's text only when it differs, keeping the cursor, or
// the whole text selected when it was (an edit entered by Tab shows its
// field in its edit format and stays selected, so a key replaces it).
void SetEditText(QLineEdit& edit, const QString& text) {
  if (edit.text() == text) return;
  const bool allSelected = !edit.text().isEmpty() && edit.selectedText() == edit.text();
  int cursor = edit.cursorPosition();
  edit.setText(text);
  if (allSelected)
    edit.selectAll();
  else
    edit.setCursorPosition(std::min(cursor, static_cast<int>(text.size())));
}

constexpr int kCalendarButtonWidth = 18;

}  // namespace

// ---- one-line edit ----------------------------------------------------------

LineEditView::LineEditView(plat::TControl& control, ViewContext& context, QWidget* parent)
    : LineEditView(control, context, nullptr, new QLineEdit(parent)) {}

LineEditView::LineEditView(plat::TControl& control, ViewContext& context, QWidget* outer, QLineEdit* edit)
    : ControlView(control, context, outer ? outer : edit), edit_(edit) {
  edit_->setFrame(true);
  Connect();
}

void LineEditView::Connect() {
  QObject::connect(edit_, &QLineEdit::textEdited, edit_, [this](const QString& text) { Type(FromQt(text)); });
}

QWidget* LineEditView::FocusWidget() const { return edit_; }

void LineEditView::SyncContent() {
  edit_->setReadOnly(IsReadOnly(Control()));
  edit_->setPalette(Widget()->palette());
  SetEditText(*edit_, ToQt(ShownText(Control())));
}

void LineEditView::Type(const std::string& text) {
  plat::TControl& control = Control();
  if (!Context().MayAct(control)) {
    Sync();
    return;
  }
  // The first key puts the record into edit, which shows the stored text on
  // the way: the caret goes back where the user left it once the edit
  // shows what was typed.
  const int caret = edit_->cursorPosition();
  Act([&control, &text](plat::TUserActions& actions) { return actions.Type(control, text); });
  if (FromQt(edit_->text()) == text) edit_->setCursorPosition(caret);
}

// ---- date edit -----------------------------------------------------------------

DateEditView::DateEditView(plat::TControl& control, ViewContext& context, QWidget* parent)
    : LineEditView(control, context, new QWidget(parent), new QLineEdit) {
  QWidget* outer = Widget();
  Edit()->setParent(outer);
  outer->setFocusProxy(Edit());
  auto* button = new QToolButton(outer);
  button->setObjectName(outer->objectName() + "Calendar");
  button->setText(QStringLiteral("▾"));
  button->setFocusPolicy(Qt::NoFocus);
  button->setToolTip(QStringLiteral("Calendário"));
  button_ = button;
  calendar_ = new QCalendarWidget(outer);
  calendar_->setWindowFlags(Qt::Popup);
  calendar_->setGridVisible(true);
  QObject::connect(button, &QToolButton::clicked, outer, [this] { OpenCalendar(); });
  QObject::connect(calendar_, &QCalendarWidget::clicked, outer, [this](QDate date) { PickDate(date); });
  QObject::connect(calendar_, &QCalendarWidget::activated, outer, [this](QDate date) { PickDate(date); });
}

void DateEditView::SyncContent() {
  int width = Control().Width, height = Control().Height;
  Edit()->setGeometry(0, 0, std::max(0, width - kCalendarButtonWidth), height);
  button_->setGeometry(width - kCalendarButtonWidth, 0, kCalendarButtonWidth, height);
  button_->setEnabled(!IsReadOnly(Control()));
  LineEditView::SyncContent();
}

void DateEditView::OpenCalendar() {
  plat::DateTime shown;
  QDate date = QDate::currentDate();
  if (plat::TryStrToDate(ShownText(Control()), shown)) {
    plat::DateParts parts = shown.Parts();
    date = QDate(parts.year, parts.month, parts.day);
  }
  calendar_->setSelectedDate(date);
  calendar_->adjustSize();
  calendar_->move(Widget()->mapToGlobal(QPoint(0, Widget()->height())));
  calendar_->show();
  calendar_->setFocus(Qt::PopupFocusReason);
}

void DateEditView::PickDate(const QDate& date) {
  calendar_->hide();
  if (!date.isValid()) return;
  // As if typed: the edit takes the focus first when it had not.
  plat::TControl& edit = Control();
  std::string text = plat::DateToStr(plat::DateTime::FromDate(date.year(), date.month(), date.day()));
  Act([&edit, &text](plat::TUserActions& actions) { return actions.Type(edit, text); });
}

// ---- rich text -------------------------------------------------------------------

RichEditView::RichEditView(plat::TControl& control, ViewContext& context, QWidget* parent)
    : ControlView(control, context, new QTextEdit(parent)), edit_(static_cast<QTextEdit*>(Widget())) {
  edit_->setAcceptRichText(false);
  QObject::connect(edit_, &QTextEdit::textChanged, edit_, [this] {
    if (syncing_) return;
    plat::TControl& edited = Control();
    std::string text = FromQt(edit_->toPlainText());
    if (!Context().MayAct(edited)) {
      Sync();
      return;
    }
    // The typing may redraw the box on the way (the record going into edit
    // shows the stored text first): the caret goes back where the user left
    // it once the box shows what was typed.
    const int caret = edit_->textCursor().position();
    Act([&edited, &text](plat::TUserActions& actions) { return actions.Type(edited, text); });
    if (FromQt(edit_->toPlainText()) != text) return;
    QTextCursor back = edit_->textCursor();
    back.setPosition(std::min(caret, static_cast<int>(edit_->toPlainText().size())));
    edit_->setTextCursor(back);
  });
}

void RichEditView::SyncContent() {
  edit_->setReadOnly(IsReadOnly(Control()));
  QString text = ToQt(ShownText(Control()));
  if (edit_->toPlainText() == text) return;
  syncing_ = true;
  int cursor = edit_->textCursor().position();
  edit_->setPlainText(text);
  QTextCursor moved = edit_->textCursor();
  moved.setPosition(std::min(cursor, static_cast<int>(text.size())));
  edit_->setTextCursor(moved);
  syncing_ = false;
}

// ---- data label ---------------------------------------------------------------------

DataLabelView::DataLabelView(plat::TControl& control, ViewContext& context, QWidget* parent)
    : ControlView(control, context, new QLabel(parent)), label_(static_cast<QLabel*>(Widget())) {
  label_->setTextFormat(Qt::PlainText);
}

void DataLabelView::SyncContent() { label_->setText(ToQt(ShownText(Control()))); }

}  // namespace desk
