#include "desktop/search_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include "desktop/qt_text.h"
#include "platform/data/dataset.h"

namespace desk {

namespace {

// Numbers and dates sort by their values, not by the texts they show.
constexpr int kSortRole = Qt::UserRole;

QVariant SortValue(const plat::TField& field) {
  if (field.IsNull()) return {};
  const plat::FieldType type = field.DataType();
  if (type == plat::FieldType::String || type == plat::FieldType::Blob) return ToQt(field.DisplayText());
  return field.Value().ToDouble();  // a date: its day count
}

}  // namespace

SearchDialog::SearchDialog(const plat::TDataSet& dataSet, const QString& title, QWidget* parent)
    : QDialog(parent),
      model_(new QStandardItemModel(this)),
      sorted_(new QSortFilterProxyModel(this)),
      table_(new QTableView(this)) {
  setObjectName("SearchDialog");
  setWindowTitle(title);
  table_->setObjectName("SearchTable");
  sorted_->setSourceModel(model_);
  sorted_->setSortCaseSensitivity(Qt::CaseInsensitive);
  sorted_->setSortLocaleAware(true);
  sorted_->setSortRole(kSortRole);
  table_->setModel(sorted_);
  // Sorted by a click on a title only: the list opens in the data set's order.
  table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  table_->setSortingEnabled(true);
  // Typing searches the column the current cell is in: the sorted one.
  connect(table_->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this, [this](int column, Qt::SortOrder) {
    QModelIndex current = table_->currentIndex();
    if (current.isValid() && column >= 0) table_->setCurrentIndex(sorted_->index(current.row(), column));
  });
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setStretchLastSection(true);
  Fill(dataSet);
  table_->resizeColumnsToContents();

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &SearchDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &SearchDialog::reject);
  connect(table_, &QTableView::doubleClicked, this, &SearchDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table_);
  layout->addWidget(buttons);
  resize(560, 360);
  table_->setFocus();
}

void SearchDialog::Fill(const plat::TDataSet& dataSet) {
  std::vector<plat::TField*> shown;
  for (plat::TField* field : dataSet.Fields())
    if (field->Visible()) shown.push_back(field);
  model_->setColumnCount(static_cast<int>(shown.size()));
  for (std::size_t c = 0; c < shown.size(); ++c)
    model_->setHeaderData(static_cast<int>(c), Qt::Horizontal, ToQt(shown[c]->DisplayLabel()));
  int rows = dataSet.ViewRowCount();
  model_->setRowCount(rows);
  for (int row = 0; row < rows; ++row)
    dataSet.ReadViewRow(row, [&] {
      for (std::size_t c = 0; c < shown.size(); ++c) {
        auto* item = new QStandardItem(ToQt(shown[c]->DisplayText()));
        item->setData(SortValue(*shown[c]), kSortRole);
        model_->setItem(row, static_cast<int>(c), item);
      }
    });
  int current = std::max(0, dataSet.ViewCurrentRow());
  if (rows > 0) table_->setCurrentIndex(sorted_->mapFromSource(model_->index(std::min(current, rows - 1), 0)));
}

void SearchDialog::accept() {
  QModelIndex current = table_->currentIndex();
  if (!current.isValid()) return;  // nothing to pick yet
  picked_ = sorted_->mapToSource(current).row();
  QDialog::accept();
}

}  // namespace desk
