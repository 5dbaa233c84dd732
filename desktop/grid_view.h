// The window of a headless grid (plat::TDBGrid): a table view over a
// GridModel, painted through the grid's canvas (GridDelegate). The view
// keeps the grid's titles, column widths and hidden columns, follows its
// current cell, and hands every mouse click and key press to the grid as a
// user action (desktop/grid_actions.h), so the grid's own rules decide:
// key-press handler, column exit, the classic keys, the confirmation of a
// delete, the cell buttons. Typing into an editable cell, F2 or a click on
// the current cell opens the cell editor (desktop/cell_editor.h) over it.
#pragma once

#include <QTableView>
#include <utility>

#include "desktop/grid_actions.h"

class QMenu;

namespace desk {

class CellEditor;
class GridModel;

class GridView : public QTableView {
  Q_OBJECT

 public:
  GridView(plat::TDBGrid& grid, QWidget* parent = nullptr);

  plat::TDBGrid& Grid() const { return grid_; }
  GridModel& Model() const { return *model_; }
  // The pick list dropped down from the current cell, when it is open.
  QMenu* PickList() const;
  // The cell's rectangle in the viewport, empty when it is out of view.
  QRect CellRect(int row, int column) const;

  // The door the user's actions go through (see RunGridAction); without one
  // they go to the user-action layer of the grid's form.
  void SetActionDoor(ActionDoor door) { door_ = std::move(door); }
  // Runs a user action on the grid, then shows where it left the grid.
  plat::ActionResult Act(const GridAction& action);
  // Runs any piece of user work through the door (or the grid form's own
  // user-action layer), as one event.
  plat::ActionResult Run(const UserActionWork& work);
  // The cell editor (desktop/cell_editor.h), open or not.
  CellEditor& Editor() const { return *editor_; }
  // A key as the grid takes it (its classic keys), not as the cell editor does.
  void GridKeyPress(QKeyEvent* event);
  // Drops down the pick list of the current cell, if its column has one.
  void DropDownPickList();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  // Titles, widths and hidden flags as the grid's columns have them.
  void ApplyColumns();
  // The current index where the grid's current cell is, scrolled into view.
  void FollowCursor();
  void ColumnResized(int column, int oldWidth, int newWidth);
  int TitleWidth(int column) const;

  plat::TDBGrid& grid_;
  GridModel* model_;
  ActionDoor door_;
  CellEditor* editor_;
  QMenu* pickList_ = nullptr;
  bool applyingColumns_ = false;
  std::pair<int, int> followed_{-1, -1};  // the cell last scrolled to
};

}  // namespace desk

// The window the desktop front-end shows for a grid; it must not outlive the
// grid. The grid's look-change hook (OnChanged) is chained, not replaced:
// what was set there before keeps running.
QWidget* CreateGridView(plat::TDBGrid& grid, QWidget* parent);
