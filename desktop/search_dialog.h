// SearchDialog: the host's search list in a window. A table of the data
// set's shown fields, titled with their labels, one row per record, opening
// on the data set's current row. OK (or Enter, or a double click) picks the
// current row; Escape or Cancel picks nothing.
#pragma once

#include <QDialog>

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
  // The row picked by OK, -1 before.
  int PickedRow() const { return picked_; }

  void accept() override;

 private:
  void Fill(const plat::TDataSet& dataSet);

  QStandardItemModel* model_;
  QTableView* table_;
  int picked_ = -1;
};

}  // namespace desk
