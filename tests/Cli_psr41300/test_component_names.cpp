// Every component the screen adds is reachable by its name, next to those it
// inherits from the standard screen base.
#include "Cli_psr41300/unconnected_screen.h"

namespace screen_test {
namespace {

const char* const kAddedComponents[] = {
    "netProposta",
    "qryCliente",
    "qryProspect",
    "qryOperador",
    "adqValidaCliente",
    "adqGera_Cliente",
    "adqDadosContTipoServ",
    "adqDadosContTipoSistema",
    "sbtFiltro",
    "sbtAceite",
    "sbtcomissao",
    "sbtCopiar",
    "imgConcluida",
    "mnuFiltro",
    "panEmpresa",
    "dbeProposta",
    "depProposta",
    "depAceite",
    "depValidade",
    "dbrClieProsp",
    "dbeCdClienteProsp",
    "btpClienteProsp",
    "dbeClienteProsp",
    "dbeContato",
    "btnProposta",
    "dbeNmContato",
    "dbeObservacao",
    "dbeEmail",
    "dbeFax",
    "dcbIdentSolicitacao",
    "dbeCdOperIncl",
    "dbeNmOperIncl",
    "dbeCdOperSoli",
    "dbeNmOperSoli",
    "btnPesqOperador",
    "pgcDadosCont_Ped_Mens",
    "pgcDadosCont_LinhaProd_Serv",
    "PageControl5",
    "tshDadosCont",
    "tshDadosContLinhaProd",
    "tshDadosContServicos",
    "TabSheet13",
    "tshPedidos",
    "tshPedidosLinhaProd",
    "tshPedidosServico",
    "tshMensagem",
    "dbgDadosContLinhaProd",
    "dbgDadosContSistema",
    "dbgDadosContServico",
    "edtValorTotalLu",
    "edtValorTotalMensal",
    "dbgPedidosLinhaProd",
    "dbgPediLinhaProdSist",
    "dbgVenc_Valor",
    "dbgPedidosServico",
    "edtValor_LU",
    "edtValor_Mensal",
    "edtSomaTotalLu_",
    "edtSomaTotalMensal_",
    "edtSomaTotalLu",
    "edtSomaTotalMensal",
    "dbrObs",
    "dbgMensagem",
    "dreMensagem",
    "dbtNome",
};

const char* const kInheritedComponents[] = {
    "panMenu",       "lblCodTela",          "sbtIncluir", "sbtVerificar",  "sbtImprimir",  "pgcPadrao",
    "tshFolhaDados", "tshFormulario",       "dbgPadrao",  "dtsPadrao",     "panNavigator", "dbnPadrao",
    "msgPadrao",     "msgMensagensPadroes", "mnuMenu",    "mnuManutencao",
};

class ComponentNames : public UnconnectedScreen {};

TEST_F(ComponentNames, EveryAddedComponentIsFoundByName) {
  for (const char* name : kAddedComponents) EXPECT_NE(screen.FindComponent(name), nullptr) << name;
  EXPECT_EQ(screen.FindComponent("dbgVenc_Valor"), screen.dbgVenc_Valor);
  EXPECT_EQ(screen.FindComponent("edtSomaTotalLu_"), screen.edtSomaTotalLu_);
  EXPECT_EQ(screen.FindComponent("PageControl5"), screen.PageControl5);
}

TEST_F(ComponentNames, InheritedComponentsAreStillThere) {
  for (const char* name : kInheritedComponents) EXPECT_NE(screen.FindComponent(name), nullptr) << name;
}

}  // namespace
}  // namespace screen_test
