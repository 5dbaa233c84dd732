#include "appserver/storage.h"

#include "appserver/postgres_admin.h"

namespace appsrv {

namespace {

// A row of a packet Query gave, visited as a result row.
class PacketRow final : public ResultRow {
 public:
  explicit PacketRow(const plat::Row& row) : row_(row) {}
  plat::VarType Kind(int column) const override { return row_[std::size_t(column)].Type(); }
  std::string_view Text(int column) const override { return row_[std::size_t(column)].Text(); }
  plat::Variant Value(int column) const override { return row_[std::size_t(column)]; }

 private:
  const plat::Row& row_;
};

}  // namespace

void Storage::QueryRows(const std::string& sql, const Params& params, RowVisitor& visitor) {
  const plat::DataPacket packet = Query(sql, params);
  std::vector<ResultColumn> columns;
  for (const auto& field : packet.fields) columns.push_back({{field.name, field.type, field.size}, true});
  visitor.Columns(columns);
  for (const auto& row : packet.rows) visitor.Row(PacketRow(row));
}

bool IsPostgresUri(const std::string& database) {
  return database.rfind("postgresql://", 0) == 0 || database.rfind("postgres://", 0) == 0;
}

std::unique_ptr<Storage> OpenStorage(const std::string& database) {
  return IsPostgresUri(database) ? OpenPostgresStorage(database) : OpenSqliteStorage(database);
}

void CreateDatabaseIfMissing(const std::string& database) {
  if (IsPostgresUri(database)) CreatePostgresDatabaseIfMissing(database);
}

}  // namespace appsrv
