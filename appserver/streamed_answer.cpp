#include "appserver/streamed_answer.h"

#include <optional>

#include "appserver/field_value.h"
#include "platform/data/format.h"

namespace appsrv {

namespace {

using plat::FieldType;
using plat::Variant;
using plat::VarType;

bool IsText(FieldType type) { return type == FieldType::String || type == FieldType::Blob; }

// The field type Query gives a computed column of values of one kind.
FieldType TypeOfKind(VarType kind) {
  switch (kind) {
    case VarType::Integer:
      return FieldType::Integer;
    case VarType::Float:
      return FieldType::Float;
    default:
      return FieldType::String;
  }
}

// A value converted as Query and then Shape convert it: to its column's
// type, then to its field's.
Variant Converted(Variant value, FieldType column, FieldType field) {
  try {
    if (!plat::OfFieldType(value, column)) value = ToFieldType(value, column);
    if (!plat::OfFieldType(value, field)) value = ToFieldType(value, field);
  } catch (const plat::EConvertError&) {
    throw NotStreamable();  // the whole way names the column or field
  }
  return value;
}

class ShapedRows final : public RowVisitor {
 public:
  explicit ShapedRows(plat::PacketAnswerWriter& out) : out_(out) {}

  void Columns(const std::vector<ResultColumn>& columns) override {
    for (const auto& field : out_.Fields()) {
      std::size_t at = 0;
      while (at < columns.size() && !plat::SameText(columns[at].column.name, field.name)) ++at;
      if (at == columns.size()) throw NotStreamable();
      Source source{static_cast<int>(at), field.type, std::nullopt, !columns[at].typed};
      if (columns[at].typed) source.column = columns[at].column.type;
      sources_.push_back(source);
    }
  }

  void Row(const ResultRow& row) override {
    for (Source& source : sources_) {
      const VarType kind = row.Kind(source.at);
      if (kind == VarType::Null) {
        out_.Null();
        continue;
      }
      const FieldType column = ColumnType(source, kind);
      if (kind == VarType::Text && IsText(column) && IsText(source.field)) {
        out_.Text(row.Text(source.at));
      } else if (kind == VarType::Text && column == FieldType::DateTime && source.field == FieldType::DateTime) {
        // A date stored as the text the answer carries goes as it is.
        const std::string_view text = row.Text(source.at);
        if (plat::DateTime::IsWrittenIso(text))
          out_.WrittenDate(text);
        else
          out_.Value(Date(text));
      } else {
        out_.Value(Converted(row.Value(source.at), column, source.field));
      }
    }
    out_.EndRow();
  }

 private:
  struct Source {
    int at;                           // the result's column
    FieldType field;                  // the declared field's type
    std::optional<FieldType> column;  // the column's type, once known
    bool computed;                    // typed by its values
  };

  // A computed column takes the type of its first value; a value of
  // another kind would have given the column another type in Query.
  static FieldType ColumnType(Source& source, VarType kind) {
    if (!source.column) {
      source.column = TypeOfKind(kind);
    } else if (source.computed && *source.column != TypeOfKind(kind)) {
      throw NotStreamable();
    }
    return *source.column;
  }

  // A date stored as text, read as ToFieldType reads it.
  static Variant Date(std::string_view text) {
    try {
      return plat::DateTime::ParseIso(text);
    } catch (const plat::EConvertError&) {
      throw NotStreamable();
    }
  }

  plat::PacketAnswerWriter& out_;
  std::vector<Source> sources_;
};

}  // namespace

void StreamShaped(Storage& db, const std::string& sql, const Params& params, plat::PacketAnswerWriter& out) {
  ShapedRows rows(out);
  db.QueryRows(sql, params, rows);
  out.Finish();
}

}  // namespace appsrv
