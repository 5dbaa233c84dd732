#include "appserver/packet_shape.h"

#include <stdexcept>
#include <string>

#include "appserver/field_value.h"
#include "platform/data/errors.h"

namespace appsrv {

using plat::FieldDef;
using plat::FieldType;

namespace {

std::string_view Trim(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

FieldDef ParseField(std::string_view item) {
  auto space = item.find(' ');
  if (space == std::string_view::npos) throw std::invalid_argument("Campo sem tipo: '" + std::string(item) + "'");
  std::string_view type = Trim(item.substr(space + 1));
  FieldDef def;
  def.name = std::string(item.substr(0, space));
  if (type.empty()) throw std::invalid_argument("Campo sem tipo: '" + std::string(item) + "'");
  int size = type.size() > 1 ? std::stoi(std::string(type.substr(1))) : 0;
  switch (type.front()) {
    case 'S':
      def.type = FieldType::String;
      def.size = size;
      break;
    case 'D':
      def.type = FieldType::Decimal;
      def.size = size;
      break;
    case 'F':
      def.type = FieldType::Float;
      break;
    case 'T':
      def.type = FieldType::DateTime;
      break;
    case 'B':
      def.type = FieldType::Blob;
      break;
    case 'I':
      def.type = FieldType::Integer;
      break;
    default:
      throw std::invalid_argument("Tipo de campo desconhecido: '" + std::string(item) + "'");
  }
  if ((def.type == FieldType::String || def.type == FieldType::Decimal) && size <= 0)
    throw std::invalid_argument("Campo sem tamanho: '" + std::string(item) + "'");
  return def;
}

}  // namespace

std::vector<FieldDef> ParseFields(std::string_view list) {
  std::vector<FieldDef> fields;
  while (!Trim(list).empty()) {
    auto comma = list.find(',');
    fields.push_back(ParseField(Trim(list.substr(0, comma))));
    if (comma == std::string_view::npos) break;
    list.remove_prefix(comma + 1);
  }
  return fields;
}

plat::DataPacket Shape(plat::DataPacket source, const std::vector<FieldDef>& declared) {
  if (declared.empty()) return source;
  std::vector<int> from;
  for (const auto& field : declared) {
    int index = source.FieldIndex(field.name);
    if (index < 0) throw plat::EError("A resposta do servidor não tem o campo " + field.name);
    from.push_back(index);
  }
  // Each declared field takes another column (the names differ), so a value
  // of the right kind is moved rather than copied. A stored value that does
  // not read fails the list with the record named by its codes and numbers.
  // `done` holds the fields before i already taken out of the row, if any.
  auto shaped = [&declared, &from](plat::Variant& value, std::size_t i, const plat::Row& row,
                                   const plat::Row* done) -> plat::Variant {
    if (plat::OfFieldType(value, declared[i].type)) return std::move(value);
    try {
      return ToFieldType(value, declared[i].type);
    } catch (const plat::EConvertError& e) {
      // The proposal first, then the record's own codes and numbers.
      std::string proposal, own;
      for (std::size_t f = 0; f < declared.size(); ++f) {
        const std::string& name = declared[f].name;
        const plat::Variant& key = done && f < i ? (*done)[f] : row[std::size_t(from[f])];
        if (declared[f].type != FieldType::String || key.Type() != plat::VarType::Text || key.Text().empty()) continue;
        if (name.rfind("NR", 0) != 0 && name.rfind("CD", 0) != 0) continue;
        std::string& part = name == "NRPROPOSFAS" || name == "NRVERPROPFAS" ? proposal : own;
        part.append(part.empty() ? "" : "/").append(key.Text());
      }
      const std::string record = proposal + (proposal.empty() || own.empty() ? "" : "/") + own;
      throw plat::EError("Valor ilegível no campo " + declared[i].name +
                         (record.empty() ? "" : " do registro " + record) + ": " + e.what() +
                         ". Corrija o valor gravado no banco de dados.");
    }
  };
  bool inPlace = from.size() == source.fields.size();
  for (std::size_t i = 0; inPlace && i < from.size(); ++i) inPlace = from[i] == static_cast<int>(i);
  if (inPlace) {
    // The statement reads the declared fields in their order: the rows are
    // converted where they are.
    for (auto& row : source.rows) {
      for (std::size_t i = 0; i < declared.size(); ++i)
        if (!plat::OfFieldType(row[i], declared[i].type)) row[i] = shaped(row[i], i, row, nullptr);
    }
    source.fields = declared;
    return source;
  }
  plat::DataPacket packet;
  packet.fields = declared;
  packet.rows.reserve(source.rows.size());
  for (auto& row : source.rows) {
    plat::Row out;
    out.reserve(declared.size());
    for (std::size_t i = 0; i < declared.size(); ++i) out.push_back(shaped(row[std::size_t(from[i])], i, row, &out));
    packet.rows.push_back(std::move(out));
  }
  return packet;
}

}  // namespace appsrv
