// Pesquisa: the host's search list. Lists the shown fields of a data
// source's data set in a modal dialog and lets the user pick a row.
#pragma once

#include <string>

namespace plat {
class TDataSource;
}

namespace host::Pesquisa {

// titleAndEmpty is the dialog's title, a bar, and the text shown when there
// is nothing to list ("Sistema|Não há Sistema cadastrado."). Returns true
// when a row was picked; it is then the data set's current row. The two
// flags are kept for the callers' signature.
bool Pesquisar(plat::TDataSource& source, const std::string& titleAndEmpty, bool multiSelect = false,
               bool showEmpty = true);

}  // namespace host::Pesquisa
