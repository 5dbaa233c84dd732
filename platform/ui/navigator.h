// TDBNavigator: the record navigator: first, prior, next, last, insert,
// delete, edit, post, cancel and refresh buttons acting on its data source.
// Its buttons enable themselves by the data set's state and position; it
// never takes the focus. Delete asks the host's confirmation first.
#pragma once

#include <string>

#include "platform/data/datalink.h"
#include "platform/ui/control.h"

namespace plat {

class TDataSource;

enum class NavButton { First, Prior, Next, Last, Insert, Delete, Edit, Post, Cancel, Refresh };

class TDBNavigator : public TControl {
 public:
  TDBNavigator(TComponent* owner, std::string name, TControl* parent = nullptr);

  TDataSource* DataSource() const { return link_.DataSource(); }
  void SetDataSource(TDataSource* source) { link_.SetDataSource(source); }
  bool Focusable() const override { return false; }

  bool ConfirmDelete = true;
  bool ButtonEnabled(NavButton button) const;
  // A click on one button; does nothing when it is disabled.
  void ClickButton(NavButton button);

 private:
  class Link : public TDataLink {
   public:
    explicit Link(TDBNavigator& owner) : owner_(owner) {}
    void ActiveChanged() override { owner_.Changed(); }
    void EditingChanged() override { owner_.Changed(); }
    void DataSetChanged() override { owner_.Changed(); }

   private:
    TDBNavigator& owner_;
  };
  Link link_{*this};
};

}  // namespace plat
