// Number reservations: the order-line and ordered-service numbers handed out
// to connections and not yet stored, kept in the database (table
// NUMERORESERVADO) so that every server process on it sees them.
//
// A number handed to one connection is never handed to another while the
// first holds it, so two users numbering new records of the same proposal
// version at once get different numbers, on one server or on several. A
// connection keeps getting the same number until a record with that number
// (or a higher one) is stored, so posting an edited record, which asks for a
// number too, wastes none. What a connection holds is let go when it closes,
// and found and dropped once its connection or server process has ended.
#pragma once

#include <string>

#include "appserver/storage.h"

namespace appsrv {

// Creates the reservations table when the database lacks it.
void CreateReservationTable(Storage& db);

// Holders are named "PROCESS#CONNECTION": the server process's name among
// the database's connections (see Storage::SessionName) and its client
// connection's number.

// The number for a new record of the scope (a table and a proposal version)
// for the holder, given the highest number stored there. Runs inside the
// caller's write transaction, which also read storedMax.
int ReserveNumber(Storage& db, const std::string& holder, const std::string& scope, int storedMax);

// Lets go of what the holder holds (its client connection is closing).
void ReleaseNumbers(Storage& db, const std::string& holder);
// Drops what connections of server processes no longer alive held (a
// server starting).
void DropEndedReservations(Storage& db);

}  // namespace appsrv
