// Applying a screen data set's delta to its table, all or nothing.
//
// Every change of the delta is applied in one write transaction; the first
// change that cannot be applied rolls back the whole delta and throws
// plat::EError with a message naming the table, the record (its key values)
// and the reason:
//   - a modified or deleted record is found by its ORIGINAL key values; it
//     must still exist, and each of its stored columns must still hold the
//     value the client read (or already the value the client wants), else
//     another user changed or deleted it since;
//   - the key columns of a written record must not be empty;
//   - texts must fit their column's size;
//   - a duplicate key or unique value, or a record whose parent does not
//     exist, is refused by the database.
// Only the delta's fields that are columns of the table are written: names
// joined from other tables and computed totals are left out.
#pragma once

#include <string>
#include <vector>

#include "appserver/storage.h"
#include "platform/data/packet.h"

namespace appsrv {

struct TableDef {
  std::string table;
  std::vector<std::string> keys;  // primary key columns
  std::string parent;             // the table its records belong to ("" none)
};

void ApplyDelta(Storage& db, const TableDef& def, const plat::Delta& delta);

}  // namespace appsrv
