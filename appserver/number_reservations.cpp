#include "appserver/number_reservations.h"

#include <algorithm>

namespace appsrv {

using plat::Variant;

namespace {

std::string ProcessOf(const std::string& holder) { return holder.substr(0, holder.rfind('#')); }

// Drops the rows of the holders whose server process has ended; returns
// the processes found ended.
std::vector<std::string> DropEnded(Storage& db, const std::vector<std::string>& holders) {
  std::vector<std::string> processes;
  for (const auto& holder : holders)
    if (std::find(processes.begin(), processes.end(), ProcessOf(holder)) == processes.end())
      processes.push_back(ProcessOf(holder));
  auto ended = db.EndedSessions(processes);
  for (const auto& holder : holders)
    if (std::find(ended.begin(), ended.end(), ProcessOf(holder)) != ended.end())
      db.Execute("DELETE FROM NUMERORESERVADO WHERE SESSAO = ?1", {Variant(holder)});
  return ended;
}

}  // namespace

void CreateReservationTable(Storage& db) {
  db.CreateTables(
      "CREATE TABLE IF NOT EXISTS NUMERORESERVADO ("
      " ESCOPO VARCHAR(60) NOT NULL,"
      " SESSAO VARCHAR(60) NOT NULL,"
      " NUMERO INTEGER NOT NULL,"
      " PRIMARY KEY (ESCOPO, SESSAO))");
}

int ReserveNumber(Storage& db, const std::string& me, const std::string& scope, int storedMax) {
  auto holders = db.Query("SELECT SESSAO, NUMERO FROM NUMERORESERVADO WHERE ESCOPO = ?1", {Variant(scope)});
  std::vector<std::string> others;
  for (const auto& row : holders.rows)
    if (row[0].ToText() != me) others.push_back(row[0].ToText());
  const auto ended = DropEnded(db, others);
  int highest = storedMax;
  for (const auto& row : holders.rows) {
    const std::string holder = row[0].ToText();
    const int number = static_cast<int>(row[1].ToInt());
    if (holder == me) {
      if (number > storedMax) return number;
    } else if (std::find(ended.begin(), ended.end(), ProcessOf(holder)) == ended.end()) {
      highest = std::max(highest, number);
    }
  }
  db.Execute(
      "INSERT INTO NUMERORESERVADO (ESCOPO, SESSAO, NUMERO) VALUES (?1, ?2, ?3)"
      " ON CONFLICT (ESCOPO, SESSAO) DO UPDATE SET NUMERO = excluded.NUMERO",
      {Variant(scope), Variant(me), Variant(static_cast<int64_t>(highest + 1))});
  return highest + 1;
}

void ReleaseNumbers(Storage& db, const std::string& holder) {
  db.Execute("DELETE FROM NUMERORESERVADO WHERE SESSAO = ?1", {Variant(holder)});
}

void DropEndedReservations(Storage& db) {
  std::vector<std::string> sessions;
  for (const auto& row : db.Query("SELECT DISTINCT SESSAO FROM NUMERORESERVADO").rows)
    sessions.push_back(row[0].ToText());
  DropEnded(db, sessions);
}

}  // namespace appsrv
