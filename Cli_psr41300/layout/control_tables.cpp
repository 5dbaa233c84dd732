#include "Cli_psr41300/layout/control_tables.h"

namespace cli_psr41300::layout {

void Place(plat::TControl& control, Bounds at) {
  control.Left = at.left;
  control.Top = at.top;
  control.Width = at.width;
  control.Height = at.height;
}

plat::TControl& Container(T& form, const char* name) {
  if (!name) return form;
  return form.Get<plat::TControl>(name);
}

void CreateTabSheets(T& form, std::span<const TabSheetSpec> rows, Bounds at) {
  for (const TabSheetSpec& row : rows) {
    auto& sheet = form.Create<plat::TTabSheet>(row.name, form.*row.pageControl);
    Place(sheet, at);
    sheet.SetCaption(row.caption);
    sheet.SetTabVisible(row.tabVisible);
    form.*row.member = &sheet;
  }
}

void AddColumns(plat::TDBGrid& grid, std::span<const ColumnSpec> columns) {
  for (const ColumnSpec& row : columns) {
    plat::TColumn& column = grid.AddColumn(row.field);
    if (row.width > 0) column.SetWidth(row.width);
    column.Visible = !(row.flags & kHiddenColumn);
    column.ReadOnly = row.flags & kReadOnlyColumn;
    if (row.flags & kEllipsis) column.Button = plat::ButtonStyle::Ellipsis;
    for (const char* entry : row.pickList) {
      if (!entry) break;
      column.PickList.emplace_back(entry);
    }
  }
}

void CreateGrids(T& form, std::span<const GridSpec> rows) {
  for (const GridSpec& row : rows) {
    auto& grid = form.Create<plat::TDBGrid>(row.name, &Container(form, row.parent));
    Place(grid, row.at);
    grid.SetDataSource(form.*row.source);
    grid.SetReadOnly(row.readOnly);
    grid.ColorRole = row.readOnly ? kNeutral : kInput;
    grid.ConfirmDelete = true;
    grid.Sortable = true;  // a click on a title sorts the grid's data set
    AddColumns(grid, row.columns);
    form.*row.member = &grid;
  }
}

}  // namespace cli_psr41300::layout
