// The screen's client data sets as tables: each data set's name, the screen
// member that points at it and its declared fields (none for the validation
// answers, which take the columns of whatever packet the server sends).
#pragma once

#include <span>

#include "Cli_psr41300/data/declared_fields.h"
#include "Cli_psr41300/frm_solicita_proposta.h"

namespace cli_psr41300::data {

struct DataSetSpec {
  const char* name;
  plat::TClientDataSet* TfrmSolicitaProposta::*member;
  std::span<const FieldSpec> fields;
};

// The proposal and its details, edited and sent back to the server.
std::span<const DataSetSpec> EditableDataSets();
// Look-up, validation and sequence answers, only read.
std::span<const DataSetSpec> AuxiliaryDataSets();

}  // namespace cli_psr41300::data
