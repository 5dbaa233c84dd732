// Each data source shows the data set of its name, the inherited list source
// shows the proposals, and the server connection is named but left closed.
#include <map>
#include <string>

#include "Cli_psr41300/unconnected_screen.h"

namespace screen_test {
namespace {

const std::map<std::string, std::string> kExpectedDataSets = {
    {"dtsPadrao", "cdsProposta"},
    {"dtsProposta", "cdsProposta"},
    {"dtsDadosContLinhaProd", "cdsDadosContLinhaProd"},
    {"dtsSistLinhaProd", "cdsSistLinhaProd"},
    {"dtsDadosContServico", "cdsDadosContServico"},
    {"dtsPedidosLinhaProd", "cdsPedidosLinhaProd"},
    {"dtsPedidosSist", "cdsPedidosSist"},
    {"dtsVenc_Valor", "cdsVenc_Valor"},
    {"dtsPedidosServico", "cdsPedidosServico"},
    {"dtsMensagem", "cdsMensagem"},
    {"dtsPesqContato", "cdsPesqContato"},
    {"dtsPesqCliente", "qryCliente"},
    {"dtsPesqProspect", "qryProspect"},
    {"dtsOperador", "qryOperador"},
    {"dtsDadosContTipoServ", "adqDadosContTipoServ"},
    {"dtsDadosContTipoSistema", "adqDadosContTipoSistema"},
    {"dtsDadosContProdComercial", "cdsDadosContProdComercial"},
    {"dtsPesqPedidos", "cdsPesqPedidos"},
    {"dtsPedidosServ", "cdsPedidosServ"},
    {"dtsPesqMsg", "cdsPesqMsg"},
};

class DataSources : public UnconnectedScreen {};

TEST_F(DataSources, EachDataSourceShowsItsDataSet) {
  for (const auto& [source, dataSet] : kExpectedDataSets) {
    plat::TDataSet* shown = screen.Get<plat::TDataSource>(source).DataSet();
    ASSERT_NE(shown, nullptr) << source;
    EXPECT_EQ(shown->Name(), dataSet) << source;
    EXPECT_EQ(shown, &screen.Get<plat::TDataSet>(dataSet)) << source;
  }
}

TEST_F(DataSources, ConnectionNamesTheRemoteModuleAndReportsFailuresAsResults) {
  EXPECT_EQ(screen.netProposta->ServerName, "PSR41300.rdmSolicitaProposta");
  EXPECT_FALSE(screen.netProposta->ThrowException);
  EXPECT_FALSE(screen.netProposta->Connected());
  EXPECT_EQ(&screen.Get<host::TNetConnection>("netProposta"), screen.netProposta);
}

}  // namespace
}  // namespace screen_test
