// Applying a screen data set's delta to its table, all or nothing.
//
// Every change of the delta is applied in one write transaction; the first
// change that cannot be applied rolls back the whole delta and throws
// plat::EError with a message naming the record as the user knows it (the
// table's noun, its own key values and its proposal), the field by its
// label, and the reason:
//   - a modified or deleted record is found by its ORIGINAL key values; it
//     must still exist, and each of its stored columns must still hold the
//     value the client read (or already the value the client wants), else
//     another user changed or deleted it since;
//   - the key columns of a written record must not be empty;
//   - texts must fit their column's size;
//   - a duplicate key or unique value, or a record whose parent does not
//     exist, is refused by the database;
//   - a record that records of another table still name (TableDef's
//     references, which the database does not enforce) may not be deleted
//     nor have the named columns changed.
//   - a field the delta names must be a column or one of the data set's
//     other fields; numbers must be finite and within kLargestNumber, texts
//     free of NUL, dates within the years 1 to 9999, numbered keys digits
//     from 1 to 999.
// Only the delta's fields that are columns of the table are written: names
// joined from other tables and computed totals are left out.
#pragma once

#include <string>
#include <vector>

#include "appserver/storage.h"
#include "platform/data/packet.h"

namespace appsrv {

// Records of another table naming a record of this one by some of its
// columns (of the same names there).
struct Reference {
  std::string table;                 // the naming table
  std::vector<std::string> columns;  // the naming columns
  // The refusal as the user reads it; {1}, {2}, ... stand for the values of
  // the columns in their order.
  std::string refusal;
};

struct TableDef {
  std::string table;
  std::vector<std::string> keys;  // primary key columns
  std::string parent;             // the table its records belong to ("" none)
  std::vector<Reference> references = {};
  // How the screen's user names a record and the columns, for the refusals:
  // "Serviço IMP da proposta 1001/1", "Valor Hora". A column without a label
  // is named as it is.
  std::string noun = "";
  std::vector<std::pair<std::string, std::string>> labels = {};
  std::string parentNoun = "";  // the parent's record, as the user names it
  // The fields the screen's data set carries besides the table's columns
  // (names joined from other tables, computed totals): left out of the
  // writes. A delta field that is neither refuses the whole delta.
  std::vector<std::string> otherFields = {};
  // A key column numbered by the server (SeqServico, seqPedidosLinhaProd):
  // its values are whole numbers from 1 to 999 written in digits.
  std::string numbered = "";
};

void ApplyDelta(Storage& db, const TableDef& def, const plat::Delta& delta);

}  // namespace appsrv
