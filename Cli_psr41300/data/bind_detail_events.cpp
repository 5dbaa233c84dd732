// Binds every detail row's handlers: its data source's state handler, its
// data set's record events and its grid's events, each noted by name.
#include "Cli_psr41300/data/detail_grids.h"

namespace cli_psr41300 {

void TfrmSolicitaProposta::BindDetailEvents() {
  using plat::TDataSet;
  for (const details::Detail& row : details::Details()) {
    binding::OnStateChange(*this, *(this->*row.dataSource), row.stateChange);

    TDataSet& dataSet = *(this->*row.dataSet);
    const details::DataSetEvents& events = row.events;
    binding::OnDataSet(*this, dataSet, &TDataSet::AfterInsert, "AfterInsert", events.afterInsert);
    binding::OnDataSet(*this, dataSet, &TDataSet::BeforePost, "BeforePost", events.beforePost);
    binding::OnDataSet(*this, dataSet, &TDataSet::AfterPost, "AfterPost", events.afterPost);
    binding::OnDataSet(*this, dataSet, &TDataSet::AfterCancel, "AfterCancel", events.afterCancel);
    binding::OnDataSet(*this, dataSet, &TDataSet::AfterDelete, "AfterDelete", events.afterDelete);
    binding::OnDataSet(*this, dataSet, &TDataSet::AfterScroll, "AfterScroll", events.afterScroll);
    binding::OnDataSet(*this, dataSet, &TDataSet::BeforeScroll, "BeforeScroll", events.beforeScroll);

    plat::TDBGrid& grid = *(this->*row.grid);
    const details::GridEvents& gridEvents = row.gridEvents;
    binding::OnControl(*this, grid, &plat::TControl::OnEnter, "OnEnter", gridEvents.enter);
    binding::OnControl(*this, grid, &plat::TControl::OnExit, "OnExit", gridEvents.exit);
    binding::OnGrid(*this, grid, &plat::TDBGrid::OnEditButtonClick, "OnEditButtonClick", gridEvents.editButtonClick);
    binding::OnGrid(*this, grid, &plat::TDBGrid::OnColExit, "OnColExit", gridEvents.colExit);
    binding::OnKeyPress(*this, grid, gridEvents.keyPress);
  }
}

}  // namespace cli_psr41300
