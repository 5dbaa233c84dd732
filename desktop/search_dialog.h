// SearchDialog: the host's search list in a window. A table of the data
// set's shown fields, titled with their labels, one row per record, opening
// on the data set's current row. A click on a title sorts by that column
// (again: the other way), and typing goes to the first row whose text in
// that column (before any sort, the first column) starts with what was
// typed. OK (or Enter, or a double click) picks the current row; Escape or
// Cancel picks nothing.
#pragma once

#include <QDialog>

class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;

namespace plat {
class TDataSet;
}

namespace desk {

class SearchDialog : public QDialog {
  Q_OBJECT

 public:
  SearchDialog(const plat::TDataSet& dataSet, const QString& title, QWidget* parent = nullptr);

  QTableView* Table() const { return table_; }
  // The record picked by OK (its row in the data set's view), -1 before.
  int PickedRow() const { return picked_; }

  void accept() override;

 private:
  void Fill(const plat::TDataSet& dataSet);

  QStandardItemModel* model_;
  QSortFilterProxyModel* sorted_;  // what the table shows: model_ in the order chosen
  QTableView* table_;
  int picked_ = -1;
};

}  // namespace desk
