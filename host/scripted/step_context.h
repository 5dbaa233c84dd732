// StepContext: what a running step works with: the host, the scripted
// dialogs, the record of remote calls, and where a dump is printed; and the
// common ways a step looks things up on the screen, runs a user event, and
// fails with what it expected and what it got.
#pragma once

#include <functional>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "host/scripted/call_log.h"
#include "host/scripted/scenario_dialogs.h"
#include "host/scripted/scenario_host.h"
#include "platform/ui/user_actions.h"

namespace plat {
class TComponent;
class TDBGrid;
class TField;
class TForm;
}  // namespace plat

namespace host {
class TNetConnection;
}

namespace hostapp {

struct Step;

// A step that did not go as the scenario says.
class StepFailure : public std::runtime_error {
 public:
  StepFailure(std::string expected, std::string got)
      : std::runtime_error("expected " + expected + ", got " + got),
        expected_(std::move(expected)),
        got_(std::move(got)) {}
  const std::string& Expected() const { return expected_; }
  const std::string& Got() const { return got_; }

 private:
  std::string expected_, got_;
};

[[noreturn]] void Fail(std::string expected, std::string got);

// Watches every step a context runs (the explorer's invariant checks): told
// before and after each step that ran to its end, and of an error that
// escaped a step. After may throw StepFailure to fail the step.
class StepObserver {
 public:
  virtual ~StepObserver() = default;
  virtual void Before(const Step& step) = 0;
  virtual void After(const Step& step) = 0;
  // An error other than a StepFailure left the step; returns the report.
  virtual std::string Escaped(const Step& step, const std::string& error) = 0;
};

class StepContext {
 public:
  StepContext(ScenarioHost& host, ScenarioDialogs& dialogs, std::ostream& out);
  // Takes its recorders off the screen and the dialogs, which may outlive it.
  ~StepContext();
  StepContext(const StepContext&) = delete;
  StepContext& operator=(const StepContext&) = delete;

  ScenarioHost& host;
  ScenarioDialogs& dialogs;
  CallLog calls;
  std::ostream& out;
  std::size_t refreshesSeen = 0;  // cache refreshes already checked
  int disconnects = 0;            // of the screen's connection, since the last check
  // Lenient mode (the explorer's scenarios): a dialog needs no expectation,
  // queued answers and picks may be left over, and an action with no asked
  // ending passes whatever its ending, a refusal included.
  bool lenient = false;
  std::unique_ptr<StepObserver> observer;  // nullptr: no step is watched

  // The open screen; fails when there is none.
  plat::TForm& Screen() const;
  // A component of the screen by name; fails when there is none.
  plat::TComponent& Component(std::string_view name) const;
  template <class T>
  T& ComponentAs(std::string_view name, const char* kind) const {
    auto* found = dynamic_cast<T*>(&Component(name));
    if (!found) Fail(std::string(name) + " to be " + kind, "a component of another kind");
    return *found;
  }
  // DATASET.FIELD of the screen.
  plat::TField& FieldRef(std::string_view reference) const;
  // The index of the grid's column for a field; fails when it has none.
  static int ColumnOf(const plat::TDBGrid& grid, const std::string& fieldName);
  // Fails unless the grid shows a row with this number (from 1).
  static void CheckRowNumber(const plat::TDBGrid& grid, int rowNumber);

  // Runs one user event, lets the application finish it (releasing a closed
  // screen), and checks how it ended against the step's "-> RESULT" (by
  // default, anything but a refusal).
  void Act(const Step& step, const std::function<plat::ActionResult()>& event);
  // Starts recording the calls and disconnections of the screen's
  // connection, once per connection; does nothing while there is no screen.
  void RecordScreenCalls();

 private:
  host::TNetConnection* Connection() const;

  host::TNetConnection* recorded_ = nullptr;                          // the connection last hooked
  std::function<void(host::TNetConnection&)> screenAfterDisconnect_;  // its own handler
};

}  // namespace hostapp
