// Texts built into the server from files of this folder at configure time,
// so that the executable needs no file beside it.
#pragma once

namespace appsrv {

extern const char* const kSchemaSql;    // schema.sql
extern const char* const kDemoDataSql;  // demo_data.sql

}  // namespace appsrv
