// Shared set-up of the grid window tests: a form holding a grid over a small
// item table and another control to move the focus to, dialogs answered from
// a queue, and the grid's window shown off screen.
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <cctype>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "desktop/grid_delegate.h"
#include "desktop/grid_model.h"
#include "desktop/grid_view.h"
#include "platform/data/clientdataset.h"
#include "platform/data/datasource.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/form.h"

namespace grid_test {

// Answers message dialogs from a queue and records every dialog; a message
// with no answer left is answered Cancel and noted as unexpected.
class QueuedDialogs : public plat::Dialogs {
 public:
  std::deque<int> answers;
  std::vector<std::string> asked, errors, unexpected;

  int MessageDlg(const std::string& text, plat::DialogType, int, int) override {
    asked.push_back(text);
    if (answers.empty()) {
      unexpected.push_back(text);
      return plat::mrCancel;
    }
    int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void ShowError(const std::string& text) override { errors.push_back(text); }
  bool Search(plat::TDataSource&, const std::string& title, const std::string&) override {
    unexpected.push_back(title);
    return false;
  }
  void WaitStart() override {}
  void WaitStop() override {}
};

// Columns: CDITEM "Code" (70 px), DSITEM "Item" (140 px, stored in upper case
// by its set-text handler), FLATIVO (40 px), IDINTERNO (hidden). Rows cycle
// through PARAFUSO/S, PORCA/N, ARRUELA/S. The grid has the focus.
class ItemGrid {
 public:
  explicit ItemGrid(int rows = 3) {
    cds.AddField("CDITEM", plat::FieldType::Integer).SetDisplayLabel("Code");
    cds.AddField("DSITEM", plat::FieldType::String, 20).OnSetText = [](plat::TField& field, const std::string& text) {
      std::string upper = text;
      for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      field.SetAsString(upper);
    };
    cds.AddField("FLATIVO", plat::FieldType::String, 1);
    cds.AddField("IDINTERNO", plat::FieldType::Integer);
    Fill(rows);
    grid.SetDataSource(&ds);
    grid.AddColumn("CDITEM").SetWidth(70);
    plat::TColumn& item = grid.AddColumn("DSITEM");
    item.SetTitle("Item");
    item.SetWidth(140);
    grid.AddColumn("FLATIVO").SetWidth(40);
    grid.AddColumn("IDINTERNO").Visible = false;
    grid.OnColExit = [this](plat::TControl&) { ++colExits; };
    plat::Dialogs::Install(&dialogs);
    grid.SetFocus();
  }
  ~ItemGrid() { plat::Dialogs::Install(nullptr); }
  ItemGrid(const ItemGrid&) = delete;
  ItemGrid& operator=(const ItemGrid&) = delete;

  void Fill(int rows) {
    static const char* names[] = {"PARAFUSO", "PORCA", "ARRUELA"};
    plat::DataPacket packet;
    packet.fields = {{"CDITEM", plat::FieldType::Integer},
                     {"DSITEM", plat::FieldType::String, 20},
                     {"FLATIVO", plat::FieldType::String, 1},
                     {"IDINTERNO", plat::FieldType::Integer}};
    for (int64_t i = 0; i < rows; ++i)
      packet.rows.push_back({plat::Variant(i + 1), plat::Variant(std::string(names[i % 3])),
                             plat::Variant(std::string(i % 3 == 1 ? "N" : "S")), plat::Variant(i + 100)});
    cds.SetData(packet);
  }
  plat::TField& F(const char* name) { return cds.FieldByName(name); }

  // Makes the grid's window and shows it; false when it never got on screen.
  bool Show(QSize size = {400, 200}) {
    window.reset(CreateGridView(grid, nullptr));
    view = qobject_cast<desk::GridView*>(window.get());
    window->resize(size);
    window->show();
    return view && QTest::qWaitForWindowExposed(window.get());
  }
  desk::GridModel& Model() { return view->Model(); }
  QString Shown(int row, int column) { return Model().index(row, column).data().toString(); }
  QPoint CellCentre(int row, int column) { return view->CellRect(row, column).center(); }
  QPoint ButtonCentre(int row, int column) { return desk::ButtonRect(view->CellRect(row, column)).center(); }
  void Click(QPoint at) { QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, at); }
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(view, key, modifiers); }
  // Types the text one key event a character, as a keyboard of any layout does.
  void TypeText(const QString& text) {
    for (QChar c : text) {
      QKeyEvent event(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
      QApplication::sendEvent(view, &event);
    }
  }

  plat::TForm form{nullptr, "frmItem"};
  plat::TClientDataSet& cds = form.Create<plat::TClientDataSet>("cdsItem");
  plat::TDataSource& ds = form.Create<plat::TDataSource>("dsItem", &cds);
  plat::TDBGrid& grid = form.Create<plat::TDBGrid>("grdItem", &form);
  plat::TControl& other = form.Create<plat::TControl>("edtOutro", &form);
  QueuedDialogs dialogs;
  int colExits = 0;
  // Declared last: the window goes before the grid it shows.
  std::unique_ptr<QWidget> window;
  desk::GridView* view = nullptr;
};

}  // namespace grid_test
