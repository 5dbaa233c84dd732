#include "host/pesquisa.h"

#include "platform/ui/dialogs.h"

namespace host::Pesquisa {

bool Pesquisar(plat::TDataSource& source, const std::string& titleAndEmpty, bool, bool) {
  auto bar = titleAndEmpty.find('|');
  std::string title = titleAndEmpty.substr(0, bar);
  std::string empty = bar == std::string::npos ? std::string() : titleAndEmpty.substr(bar + 1);
  return plat::Dialogs::Current().Search(source, title, empty);
}

}  // namespace host::Pesquisa
