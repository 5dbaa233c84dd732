// Dialog expectations: the next dialog the screen showed and not yet
// checked (a message, a confirmation, an error, a search) with its exact
// text, or that there is none.
#include "host/scripted/scenario.h"
#include "host/scripted/step_context.h"
#include "host/scripted/step_type.h"

namespace hostapp {

namespace {

std::string Expected(DialogKind kind, const Token& text) {
  return std::string(DialogKindName(kind)) + (text.contains ? " containing " : " ") + Quote(text.text);
}

void ExpectDialog(const Step& step, StepContext& context) {
  auto kind = static_cast<DialogKind>(step.type->param);
  const host::DialogRecord* next = context.dialogs.NextUnchecked();
  if (!next) Fail(Expected(kind, step.args[0]), "no dialog");
  context.dialogs.MarkChecked();
  if (KindOf(*next) != kind || !step.args[0].Matches(next->text))
    Fail(Expected(kind, step.args[0]), DescribeDialog(*next));
}

void ExpectNoDialog(const Step&, StepContext& context) {
  if (const host::DialogRecord* next = context.dialogs.NextUnchecked()) {
    context.dialogs.MarkChecked();
    Fail("no dialog", DescribeDialog(*next));
  }
}

}  // namespace

const std::vector<StepType>& DialogExpectations() {
  static const std::vector<StepType> steps = {
      {"expect message", "TEXT", "the next dialog is a message with only OK", ExpectDialog, false, false,
       static_cast<int>(DialogKind::Message)},
      {"expect confirm", "TEXT", "the next dialog is a yes/no question", ExpectDialog, false, false,
       static_cast<int>(DialogKind::Confirm)},
      {"expect error", "TEXT", "the next dialog is an error (an error message or the host's error box)", ExpectDialog,
       false, false, static_cast<int>(DialogKind::Error)},
      {"expect search", "TEXT", "the next dialog is a search list with this title", ExpectDialog, false, false,
       static_cast<int>(DialogKind::Search)},
      {"expect dialogs", "none", "no dialog was shown since the last one checked", ExpectNoDialog},
  };
  return steps;
}

}  // namespace hostapp
