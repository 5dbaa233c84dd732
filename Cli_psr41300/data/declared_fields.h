// FieldSpec: one declared field of a data set or local query, written as a
// row of a table; DeclareFields adds a table's fields to a closed data set in
// the table's order.
#pragma once

#include <span>

#include "platform/data/dataset.h"

namespace cli_psr41300::data {

// Shorthands for the column types of the tables.
inline constexpr plat::FieldType kText = plat::FieldType::String;
inline constexpr plat::FieldType kFloat = plat::FieldType::Float;
inline constexpr plat::FieldType kDecimal = plat::FieldType::Decimal;
inline constexpr plat::FieldType kDateTime = plat::FieldType::DateTime;
inline constexpr plat::FieldType kBlob = plat::FieldType::Blob;
// Precision of the binary-coded decimals (scale 0).
inline constexpr int kDecimalPrecision = 32;

// Field flags, combined with |.
enum FieldFlag : unsigned {
  kHidden = 1u << 0,  // not shown by grids or the record view by default
  kReadOnly = 1u << 1,
  kRequired = 1u << 2,
  kCalculated = 1u << 3,  // computed for each record read, never stored
};

// Formats used by the money fields.
inline constexpr const char* kMoney = "#,##0.00";

struct FieldSpec {
  const char* name;
  plat::FieldType type;
  int size;                // characters of a text, precision of a decimal, else 0
  const char* label = "";  // empty: the field name is shown
  unsigned flags = 0;
  const char* editMask = "";
  const char* displayFormat = "";
  int displayWidth = 0;               // 0: derived from the size
  double minValue = 0, maxValue = 0;  // a range only when minValue < maxValue
};

void DeclareFields(plat::TDataSet& dataSet, std::span<const FieldSpec> fields);

}  // namespace cli_psr41300::data
