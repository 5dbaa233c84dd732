// TDataSource: binds one data set to the controls that show it and carries
// the data set's state-change event to the screen.
//
// Several data sources may watch one data set; each is told of every state
// change, in the order they were attached. Edit() starts editing only when the
// data set is browsing and AutoEdit is on; otherwise it does nothing.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/data/component.h"
#include "platform/data/dataset.h"

namespace plat {

class TDataLink;

class TDataSource : public TComponent {
 public:
  TDataSource(TComponent* owner, std::string name, TDataSet* dataSet = nullptr);
  ~TDataSource() override;

  TDataSet* DataSet() const { return dataSet_; }
  void SetDataSet(TDataSet* dataSet);
  DataSetState State() const { return dataSet_ ? dataSet_->State() : DataSetState::Inactive; }

  bool AutoEdit = true;
  std::function<void(TDataSource&)> OnStateChange;
  // Raised when the current record or one of its fields (given) changes,
  // while controls are enabled.
  std::function<void(TDataSource&, TField*)> OnDataChange;

  void Edit();

  // Links of bound controls register themselves.
  void AddLink(TDataLink* link);
  void RemoveLink(TDataLink* link);
  const std::vector<TDataLink*>& Links() const { return links_; }

  // Called by the data set.
  void DataEvent(plat::DataEvent event, TField* field, bool controlsDisabled);
  // Asks the bound controls, in binding order, to focus the field's control;
  // true when one did.
  bool FocusField(TField& field);

 private:
  TDataSet* dataSet_ = nullptr;
  bool wasActive_ = false;  // whether the data set was open at the last state change
  std::vector<TDataLink*> links_;
};

}  // namespace plat
