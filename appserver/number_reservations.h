// NumberReservations: the order-line and ordered-service numbers handed out
// to connections and not yet stored, shared by every connection of a server.
//
// A number handed to one connection is never handed to another while the
// first holds it, so two users numbering new records of the same proposal
// version at once get different numbers. A connection keeps getting the
// same number until a record with that number (or a higher one) is stored,
// so posting an edited record, which asks for a number too, wastes none.
// Thread-safe.
#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <string>

namespace appsrv {

class NumberReservations {
 public:
  // The number for a new record of the scope (a table and a proposal
  // version) on the connection, given the highest number stored there.
  int Next(const std::string& scope, int64_t connection, int storedMax);
  // Forgets what the connection holds (it closed).
  void Release(int64_t connection);

 private:
  std::mutex mutex_;
  std::map<std::string, std::map<int64_t, int>> held_;  // scope -> connection -> number
};

}  // namespace appsrv
