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

plat::DataPacket Shape(const plat::DataPacket& source, const std::vector<FieldDef>& declared) {
  if (declared.empty()) return source;
  std::vector<int> from;
  for (const auto& field : declared) {
    int index = source.FieldIndex(field.name);
    if (index < 0) throw plat::EError("A resposta do servidor não tem o campo " + field.name);
    from.push_back(index);
  }
  plat::DataPacket packet;
  packet.fields = declared;
  packet.rows.reserve(source.rows.size());
  for (const auto& row : source.rows) {
    plat::Row shaped;
    shaped.reserve(declared.size());
    for (std::size_t i = 0; i < declared.size(); ++i) {
      try {
        shaped.push_back(ToFieldType(row[std::size_t(from[i])], declared[i].type));
      } catch (const plat::EConvertError& e) {
        throw plat::EError("Valor inválido no campo " + declared[i].name + ": " + e.what());
      }
    }
    packet.rows.push_back(std::move(shaped));
  }
  return packet;
}

}  // namespace appsrv
