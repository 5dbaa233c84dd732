#include "platform/data/query.h"

#include <sqlite3.h>

#include <cctype>

#include "platform/data/errors.h"
#include "platform/data/localdb.h"

namespace plat {

namespace {

// Names of the ":NAME" parameters of a statement, in first-seen order,
// skipping quoted text.
std::vector<std::string> ParameterNames(const std::string& sql) {
  std::vector<std::string> names;
  char quote = 0;
  for (std::size_t i = 0; i < sql.size(); ++i) {
    char c = sql[i];
    if (quote) {
      if (c == quote) quote = 0;
      continue;
    }
    if (c == '\'' || c == '"') {
      quote = c;
      continue;
    }
    if (c == ':' && i + 1 < sql.size() && (std::isalpha(static_cast<unsigned char>(sql[i + 1])) || sql[i + 1] == '_')) {
      std::size_t j = i + 1;
      while (j < sql.size() && (std::isalnum(static_cast<unsigned char>(sql[j])) || sql[j] == '_')) ++j;
      std::string name = sql.substr(i + 1, j - i - 1);
      bool seen = false;
      for (auto& n : names) seen = seen || n == name;
      if (!seen) names.push_back(name);
      i = j - 1;
    }
  }
  return names;
}

FieldType ColumnType(sqlite3_stmt* stmt, int column) {
  const char* declared = sqlite3_column_decltype(stmt, column);
  std::string type = declared ? declared : "";
  for (auto& c : type) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (type.find("DATE") != std::string::npos || type.find("TIME") != std::string::npos) return FieldType::DateTime;
  if (type.find("INT") != std::string::npos) return FieldType::Integer;
  if (type.find("REAL") != std::string::npos || type.find("FLOA") != std::string::npos ||
      type.find("DOUB") != std::string::npos)
    return FieldType::Float;
  if (type.find("NUM") != std::string::npos || type.find("DEC") != std::string::npos) return FieldType::Decimal;
  if (type.find("BLOB") != std::string::npos || type.find("CLOB") != std::string::npos) return FieldType::Blob;
  return FieldType::String;
}

int ColumnSize(sqlite3_stmt* stmt, int column) {
  const char* declared = sqlite3_column_decltype(stmt, column);
  std::string type = declared ? declared : "";
  auto open = type.find('(');
  if (open == std::string::npos) return 0;
  return std::atoi(type.c_str() + open + 1);
}

Variant ColumnValue(sqlite3_stmt* stmt, int column) {
  switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_NULL:
      return Variant();
    case SQLITE_INTEGER:
      return Variant(static_cast<int64_t>(sqlite3_column_int64(stmt, column)));
    case SQLITE_FLOAT:
      return Variant(sqlite3_column_double(stmt, column));
    default: {
      auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
      return Variant(std::string(text ? text : "", sqlite3_column_bytes(stmt, column)));
    }
  }
}

void Bind(sqlite3_stmt* stmt, int index, const Variant& value) {
  switch (value.Type()) {
    case VarType::Null:
      sqlite3_bind_null(stmt, index);
      break;
    case VarType::Integer:
    case VarType::Boolean:
      sqlite3_bind_int64(stmt, index, value.ToInt());
      break;
    case VarType::Float:
      sqlite3_bind_double(stmt, index, value.ToDouble());
      break;
    case VarType::DateTime: {
      std::string iso = value.ToDateTime().ToIso();
      sqlite3_bind_text(stmt, index, iso.c_str(), static_cast<int>(iso.size()), SQLITE_TRANSIENT);
      break;
    }
    default: {
      std::string text = value.Type() == VarType::Decimal ? value.ToDecimal().ToString() : value.ToText();
      sqlite3_bind_text(stmt, index, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    }
  }
}

struct Statement {
  sqlite3_stmt* stmt = nullptr;
  ~Statement() { sqlite3_finalize(stmt); }
};

}  // namespace

TADOIBQuery::TADOIBQuery(TComponent* owner, std::string name, TLocalDatabase* database)
    : TDataSet(owner, std::move(name)), database_(database) {}

void TADOIBQuery::SetSQL(std::string sql) {
  Close();
  sql_ = std::move(sql);
  std::vector<TParam> params;
  for (auto& name : ParameterNames(sql_)) {
    TParam param(name);
    for (auto& old : params_)
      if (old.Name() == name) param.SetValue(old.Value());
    params.push_back(std::move(param));
  }
  params_ = std::move(params);
}

TParam& TADOIBQuery::ParamByName(std::string_view name) {
  for (auto& param : params_)
    if (param.Name() == name) return param;
  Fail("Parameter '" + std::string(name) + "' not found");
}

void TADOIBQuery::InternalOpen() {
  if (!database_ || !database_->Connected()) Fail("The local database is not connected");
  Statement st;
  if (sqlite3_prepare_v2(database_->Handle(), sql_.c_str(), -1, &st.stmt, nullptr) != SQLITE_OK)
    Fail(std::string("Invalid query: ") + sqlite3_errmsg(database_->Handle()));
  if (!st.stmt) Fail("The query has no SQL statement");
  for (auto& param : params_) {
    std::string token = ":" + param.Name();
    int index = sqlite3_bind_parameter_index(st.stmt, token.c_str());
    if (index > 0) Bind(st.stmt, index, param.Value());
  }
  int columns = sqlite3_column_count(st.stmt);
  if (!HasDeclaredFields()) {
    ClearFields();
    for (int c = 0; c < columns; ++c)
      AddFieldFromDef({sqlite3_column_name(st.stmt, c), ColumnType(st.stmt, c), ColumnSize(st.stmt, c)});
  }
  std::vector<int> source(Fields().size(), -1);
  for (auto* field : Fields()) {
    if (field->Calculated()) continue;
    for (int c = 0; c < columns; ++c)
      if (field->FieldName() == sqlite3_column_name(st.stmt, c)) source[field->Index()] = c;
    if (source[field->Index()] < 0) Fail("Field '" + field->FieldName() + "' not found in the query's result");
  }
  std::vector<Record> records;
  int rc;
  while ((rc = sqlite3_step(st.stmt)) == SQLITE_ROW) {
    Record record = NewRecord();
    for (auto* field : Fields()) {
      int c = source[field->Index()];
      if (c < 0) continue;
      Variant value = ColumnValue(st.stmt, c);
      record.values[field->Index()] = field->Convert(value);  // stored data is not checked again
    }
    records.push_back(std::move(record));
  }
  if (rc != SQLITE_DONE) Fail(std::string("Query failed: ") + sqlite3_errmsg(database_->Handle()));
  OpenWith(std::move(records));
}

}  // namespace plat
