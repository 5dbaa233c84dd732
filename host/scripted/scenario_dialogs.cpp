#include "host/scripted/scenario_dialogs.h"

#include "host/scripted/scenario_tokens.h"
#include "platform/data/dataset.h"
#include "platform/data/datasource.h"
#include "platform/data/errors.h"
#include "platform/data/field.h"

namespace hostapp {

std::string SearchPick::Text() const {
  switch (kind) {
    case Kind::Row:
      return "row " + std::to_string(row + 1);
    case Kind::ByValue:
      return field + " " + Quote(value);
    case Kind::None:
      return "none";
  }
  return {};
}

const char* DialogKindName(DialogKind kind) {
  switch (kind) {
    case DialogKind::Message:
      return "message";
    case DialogKind::Confirm:
      return "confirm";
    case DialogKind::Error:
      return "error";
    case DialogKind::Search:
      return "search";
  }
  return "?";
}

DialogKind KindOf(const host::DialogRecord& record) {
  using Kind = host::DialogRecord::Kind;
  if (record.kind == Kind::Search) return DialogKind::Search;
  if ((record.buttons & (plat::mbYes | plat::mbNo)) != 0) return DialogKind::Confirm;
  if (record.kind == Kind::Error || record.type == plat::DialogType::Error) return DialogKind::Error;
  return DialogKind::Message;
}

std::string DescribeDialog(const host::DialogRecord& record) {
  return std::string(DialogKindName(KindOf(record))) + " " + Quote(record.text);
}

const host::DialogRecord* ScenarioDialogs::NextUnchecked() {
  const auto& transcript = Transcript();
  while (checked_ < transcript.size() && transcript[checked_].kind == host::DialogRecord::Kind::Wait) ++checked_;
  return checked_ < transcript.size() ? &transcript[checked_] : nullptr;
}

bool ScenarioDialogs::Search(plat::TDataSource& source, const std::string& title, const std::string& emptyText) {
  plat::TDataSet* dataSet = source.DataSet();
  bool listed = dataSet && dataSet->Active() && dataSet->ViewRowCount() > 0;
  // With nothing listed there is nothing to pick: the queued pick waits for
  // the next search, as the host's own dialogs do.
  if (listed && !picks_.empty()) {
    SearchPick pick = picks_.front();
    picks_.pop_front();
    switch (pick.kind) {
      case SearchPick::Kind::Row:
        PickRow(pick.row);
        break;
      case SearchPick::Kind::None:
        PickRow(-1);
        break;
      case SearchPick::Kind::ByValue: {
        plat::TField* field = dataSet->FindField(pick.field);
        if (!field) throw plat::EError("The search '" + title + "' lists no field " + pick.field + " to pick by");
        int found = -1;
        for (int row = 0; row < dataSet->ViewRowCount() && found < 0; ++row)
          dataSet->ReadViewRow(row, [&] {
            if (field->DisplayText() == pick.value || field->AsString() == pick.value) found = row;
          });
        if (found < 0)
          throw plat::EError("No row of the search '" + title + "' has " + pick.field + " = " + Quote(pick.value));
        PickRow(found);
        break;
      }
    }
  }
  return ScriptedDialogs::Search(source, title, emptyText);
}

}  // namespace hostapp
