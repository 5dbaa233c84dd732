// ExploreInvariants: the checks the explorer runs after every action step,
// against the database as the server serves it. It is a StepObserver
// installed by the step `explore-checks on`, so an explored run and its
// scenario file are checked alike.
//
// What callers may rely on:
// - It reads the screen through its components (data sets, grids) by name
//   and asks the server over a connection of its own to
//   "PSR41300.rdmSolicitaProposta" (the Get methods the screen uses) and to
//   the host object's test method Sql; it never changes the screen or the
//   database.
// - After an action step it checks, in this order, and fails the step with
//   a StepFailure naming the first broken one (Broken() tells which):
//   5 the wait animation is balanced and the cursor is back to default;
//   1 every row of an open detail carries the key of the current proposal
//     (and the systems and due dates the key of the line they are shown
//     under); rows being inserted are left out;
//   4 on a proposal accepted when the action started, the action changed
//     none of its rows in any table;
//   3 a value typed or picked into a data set is stored on the server, still
//     pending (an edit, or the change log), or some dialog (message, error,
//     question) was shown since; an Escape on its grid or a Cancelar that
//     ends the edit takes it back;
//   2 after an action that showed no dialog and left every data set
//     browsing with an empty change log, the open details hold the rows the
//     server gives for the keys on screen (a multiset, on the fields the
//     screen shows and the rows' keys, the server's computed totals left
//     out) and the current proposal is the server's.
//   An error escaping a step (Escaped) is invariant 5 too.
// - `sql` steps mark the details of the table they update as changed by
//   another client until the screen fetches them again, and forget the
//   values typed so far; `fail-next` steps keep the checks from calling the
//   failing method until the screen's call has taken the failure.
#pragma once

#include <compare>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "host/netconnection.h"
#include "host/scripted/step_context.h"
#include "platform/data/packet.h"

namespace hostapp {

struct Violation {
  int invariant = 0;  // 1 to 5
  std::string detail;
  std::string Text() const;
};

// The name of an invariant, as reports print it.
const char* InvariantName(int invariant);

// The text form in which rows are compared: null and empty are alike,
// numbers to four decimals, dates as ISO text, trailing blanks dropped.
std::string CanonicalValue(const plat::Variant& value);

class ExploreInvariants : public StepObserver {
 public:
  explicit ExploreInvariants(StepContext& context);
  ~ExploreInvariants() override;

  void Before(const Step& step) override;
  void After(const Step& step) override;
  std::string Escaped(const Step& step, const std::string& error) override;

  // The invariant the last failing step broke, if any.
  const std::optional<Violation>& Broken() const { return broken_; }

  // A server call listing rows: its method and arguments.
  struct Fetch {
    std::string method;
    std::vector<std::string> args;
  };

 private:
  struct Tracked;  // the values typed into one record being edited
  struct Candidate;

  [[noreturn]] void Break(int invariant, const std::string& detail);
  host::TNetConnection& Connection();
  // The rows of a fetch, or nullopt when its method is due to fail.
  std::optional<plat::DataPacket> Rows(const Fetch& fetch);
  plat::DataPacket Query(const std::string& sql);
  void NoteCalls();

  void CheckWaitAndCursor();
  void CheckKeys();
  // A stored row of one of the proposal's tables, in canonical texts.
  struct StoredRow {
    std::string table;
    std::vector<std::string> names, values;
    auto operator<=>(const StoredRow&) const = default;
  };
  std::vector<StoredRow> AcceptedSnapshot(const std::string& number, const std::string& version);
  void CheckAccepted();
  void TrackValues(const Step& step, bool dialogShown);
  void CheckServerView();

  StepContext& context_;
  std::unique_ptr<host::TNetConnection> connection_;
  std::optional<Violation> broken_;
  std::size_t dialogsBefore_ = 0;
  // Invariant 4: the accepted proposal's key and rows when the action started.
  std::optional<std::pair<std::string, std::string>> acceptedKey_;
  std::vector<StoredRow> acceptedRows_;
  // Failures queued by fail-next, by method (upper case), not yet taken.
  std::map<std::string, int> failing_;
  std::size_t callsSeen_ = 0;
  // Details another client changed, waiting for the screen to fetch them.
  std::set<std::string> stale_;
  std::map<std::string, std::unique_ptr<Tracked>> tracked_;  // by data set
  std::vector<Candidate> candidates_;                        // values that left their edit
  // Proposals given another number or version on screen: old key to new.
  std::map<std::pair<std::string, std::string>, std::pair<std::string, std::string>> renamed_;
};

}  // namespace hostapp
