// The host-level server object "Host": the server date (DtServ, a date-time
// value at midnight) and the whole content of each reference table the host
// keeps in its local cache (GetTable). With the test options it also serves
// the controls of a test harness: SetServerDate, FailNext and Sql.
#pragma once

#include "appserver/server_object.h"

namespace appsrv {

void RegisterHostMethods(ServerObject& host, bool testOptions);

}  // namespace appsrv
