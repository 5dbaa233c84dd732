#include "host/consiste.h"

#include "platform/data/cp1252.h"
#include "platform/data/errors.h"
#include "platform/ui/dialogs.h"

namespace host::Consiste {

const plat::DataPacket& CheckResultServ(const ServerResult& result, bool, int helpContext) {
  if (result.kind == ServerResult::Kind::Packet) return result.packet;
  std::string message = result.Failed() ? result.error : "O servidor de aplicação respondeu sem um pacote de dados.";
  if (message.empty()) message = "O servidor de aplicação informou uma falha sem mensagem.";
  plat::Dialogs::Current().MessageDlg(message, plat::DialogType::Error, plat::mbOK, helpContext);
  throw plat::EAbort();
}

plat::DataPacket CheckResultServ(ServerResult&& result, bool showError, int helpContext) {
  CheckResultServ(static_cast<const ServerResult&>(result), showError, helpContext);  // a failure ends here
  return std::move(result.packet);
}

void MensErro(const std::string& text, bool) {
  plat::Dialogs::Current().MessageDlg(text, plat::DialogType::Error, plat::mbOK, 0);
  throw plat::EAbort();
}

bool EmptyString(const std::string& text) { return text.find_first_not_of(" \t\r\n") == std::string::npos; }

std::string PictPess(const std::string& personType) {
  if (personType == "F") return "000\\.000\\.000\\-00;0; ";
  if (personType == "J") return "00\\.000\\.000\\/0000\\-00;0; ";
  return {};
}

std::string Ajusta(const std::string& code, int width) {
  auto first = code.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  std::string trimmed = code.substr(first, code.find_last_not_of(' ') - first + 1);
  std::size_t length = plat::CharCount(trimmed);
  if (width <= 0 || length >= static_cast<std::size_t>(width)) return trimmed;
  return std::string(static_cast<std::size_t>(width) - length, '0') + trimmed;
}

}  // namespace host::Consiste
