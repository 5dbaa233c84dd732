#include "appserver/server_object.h"

#include <cctype>
#include <stdexcept>

#include "appserver/field_value.h"
#include "platform/data/errors.h"

namespace appsrv {

using plat::Variant;
using plat::VarType;

namespace {

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

const char* KindText(ArgKind kind) {
  switch (kind) {
    case ArgKind::Text:
      return "um texto";
    case ArgKind::Number:
      return "um número";
    case ArgKind::DateTime:
      return "uma data";
    case ArgKind::Delta:
      return "um pacote de alterações (delta)";
  }
  return "";
}

std::string GivenText(const plat::RpcArg& arg) {
  if (arg.IsDelta()) return "um pacote de alterações (delta)";
  if (arg.Value().IsNull()) return "nenhum valor";
  return std::string("um valor do tipo ") + plat::VarTypeName(arg.Value().Type());
}

bool Suits(const plat::RpcArg& arg, ArgKind kind) {
  if (kind == ArgKind::Delta) return arg.IsDelta();
  if (arg.IsDelta()) return false;
  const Variant& v = arg.Value();
  switch (kind) {
    case ArgKind::Text:
      return v.Type() == VarType::Text || v.IsNull();
    case ArgKind::Number:  // a number is always given: none would be stored as 0
      return v.Type() == VarType::Float || v.Type() == VarType::Integer || v.Type() == VarType::Decimal;
    case ArgKind::DateTime:
      if (v.IsNull() || v.Type() == VarType::DateTime) return true;
      if (v.Type() != VarType::Text) return false;
      try {
        plat::DateTime::ParseIso(v.Text());
        return true;
      } catch (const plat::EConvertError&) {
        return false;
      }
    case ArgKind::Delta:
      return false;
  }
  return false;
}

}  // namespace

std::string CallArgs::Text(std::size_t i) const { return args_.at(i).Value().ToText(); }

double CallArgs::Number(std::size_t i) const { return args_.at(i).Value().ToDouble(); }

std::optional<plat::DateTime> CallArgs::Date(std::size_t i) const {
  const Variant& v = args_.at(i).Value();
  if (v.IsNull()) return std::nullopt;
  return ToFieldType(v, plat::FieldType::DateTime).ToDateTime();
}

const plat::Delta& CallArgs::DeltaAt(std::size_t i) const { return args_.at(i).DeltaValue(); }

std::vector<Variant> CallArgs::Texts() const {
  std::vector<Variant> texts;
  for (std::size_t i = 0; i < args_.size(); ++i) texts.emplace_back(Text(i));
  return texts;
}

void ServerObject::Add(Method method) {
  if (Find(method.name)) throw std::logic_error("Método repetido em " + name_ + ": " + method.name);
  methods_.push_back(std::move(method));
}

const Method* ServerObject::Find(std::string_view name) const {
  for (const auto& method : methods_)
    if (SameName(method.name, name)) return &method;
  return nullptr;
}

CallArgs CheckArgs(const Method& method, const std::vector<plat::RpcArg>& args) {
  if (args.size() != method.args.size()) {
    std::string names;
    for (const auto& arg : method.args) names += (names.empty() ? "" : ", ") + arg.name;
    throw plat::EError(method.name + " espera " + std::to_string(method.args.size()) + " argumento(s)" +
                       (names.empty() ? "" : " (" + names + ")") + " e recebeu " + std::to_string(args.size()) + ".");
  }
  for (std::size_t i = 0; i < args.size(); ++i) {
    const ArgDef& def = method.args[i];
    const std::string argument = method.name + ": o argumento " + std::to_string(i + 1) + " (" + def.name + ")";
    if (!Suits(args[i], def.kind))
      throw plat::EError(argument + " deve ser " + KindText(def.kind) + "; recebeu " + GivenText(args[i]) + ".");
    if (args[i].IsDelta()) continue;
    if (const std::string why = Unstorable(args[i].Value()); !why.empty())
      throw plat::EError(argument + " foi recusado: " + why + ".");
  }
  return CallArgs(args);
}

}  // namespace appsrv
