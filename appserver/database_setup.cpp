#include "appserver/database_setup.h"

#include "appserver/demo_data.h"
#include "appserver/embedded_text.h"
#include "appserver/number_reservations.h"
#include "appserver/storage.h"

namespace appsrv {

namespace {

// The order in which a branch's proposals are listed (GetProposta): with it
// the list is read in order instead of sorted on every call. Made in
// databases created before it too.
constexpr const char* kProposalListIndex =
    "CREATE INDEX IF NOT EXISTS PROPOSTAFAS_LISTA ON PROPOSTAFAS"
    " (CDFILIAL, (LENGTH(NRPROPOSFAS)), NRPROPOSFAS, (CAST(NRVERPROPFAS AS INTEGER)))";

}  // namespace

bool PrepareDatabase(const std::string& path, const DatabaseSetup& setup) {
  CreateDatabaseIfMissing(path);
  auto db = OpenStorage(path);
  bool created = false;
  // Checked inside the write transaction: two servers starting at once on a
  // new database create it once.
  db->Transaction(TxMode::Write, [&] {
    created = !db->TableExists("PROPOSTAFAS");
    if (created) {
      db->CreateTables(kSchemaSql);
      if (setup.demo) FillDemoData(*db, setup.extraProposals);
    } else {
      db->UpgradeTables();
    }
    db->CreateTables(kProposalListIndex);
    CreateReservationTable(*db);
    DropEndedReservations(*db);
  });
  return created;
}

}  // namespace appsrv
