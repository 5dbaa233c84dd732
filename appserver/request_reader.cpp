#include "appserver/request_reader.h"

#include <nlohmann/json.hpp>
#include <set>
#include <vector>

#include "platform/data/cp1252.h"
#include "platform/net/wire.h"

namespace appsrv {

std::variant<plat::RpcRequest, plat::RpcAnswer> ReadRequest(const std::string& frame) {
  if (std::optional<plat::RpcRequest> request = plat::TryReadRequest(frame)) return std::move(*request);
  // Declined by the quick reader: read the thorough way, which tells an
  // unreadable message from an invalid call. What is wrong with a message
  // is the client's fault and is said so, by position, never quoting bytes.
  if (const std::size_t bad = plat::FirstMalformedUtf8(frame); bad != std::string::npos)
    return plat::RpcAnswer::OfError(0,
                                    "Mensagem recusada pelo servidor de aplicação: o cliente enviou um texto que "
                                    "não é UTF-8 válido (byte " +
                                        std::to_string(bad + 1) + " da mensagem).");
  nlohmann::json json;
  std::string repeated;  // a key found twice in one object
  std::vector<std::set<std::string>> keys;
  auto noteKeys = [&](int, nlohmann::json::parse_event_t event, nlohmann::json& parsed) {
    using Event = nlohmann::json::parse_event_t;
    if (event == Event::object_start) keys.emplace_back();
    if (event == Event::object_end && !keys.empty()) keys.pop_back();
    if (event == Event::key && !keys.empty() && !keys.back().insert(parsed.get<std::string>()).second &&
        repeated.empty())
      repeated = parsed.get<std::string>();
    return true;
  };
  try {
    json = nlohmann::json::parse(frame, noteKeys);
  } catch (const std::exception& e) {
    return plat::RpcAnswer::OfError(
        0, "Mensagem ilegível recebida pelo servidor de aplicação: " + plat::WellFormedUtf8(e.what()));
  }
  int64_t id = 0;
  if (json.is_object() && json.contains("id") && json["id"].is_number_integer()) id = json["id"].get<int64_t>();
  if (!repeated.empty())
    return plat::RpcAnswer::OfError(id, "Chamada inválida: a chave '" + repeated + "' aparece mais de uma vez.");
  if (json.is_object())
    for (const auto& item : json.items())
      if (item.key() != "id" && item.key() != "object" && item.key() != "method" && item.key() != "args")
        return plat::RpcAnswer::OfError(id, "Chamada inválida: chave desconhecida '" + item.key() + "'.");
  try {
    return plat::RequestFromJson(json);
  } catch (const std::exception& e) {
    return plat::RpcAnswer::OfError(id, std::string("Chamada inválida: ") + e.what());
  }
}

}  // namespace appsrv
