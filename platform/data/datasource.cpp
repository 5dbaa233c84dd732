#include "platform/data/datasource.h"

#include <algorithm>

#include "platform/data/datalink.h"

namespace plat {

TDataSource::TDataSource(TComponent* owner, std::string name, TDataSet* dataSet) : TComponent(owner, std::move(name)) {
  SetDataSet(dataSet);
}

TDataSource::~TDataSource() {
  SetDataSet(nullptr);
  for (auto* link : std::vector<TDataLink*>(links_)) link->dataSource_ = nullptr;
}

void TDataSource::SetDataSet(TDataSet* dataSet) {
  if (dataSet_ == dataSet) return;
  if (dataSet_) dataSet_->DetachDataSource(this);
  dataSet_ = dataSet;
  wasActive_ = dataSet_ && dataSet_->Active();
  if (dataSet_) dataSet_->AttachDataSource(this);
  for (auto* link : std::vector<TDataLink*>(links_)) link->ActiveChanged();
}

void TDataSource::Edit() {
  if (AutoEdit && dataSet_ && dataSet_->State() == DataSetState::Browse) dataSet_->Edit();
}

void TDataSource::AddLink(TDataLink* link) {
  if (std::find(links_.begin(), links_.end(), link) == links_.end()) links_.push_back(link);
}

void TDataSource::RemoveLink(TDataLink* link) {
  links_.erase(std::remove(links_.begin(), links_.end(), link), links_.end());
}

void TDataSource::DataEvent(plat::DataEvent event, TField* field, bool controlsDisabled) {
  if (event == plat::DataEvent::StateChange && OnStateChange) OnStateChange(*this);
  if (controlsDisabled) return;
  // Opening or closing is news to the links; moving between browse and
  // editing only changes what they may do.
  bool activeChanged = false;
  if (event == plat::DataEvent::StateChange) {
    bool active = dataSet_ && dataSet_->Active();
    activeChanged = active != wasActive_;
    wasActive_ = active;
  }
  // A handler may add or remove links while they are told; tell a copy.
  for (auto* link : std::vector<TDataLink*>(links_)) {
    if (std::find(links_.begin(), links_.end(), link) == links_.end()) continue;
    switch (event) {
      case plat::DataEvent::StateChange:
        link->EditingChanged();
        if (activeChanged) link->ActiveChanged();
        break;
      case plat::DataEvent::DataSetChange:
      case plat::DataEvent::Scroll:
        link->DataSetChanged();
        break;
      case plat::DataEvent::RecordChange:
        link->RecordChanged(field);
        break;
      case plat::DataEvent::UpdateRecord:
        link->UpdateData();
        break;
      case plat::DataEvent::LogChange:
        link->LogChanged();
        break;
    }
  }
  if (OnDataChange && (event == plat::DataEvent::DataSetChange || event == plat::DataEvent::Scroll ||
                       event == plat::DataEvent::RecordChange))
    OnDataChange(*this, field);
}

bool TDataSource::FocusField(TField& field) {
  for (auto* link : std::vector<TDataLink*>(links_))
    if (link->FocusControl(field)) return true;
  return false;
}

}  // namespace plat
