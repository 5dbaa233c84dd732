#include "host/scripted_dialogs.h"

#include "platform/data/datasource.h"
#include "platform/data/errors.h"

namespace host {

std::vector<std::string> ScriptedDialogs::Messages() const {
  std::vector<std::string> texts;
  for (auto& record : transcript_)
    if (record.kind == DialogRecord::Kind::Message || record.kind == DialogRecord::Kind::Error)
      texts.push_back(record.text);
  return texts;
}

void ScriptedDialogs::Clear() {
  answers_.clear();
  picks_.clear();
  transcript_.clear();
  unexpected_.clear();
}

void ScriptedDialogs::Unanswered(const std::string& what) {
  unexpected_.push_back(what);
  throw plat::EError("Unexpected dialog with no scripted answer: " + what);
}

int ScriptedDialogs::MessageDlg(const std::string& text, plat::DialogType type, int buttons, int) {
  auto record = DialogRecord::Of(DialogRecord::Kind::Message, text, type, buttons);
  bool question = (buttons & ~plat::mbOK) != 0;
  if (!question) {
    record.result = plat::mrOk;
  } else if (answers_.empty()) {
    transcript_.push_back(record);
    Unanswered(text);
  } else {
    record.result = answers_.front();
    answers_.pop_front();
  }
  transcript_.push_back(record);
  return record.result;
}

void ScriptedDialogs::ShowError(const std::string& text) {
  transcript_.push_back(
      DialogRecord::Of(DialogRecord::Kind::Error, text, plat::DialogType::Error, plat::mbOK, plat::mrOk));
}

bool ScriptedDialogs::Search(plat::TDataSource& source, const std::string& title, const std::string& emptyText) {
  auto record = DialogRecord::Of(DialogRecord::Kind::Search, title, plat::DialogType::Custom, 0);
  record.emptyText = emptyText;
  plat::TDataSet* dataSet = source.DataSet();
  if (dataSet && dataSet->Active()) {
    for (int row = 0; row < dataSet->ViewRowCount(); ++row) {
      std::string line;
      dataSet->ReadViewRow(row, [&] {
        for (auto* field : dataSet->Fields()) {
          if (!field->Visible()) continue;
          if (!line.empty()) line += " | ";
          line += field->DisplayText();
        }
      });
      record.rows.push_back(line);
    }
  }
  if (record.rows.empty()) {  // only the empty-list text is shown; nothing to pick
    transcript_.push_back(record);
    return false;
  }
  if (picks_.empty()) {
    transcript_.push_back(record);
    Unanswered("search '" + title + "'");
  }
  int pick = picks_.front();
  picks_.pop_front();
  if (pick >= static_cast<int>(record.rows.size()))
    throw plat::EError("Scripted pick " + std::to_string(pick) + " is beyond the " +
                       std::to_string(record.rows.size()) + " rows of search '" + title + "'");
  record.result = pick >= 0 ? 1 : 0;
  transcript_.push_back(record);
  if (pick < 0) return false;
  dataSet->MoveToViewRow(pick);
  return true;
}

}  // namespace host
