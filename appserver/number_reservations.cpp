#include "appserver/number_reservations.h"

#include <algorithm>

namespace appsrv {

int NumberReservations::Next(const std::string& scope, int64_t connection, int storedMax) {
  std::lock_guard lock(mutex_);
  auto& holders = held_[scope];
  auto mine = holders.find(connection);
  if (mine != holders.end() && mine->second > storedMax) return mine->second;
  int highest = storedMax;
  for (const auto& [holder, number] : holders)
    if (holder != connection) highest = std::max(highest, number);
  holders[connection] = highest + 1;
  return highest + 1;
}

void NumberReservations::Release(int64_t connection) {
  std::lock_guard lock(mutex_);
  for (auto it = held_.begin(); it != held_.end();) {
    it->second.erase(connection);
    it = it->second.empty() ? held_.erase(it) : std::next(it);
  }
}

}  // namespace appsrv
