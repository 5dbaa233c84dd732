// ScriptedDialogs: the host's dialogs for tests and automation. Every dialog
// is written to a transcript; questions and searches are answered from queued
// answers. A question or a search with nothing queued is a failure (recorded
// and thrown as EError) rather than a dialog waiting for nobody. Messages
// with only an OK button need no answer.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/ui/dialogs.h"

namespace host {

struct DialogRecord {
  enum class Kind { Message, Error, Search, Wait } kind = Kind::Message;
  std::string text;  // message text, or the search title
  plat::DialogType type = plat::DialogType::Information;
  int buttons = 0;
  int result = 0;                 // modal result, or for a search 1 picked / 0 not
  std::string emptyText;          // search: shown when nothing was listed
  std::vector<std::string> rows;  // search: the listed rows, shown fields joined by " | "

  static DialogRecord Of(Kind kind, std::string text, plat::DialogType type, int buttons, int result = 0) {
    DialogRecord record;
    record.kind = kind;
    record.text = std::move(text);
    record.type = type;
    record.buttons = buttons;
    record.result = result;
    return record;
  }
};

class ScriptedDialogs : public plat::Dialogs {
 public:
  // Answers, used in order.
  void AnswerYes() { answers_.push_back(plat::mrYes); }
  void AnswerNo() { answers_.push_back(plat::mrNo); }
  void Answer(int modalResult) { answers_.push_back(modalResult); }
  // Picks the row (0-based) of the next search; -1 closes it without a pick.
  void PickRow(int row) { picks_.push_back(row); }

  const std::vector<DialogRecord>& Transcript() const { return transcript_; }
  // Texts of the message and error dialogs shown, in order.
  std::vector<std::string> Messages() const;
  // Dialogs that came without a queued answer.
  const std::vector<std::string>& Unexpected() const { return unexpected_; }
  bool AnswersLeft() const { return !answers_.empty() || !picks_.empty(); }
  int WaitDepth() const { return waitDepth_; }
  void Clear();

  int MessageDlg(const std::string& text, plat::DialogType type, int buttons, int helpContext) override;
  void ShowError(const std::string& text) override;
  bool Search(plat::TDataSource& source, const std::string& title, const std::string& emptyText) override;
  void WaitStart() override { ++waitDepth_; }
  void WaitStop() override { --waitDepth_; }

 private:
  [[noreturn]] void Unanswered(const std::string& what);

  std::deque<int> answers_;
  std::deque<int> picks_;
  std::vector<DialogRecord> transcript_;
  std::vector<std::string> unexpected_;
  int waitDepth_ = 0;
};

}  // namespace host
