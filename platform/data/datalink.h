// TDataLink: how a data-aware control hears of its data source. A control
// owns one link, points it at a data source and overrides the notifications
// it needs. TFieldDataLink adds the field a control edits and the "modified"
// flag of text typed but not yet written to the field.
#pragma once

#include <functional>
#include <string>

#include "platform/data/dataset.h"

namespace plat {

class TDataSource;

class TDataLink {
 public:
  TDataLink() = default;
  virtual ~TDataLink();
  TDataLink(const TDataLink&) = delete;
  TDataLink& operator=(const TDataLink&) = delete;

  TDataSource* DataSource() const { return dataSource_; }
  void SetDataSource(TDataSource* source);
  TDataSet* DataSet() const;
  bool Active() const;   // the data set is open
  bool Editing() const;  // the data set is in Edit or Insert
  // Puts the data source into edit (auto-edit rule); true when it is editing.
  bool Edit();

  // Notifications; the default does nothing.
  virtual void ActiveChanged() {}
  virtual void EditingChanged() {}
  virtual void DataSetChanged() {}  // content, cursor or whole record changed
  virtual void RecordChanged(TField* field) { (void)field; }
  virtual void UpdateData() {}  // write pending text now
  virtual void LogChanged() {}  // rows' pending marks changed (ViewRowPending)
  // Takes the focus for the field when bound to it and able to; true if it did.
  virtual bool FocusControl(TField& field) {
    (void)field;
    return false;
  }

 private:
  friend class TDataSource;
  TDataSource* dataSource_ = nullptr;
};

class TFieldDataLink : public TDataLink {
 public:
  std::string FieldName;
  TField* Field() const;

  bool Modified() const { return modified_; }
  void SetModified() { modified_ = true; }
  void Reset() { modified_ = false; }

  // Set by the control that owns the link.
  std::function<void()> OnDataChange;  // show the field's text again
  std::function<void()> OnEditingChange;
  std::function<void()> OnActiveChange;
  std::function<void()> OnUpdateData;    // write the control's text to the field
  std::function<bool()> OnFocusControl;  // take the focus if possible

  void ActiveChanged() override;
  void EditingChanged() override;
  void DataSetChanged() override;
  void RecordChanged(TField* field) override;
  void UpdateData() override;
  bool FocusControl(TField& field) override;

 private:
  bool modified_ = false;
};

}  // namespace plat
