// Shared set-up of the grid tests: a form with a grid over a small item
// table, another control to move the focus to, and queued dialog answers.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <deque>
#include <string>
#include <vector>

#include "platform/data/clientdataset.h"
#include "platform/data/datasource.h"
#include "platform/data/errors.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/form.h"
#include "platform/ui/grid.h"

namespace plat::testing {

// Answers message dialogs from a queue; any other dialog, or a message with
// no answer left, fails the test.
class QueuedDialogs : public Dialogs {
 public:
  std::deque<int> answers;
  std::vector<std::string> asked;

  int MessageDlg(const std::string& text, DialogType, int, int) override {
    asked.push_back(text);
    if (answers.empty()) return Unexpected(text), mrCancel;
    int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void ShowError(const std::string& text) override { Unexpected(text); }
  bool Search(TDataSource&, const std::string& title, const std::string&) override { return Unexpected(title), false; }
  void WaitStart() override {}
  void WaitStop() override {}

 private:
  static void Unexpected(const std::string& text) { ADD_FAILURE() << "unexpected dialog: " << text; }
};

// CDITEM integer, DSITEM text(20) stored in upper case by its set-text
// handler, FLATIVO text(1), and IDINTERNO, a hidden integer. The grid's
// columns are CDITEM (70 px), DSITEM (140 px), FLATIVO (7 px).
inline DataPacket ItemPacket(int rows) {
  static const char* names[] = {"PARAFUSO", "PORCA", "ARRUELA"};
  DataPacket packet;
  packet.fields = {{"CDITEM", FieldType::Integer},
                   {"DSITEM", FieldType::String, 20},
                   {"FLATIVO", FieldType::String, 1},
                   {"IDINTERNO", FieldType::Integer}};
  for (int64_t i = 0; i < rows; ++i)
    packet.rows.push_back({Variant(i + 1), Variant(std::string(names[i % 3])),
                           Variant(std::string(i % 3 == 1 ? "N" : "S")), Variant(i + 100)});
  return packet;
}

class GridFixture : public ::testing::Test {
 protected:
  TForm form{nullptr, "frmItem"};
  TClientDataSet& cds = form.Create<TClientDataSet>("cdsItem");
  TDataSource& ds = form.Create<TDataSource>("dsItem", &cds);
  TDBGrid& grid = form.Create<TDBGrid>("grdItem", &form);
  TControl& other = form.Create<TControl>("edtOutro", &form);
  QueuedDialogs dialogs;
  int colExits = 0;

  void SetUp() override {
    cds.AddField("CDITEM", FieldType::Integer).SetDisplayLabel("Code");
    cds.AddField("DSITEM", FieldType::String, 20).OnSetText = [](TField& field, const std::string& text) {
      std::string upper = text;
      for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      field.SetAsString(upper);
    };
    cds.AddField("FLATIVO", FieldType::String, 1);
    cds.AddField("IDINTERNO", FieldType::Integer).SetVisible(false);
    Fill(3);
    grid.SetDataSource(&ds);
    grid.OnColExit = [this](TControl&) { ++colExits; };
    Dialogs::Install(&dialogs);
    grid.SetFocus();
  }
  void TearDown() override {
    Dialogs::Install(nullptr);
    EXPECT_TRUE(dialogs.answers.empty()) << "unused dialog answers";
  }

  void Fill(int rows) { cds.SetData(ItemPacket(rows)); }
  TField& F(const char* name) { return cds.FieldByName(name); }
  std::string Description(int row) { return grid.CellText(row, 1); }
};

}  // namespace plat::testing
