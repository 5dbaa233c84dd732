// The data sources that bind the data sets and queries to the controls; the
// inherited list source shows the proposals too. State handlers are bound
// with the behaviour that owns them.
#include "Cli_psr41300/frm_solicita_proposta.h"

namespace cli_psr41300 {

namespace {

using T = TfrmSolicitaProposta;

struct DataSourceSpec {
  const char* name;
  plat::TDataSource* T::*member;
  const char* dataSet;
};

const DataSourceSpec kDataSources[] = {
    {"dtsProposta", &T::dtsProposta, "cdsProposta"},
    {"dtsDadosContLinhaProd", &T::dtsDadosContLinhaProd, "cdsDadosContLinhaProd"},
    {"dtsSistLinhaProd", &T::dtsSistLinhaProd, "cdsSistLinhaProd"},
    {"dtsDadosContServico", &T::dtsDadosContServico, "cdsDadosContServico"},
    {"dtsPedidosLinhaProd", &T::dtsPedidosLinhaProd, "cdsPedidosLinhaProd"},
    {"dtsPedidosSist", &T::dtsPedidosSist, "cdsPedidosSist"},
    {"dtsVenc_Valor", &T::dtsVenc_Valor, "cdsVenc_Valor"},
    {"dtsPedidosServico", &T::dtsPedidosServico, "cdsPedidosServico"},
    {"dtsMensagem", &T::dtsMensagem, "cdsMensagem"},
    // Search lists of the header's search buttons.
    {"dtsPesqContato", &T::dtsPesqContato, "cdsPesqContato"},
    {"dtsPesqCliente", &T::dtsPesqCliente, "qryCliente"},
    {"dtsPesqProspect", &T::dtsPesqProspect, "qryProspect"},
    {"dtsOperador", &T::dtsOperador, "qryOperador"},
    // Lists of the grids' pickers.
    {"dtsDadosContTipoServ", &T::dtsDadosContTipoServ, "adqDadosContTipoServ"},
    {"dtsDadosContTipoSistema", &T::dtsDadosContTipoSistema, "adqDadosContTipoSistema"},
    {"dtsDadosContProdComercial", &T::dtsDadosContProdComercial, "cdsDadosContProdComercial"},
    {"dtsPesqPedidos", &T::dtsPesqPedidos, "cdsPesqPedidos"},
    {"dtsPedidosServ", &T::dtsPedidosServ, "cdsPedidosServ"},
    {"dtsPesqMsg", &T::dtsPesqMsg, "cdsPesqMsg"},
};

}  // namespace

void TfrmSolicitaProposta::CreateDataSources() {
  // The list source is attached to the proposals before dtsProposta: the
  // data sources hear a state change in attach order, so the header lock of
  // dtsProposta's handler comes after the list source's judgement and stays.
  dtsPadrao->SetDataSet(cdsProposta);
  for (const DataSourceSpec& row : kDataSources)
    this->*row.member = &Create<plat::TDataSource>(row.name, &Get<plat::TDataSet>(row.dataSet));
}

}  // namespace cli_psr41300
