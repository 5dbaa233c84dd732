// The demo database: two branches, active and inactive operators, customers
// (persons and companies), prospects (one whose code is also a customer
// code), contacts, commercial products, systems, service types, standard
// texts, the customers' contracted product lines, and proposals in several
// stages with their contract and order details (demo_data.sql).
#pragma once

#include "appserver/storage.h"

namespace appsrv {

// Fills an empty database that has the schema, inside the caller's
// transaction; extraProposals more proposals (header only, numbered after
// the demo's, alternating branches and customers) serve benchmarks.
void FillDemoData(Storage& db, int extraProposals);

}  // namespace appsrv
