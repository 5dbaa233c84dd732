#include "platform/data/dataset.h"

#include <algorithm>

#include "platform/data/cp1252.h"
#include "platform/data/datasource.h"
#include "platform/data/errors.h"
#include "platform/data/messages.h"

namespace plat {

const char* DataSetStateName(DataSetState state) {
  switch (state) {
    case DataSetState::Inactive:
      return "inactive";
    case DataSetState::Browse:
      return "browse";
    case DataSetState::Edit:
      return "edit";
    case DataSetState::Insert:
      return "insert";
  }
  return "?";
}

TDataSet::TDataSet(TComponent* owner, std::string name) : TComponent(owner, std::move(name)) {}

TDataSet::~TDataSet() {
  for (auto* source : std::vector<TDataSource*>(dataSources_)) source->SetDataSet(nullptr);
}

void TDataSet::Fail(const std::string& message) const {
  throw EDatabaseError(Name().empty() ? message : Name() + ": " + message);
}

void TDataSet::CheckActive() const {
  if (!Active()) Fail(Message(Msg::DataSetClosed));
}

void TDataSet::CheckCanModify() const {
  if (!CanModify()) Fail(Message(Msg::DataSetReadOnly));
}

// ---- fields -------------------------------------------------------------

TField& TDataSet::AddField(std::string fieldName, FieldType type, int size, FieldKind kind) {
  if (Active()) Fail("Cannot declare field '" + fieldName + "' on an open dataset");
  if (FindField(fieldName)) Fail("Duplicate field name '" + fieldName + "'");
  // Declared fields come before any created from a packet's definitions.
  if (declaredCount_ != static_cast<int>(fields_.size())) ClearFields();
  std::string componentName = Name() + fieldName;
  TField& field = Create<TField>(componentName, std::move(fieldName), type, size, kind);
  field.index_ = static_cast<int>(fields_.size());
  fields_.push_back(&field);
  ++declaredCount_;
  return field;
}

TField& TDataSet::AddFieldFromDef(const FieldDef& def) {
  TField& field = Create<TField>(std::string(), def.name, def.type, def.size, FieldKind::Data);
  field.SetRequired(def.required).SetReadOnly(def.readOnly);
  field.index_ = static_cast<int>(fields_.size());
  fields_.push_back(&field);
  return field;
}

void TDataSet::ClearFields() {
  while (static_cast<int>(fields_.size()) > declaredCount_) {
    TField* field = fields_.back();
    fields_.pop_back();
    Destroy(*field);
  }
}

TField* TDataSet::FindField(std::string_view fieldName) const {
  for (auto* field : fields_)
    if (field->FieldName() == fieldName) return field;
  return nullptr;
}

TField& TDataSet::FieldByName(std::string_view fieldName) const {
  if (auto* field = FindField(fieldName)) return *field;
  Fail("Field '" + std::string(fieldName) + "' not found");
}

std::vector<FieldDef> TDataSet::DataFieldDefs() const {
  std::vector<FieldDef> defs;
  for (auto* field : fields_)
    if (!field->Calculated())
      defs.push_back({field->FieldName(), field->DataType(), field->Size(), field->Required(), field->ReadOnly()});
  return defs;
}

Row TDataSet::DataRow(const Record& record) const {
  Row row;
  for (auto* field : fields_)
    if (!field->Calculated()) row.push_back(record.values[field->Index()]);
  return row;
}

// ---- values -------------------------------------------------------------

const TDataSet::Record* TDataSet::CurrentRecordPtr() const {
  if (reading_) return reading_;
  if (Editing()) return &editBuffer_;
  if (state_ == DataSetState::Browse && cursor_ >= 0) return &records_[cursor_];
  return nullptr;
}

TDataSet::Record& TDataSet::ActiveRecord() { return const_cast<Record&>(*CurrentRecordPtr()); }

const Variant& TDataSet::ValueOf(const Record& record, int index) const {
  static const Variant null;
  if (index < 0 || index >= static_cast<int>(record.values.size())) return null;
  if (!record.calculated && fields_[index]->Calculated()) {
    // Records are the data set's own and never constant: reading computes
    // what the record shows.
    const_cast<TDataSet*>(this)->CalculateRecord(const_cast<Record&>(record));
  }
  return record.values[index];
}

const Variant& TDataSet::ReadValue(int index) const {
  static const Variant null;
  const Record* record = CurrentRecordPtr();
  return record ? ValueOf(*record, index) : null;
}

const Variant& TDataSet::ReadOldValue(int index) const {
  if (state_ != DataSetState::Edit || cursor_ < 0 || reading_) return ReadValue(index);
  return ValueOf(records_[cursor_], index);
}

void TDataSet::WriteValue(TField& field, const Variant& value) {
  if (calculating_) {
    if (!field.Calculated()) Fail(Message(Msg::FieldCalculatedOnly, {field.FieldName()}));
    const_cast<Record*>(reading_)->values[field.Index()] = field.Coerce(value);
    return;
  }
  CheckActive();
  if (!Editing()) Fail(Message(Msg::NotEditing));
  if (field.ReadOnly()) Fail(Message(Msg::FieldReadOnly, {field.FieldName()}));
  Variant stored = field.Coerce(value);  // throws before anything changes
  editBuffer_.values[field.Index()] = std::move(stored);
  modified_ = true;
  if (!field.Calculated()) CalculateRecord(editBuffer_);
  Notify(DataEvent::RecordChange, &field);
  // The calculated fields were just computed again: controls showing them follow.
  if (!field.Calculated() && OnCalcFields)
    for (auto* calculated : std::vector<TField*>(fields_))
      if (calculated->Calculated()) Notify(DataEvent::RecordChange, calculated);
}

void TDataSet::CalculateRecord(Record& record) {
  for (auto* field : fields_)
    if (field->Calculated()) record.values[field->Index()] = Variant();
  // Marked first: what the handler reads of this record is what it has.
  record.calculated = true;
  if (!OnCalcFields) return;
  const Record* savedReading = reading_;
  bool savedCalculating = calculating_;
  reading_ = &record;
  calculating_ = true;
  try {
    OnCalcFields(*this);
  } catch (...) {
    reading_ = savedReading;
    calculating_ = savedCalculating;
    record.calculated = false;  // tried again at the next reading
    throw;
  }
  reading_ = savedReading;
  calculating_ = savedCalculating;
}

void TDataSet::CalculateAll() {
  for (auto& record : records_) record.calculated = false;
}

void TDataSet::RequestFocus(TField& field) {
  for (auto* source : std::vector<TDataSource*>(dataSources_))
    if (source->FocusField(field)) return;
}

TDataSet::Record TDataSet::NewRecord() { return NewRecord(Row()); }

TDataSet::Record TDataSet::NewRecord(Row values) {
  Record record;
  record.values = std::move(values);
  record.values.resize(fields_.size());
  record.id = nextId_++;
  return record;
}

// ---- notifications --------------------------------------------------------

void TDataSet::Notify(DataEvent event, TField* field) {
  for (auto* source : std::vector<TDataSource*>(dataSources_)) source->DataEvent(event, field, ControlsDisabled());
}

void TDataSet::SetState(DataSetState state) {
  if (state_ == state) return;
  state_ = state;
  Notify(DataEvent::StateChange);
}

void TDataSet::AttachDataSource(TDataSource* source) {
  if (std::find(dataSources_.begin(), dataSources_.end(), source) == dataSources_.end()) dataSources_.push_back(source);
}

void TDataSet::DetachDataSource(TDataSource* source) {
  dataSources_.erase(std::remove(dataSources_.begin(), dataSources_.end(), source), dataSources_.end());
}

void TDataSet::DisableControls() { ++disableCount_; }

void TDataSet::EnableControls() {
  if (disableCount_ == 0) return;
  if (--disableCount_ == 0) Notify(DataEvent::DataSetChange);
}

// ---- open and close -------------------------------------------------------

void TDataSet::Open() {
  if (Active()) return;
  InternalOpen();
}

void TDataSet::OpenWith(std::vector<Record> records) {
  if (Active()) Close();
  for (auto& record : records) {
    record.values.resize(fields_.size());
    if (record.id == 0) record.id = nextId_++;
  }
  records_ = std::move(records);
  CalculateAll();
  cursor_ = records_.empty() ? -1 : 0;
  bof_ = true;
  eof_ = records_.empty();
  modified_ = false;
  SetState(DataSetState::Browse);
  Notify(DataEvent::DataSetChange);
  Run(AfterOpen);
  Run(AfterScroll);
}

void TDataSet::Close() {
  if (!Active()) return;
  Run(BeforeClose);
  editBuffer_ = Record();
  modified_ = false;
  records_.clear();
  cursor_ = -1;
  bof_ = eof_ = true;
  InternalClose();
  SetState(DataSetState::Inactive);
  Notify(DataEvent::DataSetChange);
  Run(AfterClose);
}

// ---- navigation -----------------------------------------------------------

void TDataSet::MoveCursorTo(int index, bool bof, bool eof) {
  Run(BeforeScroll);
  cursor_ = index;
  bof_ = bof;
  eof_ = eof;
  Notify(DataEvent::Scroll);
  Run(AfterScroll);
}

void TDataSet::First() {
  CheckActive();
  CheckBrowseMode();
  MoveCursorTo(records_.empty() ? -1 : 0, true, records_.empty());
}

void TDataSet::Last() {
  CheckActive();
  CheckBrowseMode();
  MoveCursorTo(static_cast<int>(records_.size()) - 1, records_.empty(), true);
}

void TDataSet::Next() { MoveBy(1); }
void TDataSet::Prior() { MoveBy(-1); }

int TDataSet::MoveBy(int distance) {
  CheckActive();
  CheckBrowseMode();
  if (distance == 0 || records_.empty()) {
    if (distance > 0) eof_ = true;
    if (distance < 0) bof_ = true;
    return 0;
  }
  if ((distance > 0 && eof_) || (distance < 0 && bof_)) return 0;
  int last = static_cast<int>(records_.size()) - 1;
  int target = std::clamp(cursor_ + distance, 0, last);
  int moved = target - cursor_;
  const bool eof = distance > 0 && cursor_ + distance > last;
  const bool bof = distance < 0 && cursor_ + distance < 0;
  if (moved != 0)
    MoveCursorTo(target, bof, eof);
  else
    bof_ = bof, eof_ = eof;
  return moved;
}

int TDataSet::RecNo() const {
  if (state_ == DataSetState::Insert || cursor_ < 0) return 0;
  return cursor_ + 1;
}

void TDataSet::SetRecNo(int recNo) {
  CheckActive();
  CheckBrowseMode();
  if (recNo < 1 || recNo > RecordCount()) Fail(Message(Msg::RecordNumberOutOfRange, {std::to_string(recNo)}));
  if (recNo - 1 != cursor_)
    MoveCursorTo(recNo - 1, false, false);
  else
    bof_ = eof_ = false;
}

static std::string Folded(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

bool TDataSet::Locate(std::string_view fieldName, const Variant& value, LocateOptions options) {
  CheckActive();
  CheckBrowseMode();
  TField& field = FieldByName(fieldName);
  std::string wanted;
  if (!value.IsNull()) {
    try {
      wanted = field.ValueText(field.Convert(value));
    } catch (const EError&) {
      return false;  // a key of another kind (text for a number field) is in no record
    }
  }
  if (options.caseInsensitive) wanted = Folded(wanted);
  for (int i = 0; i < RecordCount(); ++i) {
    const Variant& stored = ValueOf(records_[i], field.Index());
    bool match;
    if (value.IsNull()) {
      match = stored.IsNull();
    } else if (stored.IsNull()) {
      match = false;
    } else {
      std::string text = field.ValueText(stored);
      if (options.caseInsensitive) text = Folded(text);
      match = options.partialKey ? text.rfind(wanted, 0) == 0 : text == wanted;
    }
    if (match) {
      if (i != cursor_)
        MoveCursorTo(i, false, false);
      else
        bof_ = eof_ = false;
      return true;
    }
  }
  return false;
}

// ---- editing --------------------------------------------------------------

void TDataSet::UpdateRecord() {
  if (!Editing()) return;
  if (!ControlsDisabled()) Notify(DataEvent::UpdateRecord);
}

void TDataSet::CheckBrowseMode() {
  CheckActive();
  if (!Editing()) return;
  UpdateRecord();
  if (modified_)
    Post();
  else
    Cancel();
}

void TDataSet::Insert() { DoInsert(false); }
void TDataSet::Append() { DoInsert(true); }

void TDataSet::DoInsert(bool append) {
  CheckActive();
  CheckBrowseMode();
  CheckCanModify();
  Run(BeforeInsert);
  // BeforeInsert may have moved the focus and with it posted other records;
  // this data set itself must still be browsing.
  CheckBrowseMode();
  Run(BeforeScroll);
  editBuffer_ = NewRecord();
  insertIndex_ = append || cursor_ < 0 ? static_cast<int>(records_.size()) : cursor_;
  modified_ = false;
  SetState(DataSetState::Insert);
  Run(OnNewRecord);
  CalculateRecord(editBuffer_);
  Notify(DataEvent::DataSetChange);
  Run(AfterInsert);
  Run(AfterScroll);
}

void TDataSet::Edit() {
  CheckActive();
  if (Editing()) return;
  if (records_.empty()) {
    Insert();
    return;
  }
  CheckCanModify();
  Run(BeforeEdit);
  editBuffer_ = records_[cursor_];
  modified_ = false;
  SetState(DataSetState::Edit);
  Notify(DataEvent::RecordChange);
  Run(AfterEdit);
}

void TDataSet::CheckRequiredFields() const {
  for (auto* field : fields_)
    if (field->Required() && !field->Calculated() && editBuffer_.values[field->Index()].IsNull())
      Fail(Message(Msg::FieldRequired, {field->DisplayLabel()}));
}

void TDataSet::Post() {
  if (!Active() || !Editing()) return;
  UpdateRecord();
  Run(BeforePost);
  if (!Editing()) return;  // a handler cancelled or posted it already
  CheckRequiredFields();
  bool inserting = state_ == DataSetState::Insert;
  CalculateRecord(editBuffer_);
  InternalPost(editBuffer_, inserting);
  if (inserting) {
    records_.insert(records_.begin() + insertIndex_, std::move(editBuffer_));
    cursor_ = insertIndex_;
  } else {
    records_[cursor_] = std::move(editBuffer_);
  }
  editBuffer_ = Record();
  modified_ = false;
  bof_ = eof_ = false;
  InternalStored();
  SetState(DataSetState::Browse);
  Notify(DataEvent::DataSetChange);
  Run(AfterPost);
}

void TDataSet::Cancel() {
  if (!Active() || !Editing()) return;
  bool wasInsert = state_ == DataSetState::Insert;
  Run(BeforeCancel);
  if (!Editing()) return;
  // Text typed into bound controls goes with the record, before any state
  // handler can move the focus and have a control write it.
  Notify(DataEvent::RecordChange);
  editBuffer_ = Record();
  modified_ = false;
  SetState(DataSetState::Browse);
  Notify(DataEvent::DataSetChange);
  Run(AfterCancel);
  if (wasInsert) Run(AfterScroll);
}

void TDataSet::Delete() {
  CheckActive();
  if (state_ == DataSetState::Insert) {
    Cancel();
    return;
  }
  if (records_.empty()) Fail(Message(Msg::DataSetEmpty));
  CheckCanModify();
  Run(BeforeDelete);
  Run(BeforeScroll);
  if (records_.empty()) Fail(Message(Msg::DataSetEmpty));
  // Text typed into bound controls over the record being edited goes with
  // it, before any later handler can have a control write it.
  if (Editing()) Notify(DataEvent::RecordChange);
  InternalDelete(records_[cursor_]);
  records_.erase(records_.begin() + cursor_);
  if (cursor_ >= static_cast<int>(records_.size())) cursor_ = static_cast<int>(records_.size()) - 1;
  editBuffer_ = Record();
  modified_ = false;
  eof_ = records_.empty();
  bof_ = records_.empty();
  SetState(DataSetState::Browse);
  Notify(DataEvent::DataSetChange);
  Run(AfterDelete);
  Run(AfterScroll);
}

void TDataSet::Resync(uint64_t previousId) {
  int index = -1;
  for (int i = 0; i < RecordCount(); ++i)
    if (records_[i].id == previousId) index = i;
  if (index < 0 && !records_.empty()) index = std::clamp(cursor_, 0, RecordCount() - 1);
  cursor_ = index;
  bof_ = eof_ = records_.empty();
  Notify(DataEvent::DataSetChange);
  if (CurrentRecordId() != previousId) Run(AfterScroll);
}

void TDataSet::Reorder(const std::function<bool(const Record&, const Record&)>& less) {
  uint64_t current = CurrentRecordId();
  std::stable_sort(records_.begin(), records_.end(), less);
  for (int i = 0; i < RecordCount(); ++i)
    if (records_[i].id == current) cursor_ = i;
}

// ---- rows as a grid shows them ----------------------------------------------

int TDataSet::ViewRowCount() const { return RecordCount() + (state_ == DataSetState::Insert ? 1 : 0); }

int TDataSet::ViewCurrentRow() const {
  if (state_ == DataSetState::Insert) return insertIndex_;
  return cursor_;
}

const TDataSet::Record& TDataSet::ViewRecord(int row) const {
  if (state_ == DataSetState::Insert) {
    if (row == insertIndex_) return editBuffer_;
    return records_.at(row < insertIndex_ ? row : row - 1);
  }
  if (state_ == DataSetState::Edit && row == cursor_) return editBuffer_;
  return records_.at(row);
}

bool TDataSet::ViewRowPending(int row) const {
  if (row < 0 || row >= ViewRowCount()) return false;
  return RecordPending(ViewRecord(row).id);
}

void TDataSet::ReadViewRow(int row, const std::function<void()>& fn) const {
  const Record* record = &ViewRecord(row);
  const Record* saved = reading_;
  reading_ = record;
  try {
    fn();
  } catch (...) {
    reading_ = saved;
    throw;
  }
  reading_ = saved;
}

void TDataSet::MoveToViewRow(int row) {
  CheckActive();
  if (row == ViewCurrentRow()) return;
  int target = row;
  if (state_ == DataSetState::Insert && row > insertIndex_) --target;  // the insert row goes away...
  bool wasInsert = state_ == DataSetState::Insert;
  bool willStore = wasInsert && modified_;
  CheckBrowseMode();
  // ...unless it was stored, in which case rows after it keep their numbers.
  if (wasInsert && willStore && row > insertIndex_) ++target;
  if (records_.empty()) return;
  target = std::clamp(target, 0, RecordCount() - 1);
  if (target != cursor_)
    MoveCursorTo(target, false, false);
  else
    bof_ = eof_ = false;
}

}  // namespace plat
