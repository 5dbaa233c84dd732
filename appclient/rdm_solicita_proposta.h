// RdmSolicitaProposta: the calls of the application server's remote data
// module "PSR41300.rdmSolicitaProposta", one function per method with its
// arguments in the server's order. Each returns the raw answer; callers pass
// it through Consiste::CheckResultServ (all but PrxProposta).
#pragma once

#include <string>

#include "host/netconnection.h"
#include "platform/data/packet.h"

namespace appclient {

inline constexpr const char* kServerName = "PSR41300.rdmSolicitaProposta";

// The proposal key: number and version, passed in that order.
struct ProposalKey {
  std::string number;   // NRPROPOSFAS
  std::string version;  // NRVERPROPFAS
};

class RdmSolicitaProposta {
 public:
  explicit RdmSolicitaProposta(host::TNetConnection& net) : net_(net) {}

  host::ServerResult GetProposta(const std::string& branch, const std::string& operador);
  host::ServerResult PrxProposta();
  host::ServerResult GetDadosContLinhaProd(const ProposalKey& key);
  host::ServerResult GetSistLinhaProd(const ProposalKey& key, const std::string& cdLinpProp);
  host::ServerResult GetDadosContServico(const ProposalKey& key);
  host::ServerResult GetPedidosLinhaProd(const ProposalKey& key);
  host::ServerResult PedidosSist(const ProposalKey& lineKey, const std::string& cdLinpProp, const std::string& codigo,
                                 const std::string& cdLinpClie);
  host::ServerResult GetVenc_Valor(const ProposalKey& lineKey, const std::string& cdLinpProp,
                                   const std::string& cdLinpClie);
  host::ServerResult GetUpDateValor(double quantity, const ProposalKey& key, const std::string& cdLin1,
                                    const std::string& cdLin2);
  host::ServerResult GetPedidosServico(const ProposalKey& key);
  host::ServerResult SeqServico();
  host::ServerResult seqPedidosLinhaProd();
  host::ServerResult DadosContProdComercial();
  host::ServerResult PedidosServico(const ProposalKey& key, const std::string& codigo);
  host::ServerResult PesqPedidos(const ProposalKey& key, const std::string& codigo);
  host::ServerResult PesqMsg();
  host::ServerResult GetContato(const std::string& branch, const std::string& kind, const std::string& cliente,
                                const std::string& prospect);
  host::ServerResult Valida_Contato(const std::string& branch, const std::string& kind, const std::string& cdCliente,
                                    const std::string& cdProspect, const std::string& nrContato);
  host::ServerResult ValidaProposta(const std::string& branch, const ProposalKey& key);
  host::ServerResult Valida_Contrato(const std::string& cdLinpProp, const std::string& codigo);
  host::ServerResult ValidaLinhaProd_DadosCont(const ProposalKey& key, const std::string& cdLinpProp);
  host::ServerResult ValidaLinhaProd_Pedidos(const ProposalKey& key, const std::string& cdLin);
  host::ServerResult ValidaSistema(const std::string& nrProposta, const std::string& cdSistema,
                                   const std::string& cdLinpProp);
  host::ServerResult ValidaServico(const std::string& nrProposta, const std::string& cdTipoServ);
  host::ServerResult ValidaServPed(const std::string& nrProposta, const std::string& cdTipoServ);
  host::ServerResult ValidaMsg(const std::string& nrProposta, const std::string& cdTxtPropFas);
  host::ServerResult Sum_ValorPedido(const std::string& nrProposta);
  // SetProposta, SetDadosContLinhaProd, ... : sends a data set's delta.
  host::ServerResult Set(const std::string& method, const plat::Delta& delta);

 private:
  host::ServerResult Call(const char* method, std::vector<plat::RpcArg> args = {}) {
    return net_.AppServer(method, std::move(args));
  }
  host::TNetConnection& net_;
};

}  // namespace appclient
