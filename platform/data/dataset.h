// TDataSet: an in-memory table with a current-record cursor, the editing
// states of the classic data-aware toolkit and its events.
//
// What callers may rely on:
// - States Inactive, Browse, Edit, Insert (0-3). Each change of state is
//   announced to the attached data sources, in the order they were attached,
//   at the moment it happens: entering Insert before AfterInsert runs,
//   returning to Browse before AfterPost, AfterCancel and AfterDelete run.
// - Moving the cursor, inserting or appending while editing first writes the
//   pending text of bound controls and posts a modified record (an unmodified
//   one is cancelled).
// - Post writes pending control text, runs BeforePost (an exception there,
//   the silent abort included, leaves the record in its editing state with its
//   values), checks required fields, stores the record and returns to Browse.
//   Post in Browse does nothing.
// - Cancel discards the record and the text still pending in bound controls
//   before the state change is announced.
// - Edit on a data set without records starts an insert. Edit, field
//   assignment and Delete on a closed data set, field assignment in Browse,
//   and Delete on an empty data set fail with EDatabaseError. Delete in
//   Insert cancels the insert; Delete in Edit deletes the record and drops
//   its edits with the text pending in bound controls, as Cancel does.
// - AfterScroll follows every cursor move: opening or filling (also when
//   empty), navigation, insert, append, delete and the cancel of an insert.
//   BeforeScroll runs before a move away from the current record
//   (navigation, insert, append, delete), after the data set's own pending
//   record was posted; an exception there leaves the cursor where it was.
// - DisableControls stops bound controls from following; data-set events and
//   the data sources' state-change events still run.
// - OnCalcFields computes a stored record's calculated fields when one of
//   them is first read (a data set of many records opens without running it
//   for each), and again after the content was reloaded or restored; the
//   record being edited or inserted is computed at once on every change of
//   a data field, so controls showing a calculated field follow.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/data/component.h"
#include "platform/data/field.h"
#include "platform/data/packet.h"

namespace plat {

class TDataSource;

enum class DataSetState { Inactive = 0, Browse = 1, Edit = 2, Insert = 3 };
const char* DataSetStateName(DataSetState state);

// What a data set tells its data sources (and they their links).
enum class DataEvent {
  StateChange,    // the state changed
  DataSetChange,  // content or current record changed as a whole
  Scroll,         // the cursor moved
  RecordChange,   // the current record's values changed (field given, or all)
  UpdateRecord,   // bound controls must write their pending text now
  LogChange,      // which rows hold changes not stored yet changed (values did not)
};

struct LocateOptions {
  bool caseInsensitive = false;
  bool partialKey = false;
};

class TDataSet : public TComponent {
 public:
  using Event = std::function<void(TDataSet&)>;

  TDataSet(TComponent* owner, std::string name);
  ~TDataSet() override;

  // Events.
  Event BeforeInsert, AfterInsert, BeforeEdit, AfterEdit, BeforePost, AfterPost, BeforeCancel, AfterCancel,
      BeforeDelete, AfterDelete, BeforeScroll, AfterScroll, AfterOpen, BeforeClose, AfterClose, OnNewRecord,
      OnCalcFields;

  // Declared (persistent) fields; declare them while the data set is closed.
  // The component name of a field is the data set's name followed by the
  // field name (cdsPropostaNRPROPOSFAS).
  TField& AddField(std::string fieldName, FieldType type, int size = 0, FieldKind kind = FieldKind::Data);
  TField* FindField(std::string_view fieldName) const;
  TField& FieldByName(std::string_view fieldName) const;  // throws naming the data set and field
  const std::vector<TField*>& Fields() const { return fields_; }
  int FieldCount() const { return static_cast<int>(fields_.size()); }

  // State.
  DataSetState State() const { return state_; }
  bool Active() const { return state_ != DataSetState::Inactive; }
  bool Editing() const { return state_ == DataSetState::Edit || state_ == DataSetState::Insert; }
  bool Modified() const { return modified_; }
  virtual bool CanModify() const { return true; }

  void Open();
  void Close();

  // Navigation.
  void First();
  void Last();
  void Next();
  void Prior();
  int MoveBy(int distance);  // returns the distance moved
  bool Eof() const { return eof_; }
  bool Bof() const { return bof_; }
  int RecordCount() const { return static_cast<int>(records_.size()); }
  bool IsEmpty() const { return records_.empty(); }
  int RecNo() const;  // 1-based; 0 when empty or while inserting
  void SetRecNo(int recNo);
  bool Locate(std::string_view fieldName, const Variant& value, LocateOptions options = {});

  // Editing.
  void Insert();
  void Append();
  void Edit();
  void Post();
  void Cancel();
  void Delete();
  // Asks bound controls to write their pending text into the fields.
  void UpdateRecord();
  // If editing: writes pending text, then posts when modified, else cancels.
  void CheckBrowseMode();

  void DisableControls();
  void EnableControls();
  bool ControlsDisabled() const { return disableCount_ > 0; }

  // Reading the rows as a grid shows them: while inserting, the new record
  // appears at its insert position. Within fn the fields read that row.
  int ViewRowCount() const;
  int ViewCurrentRow() const;  // -1 when there is no row
  void ReadViewRow(int row, const std::function<void()>& fn) const;
  // Whether a view row holds a change the data set keeps for a later send
  // (a client data set's change log): posted or deleted here, not stored by
  // the server yet. A row being typed counts once it has been posted.
  bool ViewRowPending(int row) const;
  // Moves the cursor to a view row (posting as any move does).
  void MoveToViewRow(int row);

  // Data sources attach themselves; kept in attach order.
  void AttachDataSource(TDataSource* source);
  void DetachDataSource(TDataSource* source);
  const std::vector<TDataSource*>& DataSources() const { return dataSources_; }

  // Used by TField.
  const Variant& ReadValue(int index) const;
  // The value as stored before the current edit: while editing a record, the
  // stored record's; otherwise (a new record included) the current value.
  const Variant& ReadOldValue(int index) const;
  void WriteValue(TField& field, const Variant& value);
  void RequestFocus(TField& field);

 protected:
  struct Record {
    std::vector<Variant> values;  // data fields then calculated fields, by field index
    uint64_t id = 0;
    bool calculated = false;  // its calculated fields hold OnCalcFields' values
    int64_t baseSeq = -1;     // position as of the last merge; -1 for records inserted since
  };

  // Opening: a subclass provides the records (and may create fields from
  // definitions when none are declared).
  virtual void InternalOpen() {}
  virtual void InternalClose() {}
  // The record is about to be stored (inserted when inserting, else replacing
  // the current one). A subclass logs the change here.
  virtual void InternalPost(const Record& stored, bool inserting) {
    (void)stored;
    (void)inserting;
  }
  virtual void InternalDelete(const Record& removed) { (void)removed; }
  // Post has stored the record and the cursor is on it; the state returns
  // to Browse next. A subclass keeping an order moves the record here.
  virtual void InternalStored() {}
  // Whether the record with this id holds a change kept for a later send.
  virtual bool RecordPending(uint64_t id) const {
    (void)id;
    return false;
  }

  // For subclasses building their content.
  std::vector<Record>& Records() { return records_; }
  const std::vector<Record>& Records() const { return records_; }
  Record NewRecord();
  // A new record taking the given values, one per field by index (missing
  // ones null); a calculated field's value is replaced when it is computed.
  Record NewRecord(Row values);
  void ClearFields();  // removes fields created from definitions
  TField& AddFieldFromDef(const FieldDef& def);
  bool HasDeclaredFields() const { return declaredCount_ > 0; }
  std::vector<FieldDef> DataFieldDefs() const;
  Row DataRow(const Record& record) const;
  // The stored records' calculated fields are to be computed again when read.
  void CalculateAll();
  // After a subclass rearranged the records: puts the cursor back on the
  // record with that id (or the nearest position), refreshes the controls,
  // and runs AfterScroll when the current record is another one.
  void Resync(uint64_t previousId);
  // Puts the records in the order less gives (stable), the cursor staying on
  // its record. Announces nothing: the caller resyncs or notifies.
  void Reorder(const std::function<bool(const Record&, const Record&)>& less);
  uint64_t CurrentRecordId() const { return cursor_ >= 0 ? records_[cursor_].id : 0; }
  // Fills and opens: replaces the content with the given records and runs the
  // opening sequence (state to Browse, AfterOpen, AfterScroll).
  void OpenWith(std::vector<Record> records);
  // Announces a change to data sources and, unless disabled, bound controls.
  void Notify(DataEvent event, TField* field = nullptr);
  void CheckActive() const;
  [[noreturn]] void Fail(const std::string& message) const;

 private:
  const Record& ViewRecord(int row) const;
  void SetState(DataSetState state);
  void DoInsert(bool append);
  void CalculateRecord(Record& record);
  // A value of a record, its calculated fields computed first when they are
  // not yet.
  const Variant& ValueOf(const Record& record, int index) const;
  void CheckCanModify() const;
  void CheckRequiredFields() const;
  // After CheckBrowseMode: BeforeScroll, then the cursor and the Bof/Eof flags
  // move, then AfterScroll.
  void MoveCursorTo(int index, bool bof, bool eof);
  Record& ActiveRecord();
  const Record* CurrentRecordPtr() const;
  void Run(const Event& event) {
    if (event) event(*this);
  }

  std::vector<TField*> fields_;
  int declaredCount_ = 0;
  std::vector<Record> records_;
  int cursor_ = -1;
  bool bof_ = true, eof_ = true;
  DataSetState state_ = DataSetState::Inactive;
  bool modified_ = false;
  Record editBuffer_;
  int insertIndex_ = 0;
  uint64_t nextId_ = 1;
  int disableCount_ = 0;
  bool calculating_ = false;
  mutable const Record* reading_ = nullptr;  // a row being read by ReadViewRow or calculated
  std::vector<TDataSource*> dataSources_;
};

}  // namespace plat
