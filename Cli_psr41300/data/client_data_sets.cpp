// Creates the screen's client data sets from their tables, editable ones
// first, each with its declared fields.
#include "Cli_psr41300/data/data_set_tables.h"

namespace cli_psr41300 {

void TfrmSolicitaProposta::CreateClientDataSets() {
  for (auto tables : {data::EditableDataSets(), data::AuxiliaryDataSets()}) {
    for (const data::DataSetSpec& row : tables) {
      auto& dataSet = Create<plat::TClientDataSet>(row.name);
      data::DeclareFields(dataSet, row.fields);
      this->*row.member = &dataSet;
    }
  }
}

}  // namespace cli_psr41300
