// Storage: the application server's access to its database, behind one
// interface with two back ends: an SQLite file and a PostgreSQL database.
//
// Statements use numbered parameters ("?1", "?2"; "?" counts on) and are
// always given their values as parameters, never pasted into the text.
// Values travel as plat::Variant: text, float, integer, decimal (exact text),
// date-time (ISO text "yyyy-mm-ddThh:mm:ss"), null.
//
// One Storage belongs to one thread (one client connection); several
// Storage objects may work on the same database at once. Failures throw
// EStorageError, whose kind lets callers turn a refused duplicate or a
// missing parent record into a message naming the record.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "appserver/result_rows.h"
#include "platform/data/errors.h"
#include "platform/data/field_def.h"
#include "platform/data/packet.h"

namespace appsrv {

enum class StorageFailure {
  Other,
  Duplicate,      // a primary key or unique constraint refused the row
  MissingParent,  // a foreign key found no parent record
  NotNull,        // a required column was left empty
  Busy,           // another writer held the database longer than the wait allowed
  Lost,           // the connection to the database server broke; the next call makes it again
};

class EStorageError : public plat::EError {
 public:
  EStorageError(StorageFailure failure, const std::string& message, std::vector<std::string> columns = {})
      : plat::EError(message), failure_(failure), columns_(std::move(columns)) {}
  StorageFailure Failure() const { return failure_; }
  // The columns the refused constraint covers (Duplicate, NotNull), when known.
  const std::vector<std::string>& Columns() const { return columns_; }

 private:
  StorageFailure failure_;
  std::vector<std::string> columns_;
};

using Params = std::vector<plat::Variant>;

enum class TxMode {
  Read,   // a consistent read of several statements
  Write,  // takes the write lock at once, so a read-check-write sequence
          // sees no other writer between its steps
};

class Storage {
 public:
  virtual ~Storage() = default;

  // Runs one statement and returns its rows. Columns read straight from a
  // table are typed by the column's declaration; computed columns by the
  // values they hold (integer, float or string). A statement that returns
  // no columns gives an empty packet.
  virtual plat::DataPacket Query(const std::string& sql, const Params& params = {}) = 0;
  // Runs one statement and hands its rows to the visitor one at a time as
  // it reads them: the columns and values Query gives, except that a
  // computed column's values come as the database gives them (ResultRow).
  // The back end that has no quicker way runs Query and visits its rows.
  virtual void QueryRows(const std::string& sql, const Params& params, RowVisitor& visitor);
  // Runs one statement without rows; returns the number of rows changed.
  virtual int64_t Execute(const std::string& sql, const Params& params = {}) = 0;
  // Runs a text of several statements without parameters (scripts).
  virtual void ExecuteScript(const std::string& sql) = 0;
  // Runs a schema written in the schema's own column types (VARCHAR(n),
  // INTEGER, FLOAT, NUMERIC(n), DATETIME, CLOB), each declared in the back
  // end's words so that it reads back as the same field types.
  virtual void CreateTables(const std::string& schema) = 0;
  // Brings the tables of a database made by an earlier server to what
  // CreateTables declares now, keeping their data.
  virtual void UpgradeTables() {}
  // The columns of a table in declared order; EStorageError for an unknown table.
  virtual const std::vector<Column>& TableColumns(const std::string& table) = 0;
  virtual bool TableExists(const std::string& table) = 0;
  // Runs work in one transaction: commits when it returns, rolls everything
  // back when it throws (and rethrows). Transactions do not nest.
  virtual void Transaction(TxMode mode, const std::function<void()>& work) = 0;

  // This connection's name among all connections to the database, from any
  // server process: no other live connection has it.
  virtual const std::string& SessionName() = 0;
  // Those of the names that belong to connections no longer alive: closed,
  // or of a server process that ended.
  virtual std::vector<std::string> EndedSessions(const std::vector<std::string>& names) = 0;
};

// Opens (creating when missing) an SQLite database file: WAL journal, foreign
// keys enforced, and a wait of up to busyTimeoutMs for another writer.
std::unique_ptr<Storage> OpenSqliteStorage(const std::string& path, int busyTimeoutMs = 10000);

// Opens a PostgreSQL database given by a connection URI
// ("postgresql://user@host:port/database"); writers wait up to 10 s.
std::unique_ptr<Storage> OpenPostgresStorage(const std::string& uri);

// True for a database given as a PostgreSQL connection URI.
bool IsPostgresUri(const std::string& database);
// Opens the database: a PostgreSQL URI, else an SQLite file path.
std::unique_ptr<Storage> OpenStorage(const std::string& database);
// Creates a PostgreSQL database that does not exist yet (UTF-8, through the
// server's "postgres" database; the role needs the right to create
// databases), as opening a missing SQLite file creates it. Nothing for a file.
void CreateDatabaseIfMissing(const std::string& database);

// The field type and size of a declared column type ("VARCHAR(20)" ->
// string 20), by the rules the host's local queries use.
Column ColumnFromDeclaration(const std::string& name, const std::string& declaredType);

}  // namespace appsrv
