// The declared shape of an answer packet: the fields a screen data set
// declares, and the conversion of a query result to exactly those fields.
//
// Field lists are written compactly, one "NAME TYPE" item per field,
// separated by commas: S<n> text of n characters, F float, D<n> decimal of
// precision n, T date-time, B blob (long text), I integer.
// Example: "NRPROPOSFAS S20, QTLINPPROP F, VALORTOTALLU D32, DTPROPOSFAS T".
#pragma once

#include <string_view>
#include <vector>

#include "platform/data/packet.h"

namespace appsrv {

// Throws std::invalid_argument for a malformed list (a fault of the server's
// own tables, caught when they are built).
std::vector<plat::FieldDef> ParseFields(std::string_view list);

// The source's rows as a packet of the declared fields, in declared order,
// each value converted to its field's type; columns that are not declared
// are left out. With no declared fields the source is returned as it is.
// Throws plat::EError naming the field when the source lacks a declared one.
plat::DataPacket Shape(plat::DataPacket source, const std::vector<plat::FieldDef>& declared);

// An answer without fields and rows: the success of a call that returns no data.
inline plat::DataPacket EmptyPacket() { return {}; }

}  // namespace appsrv
