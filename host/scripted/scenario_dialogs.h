// ScenarioDialogs: the scripted dialogs as a scenario uses them. On top of
// the host's scripted dialogs it picks a search row by a field's value
// (resolved when the search opens), tells the runner when the wait
// animation starts (the screen exists by then, its first call not yet made),
// and keeps how far the scenario has checked the transcript.
#pragma once

#include <deque>
#include <functional>
#include <string>

#include "host/scripted_dialogs.h"

namespace hostapp {

// The choice queued for the next search dialog.
struct SearchPick {
  enum class Kind { Row, ByValue, None } kind = Kind::None;
  int row = 0;               // 0-based, for Row
  std::string field, value;  // for ByValue: the row whose field shows this text
  std::string Text() const;
};

// What a dialog was, as a scenario names it.
enum class DialogKind { Message, Confirm, Error, Search };
const char* DialogKindName(DialogKind kind);
DialogKind KindOf(const host::DialogRecord& record);
// "error \"text\"", "search \"title\"", ...
std::string DescribeDialog(const host::DialogRecord& record);

// Installs a run's dialogs as the host's for as long as it lives.
class DialogsInstalled {
 public:
  explicit DialogsInstalled(plat::Dialogs& dialogs) { plat::Dialogs::Install(&dialogs); }
  ~DialogsInstalled() { plat::Dialogs::Install(nullptr); }
  DialogsInstalled(const DialogsInstalled&) = delete;
  DialogsInstalled& operator=(const DialogsInstalled&) = delete;
};

class ScenarioDialogs : public host::ScriptedDialogs {
 public:
  void QueuePick(SearchPick pick) { picks_.push_back(std::move(pick)); }
  // Picks queued and not yet used, and confirmation answers left.
  std::size_t PicksLeft() const { return picks_.size(); }

  // The first dialog not checked yet (waits are skipped), or nullptr.
  const host::DialogRecord* NextUnchecked();
  void MarkChecked() { ++checked_; }

  bool Search(plat::TDataSource& source, const std::string& title, const std::string& emptyText) override;

 private:
  std::deque<SearchPick> picks_;
  std::size_t checked_ = 0;
};

}  // namespace hostapp
