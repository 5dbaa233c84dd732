#include "appserver/host_methods.h"

#include <algorithm>
#include <cctype>

#include "appserver/packet_shape.h"
#include "appserver/session.h"
#include "platform/data/errors.h"

namespace appsrv {

namespace {

// The tables the host copies into its local cache.
constexpr const char* kCachedTables[] = {
    "CLIENTE",      "PROSPECT",     "OPERADOR",     "TIPOSERV",     "SISTEMA",      "PROPOSTAFAS", "PROPOSTALINP",
    "SISTPROPLINP", "PROPOSTASERV", "PEDILINPPROP", "PEDISERVPROP", "VENCLUSOPROP", "TXTPROPFAS",
};

std::string Upper(std::string text) {
  for (auto& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

Answer ServerDate(Session& session, const CallArgs&) { return plat::Variant(session.Context().Today()); }

Answer WholeTable(Session& session, const CallArgs& args) {
  const std::string wanted = Upper(args.Text(0));
  auto found = std::find_if(std::begin(kCachedTables), std::end(kCachedTables),
                            [&](const char* table) { return wanted == table; });
  if (found == std::end(kCachedTables)) {
    std::string names;
    for (const char* table : kCachedTables) names += (names.empty() ? "" : ", ") + std::string(table);
    throw plat::EError("A tabela '" + args.Text(0) +
                       "' não está disponível para o cache local. Tabelas disponíveis: " + names + ".");
  }
  return session.Db().Query(std::string("SELECT * FROM ") + *found);
}

Answer SetServerDate(Session& session, const CallArgs& args) {
  session.Context().SetToday(args.Date(0));
  return EmptyPacket();
}

Answer FailNext(Session& session, const CallArgs& args) {
  if (args.Text(0).empty()) throw plat::EError("FailNext: informe o nome do método que deve falhar.");
  session.Context().FailNext(args.Text(0), args.Text(1));
  return EmptyPacket();
}

// A statement that returns rows answers them; any other text may hold
// several statements and answers an empty packet.
Answer RunSql(Session& session, const CallArgs& args) {
  const std::string sql = args.Text(0);
  std::size_t start = sql.find_first_not_of(" \t\r\n(");
  std::string first = Upper(sql.substr(start == std::string::npos ? sql.size() : start, 7));
  for (const char* reading : {"SELECT", "WITH", "VALUES", "PRAGMA"})
    if (first.rfind(reading, 0) == 0) return session.Db().Query(sql);
  session.Db().ExecuteScript(sql);
  return EmptyPacket();
}

}  // namespace

void RegisterHostMethods(ServerObject& host, bool testOptions) {
  host.Add({"DtServ", {}, ServerDate});
  host.Add({"GetTable", {{"tabela", ArgKind::Text}}, WholeTable});
  if (!testOptions) return;
  host.Add({"SetServerDate", {{"data", ArgKind::DateTime}}, SetServerDate});
  host.Add({"FailNext", {{"método", ArgKind::Text}, {"mensagem", ArgKind::Text}}, FailNext});
  host.Add({"Sql", {{"comando", ArgKind::Text}}, RunSql});
}

}  // namespace appsrv
