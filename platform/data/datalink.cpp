#include "platform/data/datalink.h"

#include "platform/data/datasource.h"

namespace plat {

TDataLink::~TDataLink() { SetDataSource(nullptr); }

void TDataLink::SetDataSource(TDataSource* source) {
  if (dataSource_ == source) return;
  if (dataSource_) dataSource_->RemoveLink(this);
  dataSource_ = source;
  if (dataSource_) dataSource_->AddLink(this);
  ActiveChanged();
}

TDataSet* TDataLink::DataSet() const { return dataSource_ ? dataSource_->DataSet() : nullptr; }
bool TDataLink::Active() const { return DataSet() && DataSet()->Active(); }
bool TDataLink::Editing() const { return DataSet() && DataSet()->Editing(); }

bool TDataLink::Edit() {
  if (dataSource_ && !Editing()) dataSource_->Edit();
  return Editing();
}

TField* TFieldDataLink::Field() const {
  TDataSet* dataSet = DataSet();
  return dataSet && !FieldName.empty() ? dataSet->FindField(FieldName) : nullptr;
}

void TFieldDataLink::ActiveChanged() {
  modified_ = false;
  if (OnActiveChange) OnActiveChange();
  if (OnDataChange) OnDataChange();
}

void TFieldDataLink::EditingChanged() {
  if (!Editing()) modified_ = false;
  if (OnEditingChange) OnEditingChange();
}

void TFieldDataLink::DataSetChanged() {
  modified_ = false;
  if (OnDataChange) OnDataChange();
}

void TFieldDataLink::RecordChanged(TField* field) {
  if (field && field != Field()) return;
  modified_ = false;
  if (OnDataChange) OnDataChange();
}

void TFieldDataLink::UpdateData() {
  if (!modified_) return;
  if (OnUpdateData) OnUpdateData();
  modified_ = false;
}

bool TFieldDataLink::FocusControl(TField& field) { return &field == Field() && OnFocusControl && OnFocusControl(); }

}  // namespace plat
