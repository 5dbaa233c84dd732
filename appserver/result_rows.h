// Reading a statement's result row by row while the statement runs, rather
// than keeping its rows: what Storage::QueryRows hands its visitor.
//
// What visitors may rely on:
// - Columns comes once, before the first row, in the statement's order.
// - A ResultRow is valid during the visit of its row only; the texts it
//   gives are views into the database's buffers, valid as long.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/data/field_def.h"
#include "platform/data/variant.h"

namespace appsrv {

// A column of a table, typed as the host reads it (VARCHAR(n) -> string of
// size n, FLOAT -> float, NUMERIC(n) -> decimal, DATETIME -> datetime,
// CLOB -> blob, INTEGER -> integer).
struct Column {
  std::string name;
  plat::FieldType type = plat::FieldType::String;
  int size = 0;
};

// A column of a result: its name and type, and whether that type was known
// before any row (a column read straight from a table). A computed column's
// values come as the database gives them; Query types such a column by all
// of its values.
struct ResultColumn {
  Column column;
  bool typed = false;
};

// One row of a result, read in place.
class ResultRow {
 public:
  virtual ~ResultRow() = default;
  // The kind of a value: Null, Integer, Float or Text as SQLite gives it;
  // a back end that types its values gives them as Query would.
  virtual plat::VarType Kind(int column) const = 0;
  // The text of a value of kind Text.
  virtual std::string_view Text(int column) const = 0;
  virtual plat::Variant Value(int column) const = 0;
};

class RowVisitor {
 public:
  virtual ~RowVisitor() = default;
  virtual void Columns(const std::vector<ResultColumn>& columns) = 0;
  virtual void Row(const ResultRow& row) = 0;
};

}  // namespace appsrv
