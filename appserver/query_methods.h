// The proposal module's reading methods: the Get methods that fill the
// screen's data sets, the look-up lists (contacts, commercial products,
// standard texts, the order pickers), the duplicate checks (Valida*, whose
// answer holds rows exactly when the value is already in use) and the sum
// of due values. Each answers a packet with the fields the screen's data set
// declares, of the declared types and sizes.
#pragma once

#include <string_view>

#include "appserver/server_object.h"

namespace appsrv {

void RegisterQueryMethods(ServerObject& module);

// The statement a reading method runs (its parameters as described in the
// source), or nullptr for a method that is not one of them.
const char* QueryStatement(std::string_view method);
// The fields a query method answers, as declared ("CDLINPPROP S20, …");
// nullptr for a method that is not a query.
const char* QueryFields(std::string_view method);

}  // namespace appsrv
