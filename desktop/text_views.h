// Views of the text controls: the one-line edit (data-aware or plain), the
// date edit with its calendar, the rich-text editor and the data label.
// Typing is forwarded as typed text; what the control then shows is put back
// into the widget, so a refused keystroke disappears again.
#pragma once

#include <QDate>

#include "desktop/control_view.h"

class QLineEdit;
class QTextEdit;
class QLabel;
class QCalendarWidget;

namespace desk {

class LineEditView : public ControlView {
 public:
  LineEditView(plat::TControl& control, ViewContext& context, QWidget* parent);

  QWidget* FocusWidget() const override;
  QLineEdit* Edit() const { return edit_; }

 protected:
  // A view whose outer widget holds the line edit among other widgets.
  LineEditView(plat::TControl& control, ViewContext& context, QWidget* outer, QLineEdit* edit);
  void SyncContent() override;
  void Type(const std::string& text);

 private:
  void Connect();
  QLineEdit* edit_;
};

// A date edit: the line edit and a button that opens a calendar; a day
// picked there is typed into the edit.
class DateEditView : public LineEditView {
 public:
  DateEditView(plat::TControl& control, ViewContext& context, QWidget* parent);

  QCalendarWidget* Calendar() const { return calendar_; }
  void OpenCalendar();
  void PickDate(const QDate& date);

 protected:
  void SyncContent() override;

 private:
  QWidget* button_;
  QCalendarWidget* calendar_;
};

class RichEditView : public ControlView {
 public:
  RichEditView(plat::TControl& control, ViewContext& context, QWidget* parent);

 protected:
  void SyncContent() override;

 private:
  QTextEdit* edit_;
  bool syncing_ = false;
};

// The read-only data label.
class DataLabelView : public ControlView {
 public:
  DataLabelView(plat::TControl& control, ViewContext& context, QWidget* parent);

 protected:
  void SyncContent() override;

 private:
  QLabel* label_;
};

}  // namespace desk
