#include "appserver/delta_applier.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "appserver/field_value.h"
#include "appserver/numbering_methods.h"
#include "platform/data/cp1252.h"
#include "platform/data/errors.h"
#include "platform/data/format.h"

namespace appsrv {

using plat::DeltaEntry;
using plat::EError;
using plat::Row;
using plat::Variant;

namespace {

constexpr const char* kNothingWritten = " Nenhuma alteração foi gravada.";

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
         });
}

// A number as the server's numbering hands it out: digits only, 1 to 999.
bool IsDetailNumber(const std::string& text) {
  if (text.empty() || text.size() > 3 ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return false;
  const int number = std::stoi(text);
  return number >= 1 && number <= kMaxDetailNumber;
}

// A column of the table together with the delta field that carries it.
struct Bound {
  const Column* column;
  std::size_t field;
};

class Applier {
 public:
  Applier(Storage& db, const TableDef& def, const plat::Delta& delta) : db_(db), def_(def) {
    for (const Column& column : db.TableColumns(def.table)) {
      int field = delta.FieldIndex(column.name);
      if (field >= 0) bound_.push_back({&column, std::size_t(field)});
    }
    for (const plat::FieldDef& field : delta.fields) {
      auto named = [&field](const std::string& name) { return SameName(name, field.name); };
      const auto& columns = db.TableColumns(def.table);
      if (std::none_of(columns.begin(), columns.end(), [&](const Column& c) { return named(c.name); }) &&
          std::none_of(def.otherFields.begin(), def.otherFields.end(), named))
        throw EError("O pacote de alterações de " + Noun() + " traz o campo " + field.name +
                     ", que não existe nesses dados." + kNothingWritten);
    }
    for (const auto& key : def.keys) {
      auto found = Find(key);
      if (!found)
        throw EError("O pacote de alterações de " + def.table + " não traz o campo-chave " + key + "." +
                     kNothingWritten);
      keys_.push_back(*found);
    }
  }

  void Apply(const DeltaEntry& change) {
    switch (change.kind) {
      case plat::ChangeKind::Insert:
        Insert(change.current);
        break;
      case plat::ChangeKind::Modify:
        Modify(change.original, change.current);
        break;
      case plat::ChangeKind::Delete:
        Delete(change.original);
        break;
    }
  }

 private:
  std::optional<Bound> Find(const std::string& name) const {
    for (const auto& bound : bound_)
      if (bound.column->name == name) return bound;
    return std::nullopt;
  }

  Variant Value(const Row& row, const Bound& bound) const {
    Variant value;
    try {
      value = ToFieldType(row.at(bound.field), bound.column->type);
    } catch (const plat::EConvertError& e) {
      throw EError("Valor inválido no campo " + Label(bound) + " de " + Noun() + ": " + e.what() + "." +
                   kNothingWritten);
    }
    // A text with NUL could neither be stored whole nor name a record.
    if (value.Type() == plat::VarType::Text)
      if (const std::string why = Unstorable(value); !why.empty())
        throw EError("Valor inválido no campo " + Label(bound) + " de " + Noun() + ": " + why + "." + kNothingWritten);
    return value;
  }

  std::string Values(const Row& row, const std::vector<Bound>& columns) const {
    std::string text;
    for (const auto& bound : columns) text += (text.empty() ? "" : ", ") + Label(bound) + " " + Shown(row, bound);
    return text;
  }

  std::string Label(const Bound& bound) const {
    for (const auto& [column, label] : def_.labels)
      if (column == bound.column->name) return label;
    return bound.column->name;
  }

  std::string Noun() const { return def_.noun.empty() ? def_.table : def_.noun; }

  // A value as the screen shows it: dates as dd/mm/yyyy, numbers shortest.
  std::string Shown(const Row& row, const Bound& bound) const {
    const Variant value = Value(row, bound);
    if (value.Type() == plat::VarType::DateTime) return plat::FormatDateTime("dd/mm/yyyy", value.ToDateTime());
    return StoredText(value);
  }

  // The record as its user names it: the noun and its own key values, then
  // the proposal it belongs to ("Sistema 10/FIN da proposta 1001/1").
  std::string Record(const Row& row) const {
    std::string own, proposal;
    for (const auto& key : keys_) {
      const bool ofProposal = key.column->name == "NRPROPOSFAS" || key.column->name == "NRVERPROPFAS";
      std::string& part = ofProposal ? proposal : own;
      part += (part.empty() ? "" : "/") + Shown(row, key);
    }
    if (own.empty()) return Noun() + " " + proposal;
    return Noun() + " " + own + (proposal.empty() ? "" : " da proposta " + proposal);
  }

  std::string KeyCondition(std::size_t firstParam) const {
    std::string where;
    for (std::size_t i = 0; i < keys_.size(); ++i)
      where += (i ? " AND " : "") + keys_[i].column->name + " = ?" + std::to_string(firstParam + i);
    return where;
  }

  Params KeyParams(const Row& row) const {
    Params params;
    for (const auto& key : keys_) params.push_back(Value(row, key));
    return params;
  }

  // A record about to be written: its key filled in, its texts within size.
  void CheckWritable(const Row& row) const {
    for (const auto& key : keys_) {
      const std::string text = StoredText(Value(row, key));
      if (text.empty())
        throw EError("O campo " + Label(key) + " de " + Record(row) + " deve ser informado." + kNothingWritten);
      if (key.column->name == def_.numbered && !IsDetailNumber(text))
        throw EError("O campo " + Label(key) + " de " + Record(row) + " deve ser um número de 1 a " +
                     std::to_string(kMaxDetailNumber) + ", como o servidor os numera." + kNothingWritten);
    }
    for (const auto& bound : bound_) {
      const bool text = bound.column->type == plat::FieldType::String || bound.column->type == plat::FieldType::Blob;
      if (!text) {
        // Numbers every list can still add up.
        if (const std::string why = Unstorable(Value(row, bound)); !why.empty())
          throw EError("O campo " + Label(bound) + " de " + Record(row) + ": " + why + "." + kNothingWritten);
        continue;
      }
      // The screen's texts are of code page 1252: a character it lacks could
      // never be shown or sent back unchanged.
      const std::string stored = StoredText(Value(row, bound));
      const std::string foreign = plat::FirstNonCp1252(stored);
      if (!foreign.empty())
        throw EError("O campo " + Label(bound) + " de " + Record(row) + " contém o caractere '" + foreign +
                     "', que a página de código 1252 não tem." + kNothingWritten);
      int size = bound.column->size;
      if (bound.column->type != plat::FieldType::String || size <= 0) continue;
      std::size_t length = plat::CharCount(stored);
      if (length > std::size_t(size))
        throw EError("O campo " + Label(bound) + " de " + Record(row) + " aceita no máximo " + std::to_string(size) +
                     " caracteres e recebeu " + std::to_string(length) + "." + kNothingWritten);
    }
  }

  // The stored values of the record with the row's key, in the order of bound_.
  std::optional<Row> Stored(const Row& original) {
    std::string columns;
    for (const auto& bound : bound_) columns += (columns.empty() ? "" : ", ") + bound.column->name;
    auto found =
        db_.Query("SELECT " + columns + " FROM " + def_.table + " WHERE " + KeyCondition(1), KeyParams(original));
    if (found.rows.empty()) return std::nullopt;
    return found.rows.front();
  }

  // Refuses the change when another user changed a column since the client
  // read it, unless the column already holds what the client wants.
  void CheckUnchanged(const Row& stored, const Row& original, const Row* current) const {
    for (std::size_t i = 0; i < bound_.size(); ++i) {
      const Bound& bound = bound_[i];
      Variant read = Value(original, bound);
      if (SameValue(stored[i], read, bound.column->type)) continue;
      if (current && SameValue(stored[i], Value(*current, bound), bound.column->type)) continue;
      throw EError("O registro " + Record(original) + " foi alterado por outro usuário depois de lido (campo " +
                   Label(bound) + ": lido '" + read.ToText() + "', gravado agora '" +
                   ToFieldType(stored[i], bound.column->type).ToText() +
                   "'). Recarregue os dados e refaça a alteração." + kNothingWritten);
    }
  }

  // A record other records still name keeps the columns they name: it is
  // neither deleted (current null) nor are those columns changed.
  void CheckNotNamed(const Row& original, const Row* current) {
    for (const Reference& reference : def_.references) {
      std::vector<Bound> columns;
      bool changes = current == nullptr;
      for (const auto& name : reference.columns) {
        auto bound = Find(name);
        if (!bound) return;  // the delta does not carry what names it
        columns.push_back(*bound);
        if (current && !SameValue(Value(original, *bound), Value(*current, *bound), bound->column->type))
          changes = true;
      }
      if (!changes) continue;
      std::string where;
      Params params;
      for (std::size_t i = 0; i < columns.size(); ++i) {
        where += (i ? " AND " : "") + columns[i].column->name + " = ?" + std::to_string(i + 1);
        params.push_back(Value(original, columns[i]));
      }
      if (db_.Query("SELECT 1 FROM " + reference.table + " WHERE " + where, params).rows.empty()) continue;
      std::string message = reference.refusal;
      for (std::size_t i = 0; i < params.size(); ++i) {
        const std::string mark = "{" + std::to_string(i + 1) + "}", value = StoredText(params[i]);
        for (auto at = message.find(mark); at != std::string::npos; at = message.find(mark, at + value.size()))
          message.replace(at, mark.size(), value);
      }
      throw EError(message + kNothingWritten);
    }
  }

  // The stored record the client read; refused when it is gone.
  Row Existing(const Row& original, const char* whatHappened) {
    auto stored = Stored(original);
    if (!stored)
      throw EError("O registro " + Record(original) + " " + whatHappened + " por outro usuário. Recarregue os dados." +
                   kNothingWritten);
    return *stored;
  }

  void Insert(const Row& current) {
    CheckWritable(current);
    Params params;
    params.reserve(bound_.size());
    for (const auto& bound : bound_) params.push_back(Value(current, bound));
    Run(InsertStatement(), params, current);
  }

  // Every insert of the delta writes the same columns: one statement.
  const std::string& InsertStatement() {
    if (insert_.empty()) {
      std::string columns, marks;
      for (std::size_t i = 0; i < bound_.size(); ++i) {
        columns += (columns.empty() ? "" : ", ") + bound_[i].column->name;
        marks += (marks.empty() ? "?" : ", ?") + std::to_string(i + 1);
      }
      insert_ = "INSERT INTO " + def_.table + " (" + columns + ") VALUES (" + marks + ")";
    }
    return insert_;
  }

  void Modify(const Row& original, const Row& current) {
    Row stored = Existing(original, "não existe mais: foi excluído");
    CheckUnchanged(stored, original, &current);
    CheckWritable(current);
    std::string sets;
    Params params;
    for (std::size_t i = 0; i < bound_.size(); ++i) {
      const Bound& bound = bound_[i];
      Variant wanted = Value(current, bound);
      if (SameValue(stored[i], wanted, bound.column->type)) continue;
      sets += (sets.empty() ? "" : ", ") + bound.column->name + " = ?" + std::to_string(params.size() + 1);
      params.push_back(wanted);
    }
    if (sets.empty()) return;
    CheckNotNamed(original, &current);
    const std::size_t first = params.size() + 1;
    for (auto& key : KeyParams(original)) params.push_back(key);
    Run("UPDATE " + def_.table + " SET " + sets + " WHERE " + KeyCondition(first), params, current);
  }

  void Delete(const Row& original) {
    Row stored = Existing(original, "já foi excluído");
    CheckUnchanged(stored, original, nullptr);
    CheckNotNamed(original, nullptr);
    Run("DELETE FROM " + def_.table + " WHERE " + KeyCondition(1), KeyParams(original), original);
  }

  // Runs a write and turns a constraint the database refused into a message
  // naming the record.
  void Run(const std::string& sql, const Params& params, const Row& row) {
    try {
      db_.Execute(sql, params);
    } catch (const EStorageError& e) {
      switch (e.Failure()) {
        case StorageFailure::Duplicate: {
          std::vector<Bound> columns;
          for (const auto& name : e.Columns())
            if (auto bound = Find(name)) columns.push_back(*bound);
          // The record names its key already; other unique columns are named
          // after it.
          std::vector<Bound> others;
          for (const auto& bound : columns)
            if (std::none_of(keys_.begin(), keys_.end(), [&](const Bound& key) { return key.column == bound.column; }))
              others.push_back(bound);
          throw EError("Registro já existente: " + Record(row) +
                       (others.empty() ? std::string() : " (" + Values(row, others) + ")") + "." + kNothingWritten);
        }
        case StorageFailure::MissingParent:
          throw EError("O registro " + Record(row) + " não corresponde a nenhum registro de " +
                       (!def_.parentNoun.empty() ? def_.parentNoun
                        : def_.parent.empty()    ? std::string("outra tabela")
                                                 : def_.parent) +
                       "." + kNothingWritten);
        case StorageFailure::NotNull: {
          std::string field = "obrigatório";
          if (!e.Columns().empty()) {
            auto bound = Find(e.Columns().front());
            field = bound ? Label(*bound) : e.Columns().front();
          }
          throw EError("O campo " + field + " de " + Record(row) + " deve ser informado." + kNothingWritten);
        }
        default:
          throw;
      }
    }
  }

  Storage& db_;
  const TableDef& def_;
  std::vector<Bound> bound_;
  std::vector<Bound> keys_;
  std::string insert_;
};

}  // namespace

void ApplyDelta(Storage& db, const TableDef& def, const plat::Delta& delta) {
  db.Transaction(TxMode::Write, [&] {
    Applier applier(db, def, delta);
    for (const auto& change : delta.changes) applier.Apply(change);
  });
}

}  // namespace appsrv
