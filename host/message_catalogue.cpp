#include "host/message_catalogue.h"

#include <set>

#include "platform/data/errors.h"

namespace host {

void TMessages::SetMessages(std::vector<std::string> entries) {
  std::set<std::string> codes;
  for (auto& entry : entries) {
    auto bar = entry.find('|');
    if (bar == std::string::npos) throw plat::EError(Name() + ": message entry without a code: '" + entry + "'");
    if (!codes.insert(entry.substr(0, bar)).second)
      throw plat::EError(Name() + ": message code '" + entry.substr(0, bar) + "' appears twice");
  }
  entries_ = std::move(entries);
}

const std::string* TMessages::Find(std::string_view code) const {
  for (auto& entry : entries_) {
    auto bar = entry.find('|');
    if (std::string_view(entry).substr(0, bar) == code) return &entry;
  }
  return nullptr;
}

bool TMessages::Has(std::string_view code) const { return Find(code) != nullptr; }

std::string TMessages::Msg(std::string_view code) const {
  const std::string* entry = Find(code);
  if (!entry) throw plat::EError(Name() + ": no message with the code '" + std::string(code) + "'");
  return entry->substr(entry->find('|') + 1);
}

int TMessages::ShowMsg(std::string_view code, plat::DialogType type, int buttons, int helpContext) const {
  return plat::Dialogs::Current().MessageDlg(Msg(code), type, buttons, helpContext);
}

}  // namespace host
