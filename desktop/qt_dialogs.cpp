#include "desktop/qt_dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <array>

#include "desktop/qt_text.h"
#include "desktop/search_dialog.h"
#include "platform/data/datasource.h"

namespace desk {

namespace {

// Catalogue texts may end with a line break that a box need not show.
QString MessageText(const std::string& text) {
  QString shown = ToQt(text);
  while (shown.endsWith('\n') || shown.endsWith('\r')) shown.chop(1);
  return shown;
}

struct TypeRow {
  QMessageBox::Icon icon;
  const char* title;
};

// By DialogType: warning, error, information, confirmation, custom.
constexpr std::array<TypeRow, 5> kTypes = {{
    {QMessageBox::Warning, "Aviso"},
    {QMessageBox::Critical, "Erro"},
    {QMessageBox::Information, "Informação"},
    {QMessageBox::Question, "Confirmação"},
    {QMessageBox::NoIcon, "Mensagem"},
}};

struct ButtonRow {
  int flag;
  QMessageBox::StandardButton button;
  int result;
};

constexpr std::array<ButtonRow, 4> kButtons = {{
    {plat::mbYes, QMessageBox::Yes, plat::mrYes},
    {plat::mbNo, QMessageBox::No, plat::mrNo},
    {plat::mbOK, QMessageBox::Ok, plat::mrOk},
    {plat::mbCancel, QMessageBox::Cancel, plat::mrCancel},
}};

QWidget* DialogParent() { return QApplication::activeWindow(); }

}  // namespace

int QtDialogs::MessageDlg(const std::string& text, plat::DialogType type, int buttons, int) {
  const TypeRow& kind = kTypes[std::min(static_cast<std::size_t>(type), kTypes.size() - 1)];
  QMessageBox::StandardButtons shown;
  for (const ButtonRow& row : kButtons)
    if (buttons & row.flag) shown |= row.button;
  if (!shown) shown = QMessageBox::Ok;
  QMessageBox box(kind.icon, QString::fromUtf8(kind.title), MessageText(text), shown, DialogParent());
  box.setObjectName("MessageDialog");
  auto pressed = static_cast<QMessageBox::StandardButton>(box.exec());
  for (const ButtonRow& row : kButtons)
    if (pressed == row.button) return row.result;
  return (buttons & plat::mbCancel) ? plat::mrCancel : (buttons & plat::mbNo) ? plat::mrNo : plat::mrOk;
}

void QtDialogs::ShowError(const std::string& text) {
  QMessageBox box(QMessageBox::Critical, QStringLiteral("Erro"), MessageText(text), QMessageBox::Ok, DialogParent());
  box.setObjectName("ErrorDialog");
  box.exec();
}

bool QtDialogs::Search(plat::TDataSource& source, const std::string& title, const std::string& emptyText) {
  plat::TDataSet* dataSet = source.DataSet();
  if (!dataSet || !dataSet->Active() || dataSet->ViewRowCount() == 0) {
    QMessageBox box(QMessageBox::Information, ToQt(title), MessageText(emptyText), QMessageBox::Ok, DialogParent());
    box.setObjectName("SearchEmptyDialog");
    box.exec();
    return false;
  }
  SearchDialog dialog(*dataSet, ToQt(title), DialogParent());
  if (dialog.exec() != QDialog::Accepted || dialog.PickedRow() < 0) return false;
  dataSet->MoveToViewRow(dialog.PickedRow());
  return true;
}

}  // namespace desk
