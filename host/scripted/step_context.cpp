#include "host/scripted/step_context.h"

#include "host/application.h"
#include "host/netconnection.h"
#include "host/scripted/scenario.h"
#include "platform/data/dataset.h"
#include "platform/data/field.h"
#include "platform/ui/form.h"
#include "platform/ui/grid.h"

namespace hostapp {

void Fail(std::string expected, std::string got) { throw StepFailure(std::move(expected), std::move(got)); }

StepContext::StepContext(ScenarioHost& host_, ScenarioDialogs& dialogs_, std::ostream& out_)
    : host(host_), dialogs(dialogs_), out(out_) {
  // The screen's first calls run inside its creation: observe its connection
  // as soon as the screen exists.
  host::TApplication::Current().OnFormCreating = [this](plat::TForm&) { RecordScreenCalls(); };
}

StepContext::~StepContext() {
  host::TApplication::Current().OnFormCreating = nullptr;
  host::TNetConnection* connection = Connection();
  if (connection && connection == recorded_) {
    connection->OnCall = nullptr;
    connection->AfterDisconnect = screenAfterDisconnect_;
  }
}

host::TNetConnection* StepContext::Connection() const {
  plat::TForm* screen = host.Screen();
  return screen ? dynamic_cast<host::TNetConnection*>(screen->FindComponent("netProposta")) : nullptr;
}

plat::TForm& StepContext::Screen() const {
  plat::TForm* screen = host.Screen();
  if (!screen) Fail("an open screen", "none");
  return *screen;
}

plat::TComponent& StepContext::Component(std::string_view name) const {
  plat::TComponent* found = Screen().FindComponent(name);
  if (!found) Fail("a component named " + std::string(name) + " on the screen", "none");
  return *found;
}

plat::TField& StepContext::FieldRef(std::string_view reference) const {
  std::size_t dot = reference.find('.');
  auto& dataSet = ComponentAs<plat::TDataSet>(reference.substr(0, dot), "a data set");
  plat::TField* field = dataSet.FindField(reference.substr(dot + 1));
  if (!field) Fail("a field " + std::string(reference.substr(dot + 1)) + " in " + dataSet.Name(), "none");
  return *field;
}

int StepContext::ColumnOf(const plat::TDBGrid& grid, const std::string& fieldName) {
  auto columns = grid.Columns();
  for (std::size_t i = 0; i < columns.size(); ++i)
    if (columns[i]->FieldName() == fieldName) return static_cast<int>(i);
  Fail("a column " + fieldName + " in " + grid.Name(), "none");
}

void StepContext::CheckRowNumber(const plat::TDBGrid& grid, int rowNumber) {
  if (rowNumber > grid.RowCount())
    Fail("a row " + std::to_string(rowNumber) + " in " + grid.Name(), std::to_string(grid.RowCount()) + " row(s)");
}

void StepContext::Act(const Step& step, const std::function<plat::ActionResult()>& event) {
  RecordScreenCalls();
  plat::ActionResult result = event();
  host::TApplication::Current().ProcessMessages();
  RecordScreenCalls();
  if (step.outcome) {
    if (result != *step.outcome)
      Fail(std::string("the action to end ") + plat::ActionResultName(*step.outcome), plat::ActionResultName(result));
  } else if (result == plat::ActionResult::Refused && !lenient) {
    Fail("the action to be taken", "refused (hidden, disabled, read-only or not focusable)");
  }
}

void StepContext::RecordScreenCalls() {
  host::TNetConnection* connection = Connection();
  if (!connection || connection->OnCall) return;
  recorded_ = connection;
  connection->OnCall = [this](const plat::RpcRequest& request, const host::ServerResult& result) {
    calls.Record(request, result);
  };
  screenAfterDisconnect_ = connection->AfterDisconnect;
  connection->AfterDisconnect = [this](host::TNetConnection& sender) {
    ++disconnects;
    if (screenAfterDisconnect_) screenAfterDisconnect_(sender);
  };
}

}  // namespace hostapp
