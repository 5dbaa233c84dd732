#include "appserver/database_setup.h"

#include "appserver/demo_data.h"
#include "appserver/embedded_text.h"
#include "appserver/storage.h"

namespace appsrv {

bool PrepareDatabase(const std::string& path, const DatabaseSetup& setup) {
  auto db = OpenSqliteStorage(path);
  if (db->TableExists("PROPOSTAFAS")) return false;
  db->Transaction(TxMode::Write, [&] {
    db->ExecuteScript(kSchemaSql);
    if (setup.demo) FillDemoData(*db, setup.extraProposals);
  });
  return true;
}

}  // namespace appsrv
