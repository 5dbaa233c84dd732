#include "appclient/rdm_solicita_proposta.h"

namespace appclient {

using host::ServerResult;

ServerResult RdmSolicitaProposta::GetProposta(const std::string& branch, const std::string& operador) {
  return Call("GetProposta", {branch, operador});
}
ServerResult RdmSolicitaProposta::PrxProposta() { return Call("PrxProposta"); }
ServerResult RdmSolicitaProposta::GetDadosContLinhaProd(const ProposalKey& key) {
  return Call("GetDadosContLinhaProd", {key.number, key.version});
}
ServerResult RdmSolicitaProposta::GetSistLinhaProd(const ProposalKey& key, const std::string& cdLinpProp) {
  return Call("GetSistLinhaProd", {key.number, key.version, cdLinpProp});
}
ServerResult RdmSolicitaProposta::GetDadosContServico(const ProposalKey& key) {
  return Call("GetDadosContServico", {key.number, key.version});
}
ServerResult RdmSolicitaProposta::GetPedidosLinhaProd(const ProposalKey& key) {
  return Call("GetPedidosLinhaProd", {key.number, key.version});
}
ServerResult RdmSolicitaProposta::PedidosSist(const ProposalKey& lineKey, const std::string& cdLinpProp,
                                              const std::string& codigo, const std::string& cdLinpClie) {
  return Call("PedidosSist", {lineKey.number, lineKey.version, cdLinpProp, codigo, cdLinpClie});
}
ServerResult RdmSolicitaProposta::GetVenc_Valor(const ProposalKey& lineKey, const std::string& cdLinpProp,
                                                const std::string& cdLinpClie) {
  return Call("GetVenc_Valor", {lineKey.number, lineKey.version, cdLinpProp, cdLinpClie});
}
ServerResult RdmSolicitaProposta::GetUpDateValor(double quantity, const ProposalKey& key, const std::string& cdLin1,
                                                 const std::string& cdLin2) {
  return Call("GetUpDateValor", {quantity, key.number, key.version, cdLin1, cdLin2});
}
ServerResult RdmSolicitaProposta::GetPedidosServico(const ProposalKey& key) {
  return Call("GetPedidosServico", {key.number, key.version});
}
ServerResult RdmSolicitaProposta::SeqServico() { return Call("SeqServico"); }
ServerResult RdmSolicitaProposta::seqPedidosLinhaProd() { return Call("seqPedidosLinhaProd"); }
ServerResult RdmSolicitaProposta::DadosContProdComercial() { return Call("DadosContProdComercial"); }
ServerResult RdmSolicitaProposta::PedidosServico(const ProposalKey& key, const std::string& codigo) {
  return Call("PedidosServico", {key.number, key.version, codigo});
}
ServerResult RdmSolicitaProposta::PesqPedidos(const ProposalKey& key, const std::string& codigo) {
  return Call("PesqPedidos", {key.number, key.version, codigo});
}
ServerResult RdmSolicitaProposta::PesqMsg() { return Call("PesqMsg"); }
ServerResult RdmSolicitaProposta::GetContato(const std::string& branch, const std::string& kind,
                                             const std::string& cliente, const std::string& prospect) {
  return Call("GetContato", {branch, kind, cliente, prospect});
}
ServerResult RdmSolicitaProposta::Valida_Contato(const std::string& branch, const std::string& kind,
                                                 const std::string& cdCliente, const std::string& cdProspect,
                                                 const std::string& nrContato) {
  return Call("Valida_Contato", {branch, kind, cdCliente, cdProspect, nrContato});
}
ServerResult RdmSolicitaProposta::ValidaProposta(const std::string& branch, const ProposalKey& key) {
  return Call("ValidaProposta", {branch, key.number, key.version});
}
ServerResult RdmSolicitaProposta::Valida_Contrato(const std::string& cdLinpProp, const std::string& codigo) {
  return Call("Valida_Contrato", {cdLinpProp, codigo});
}
ServerResult RdmSolicitaProposta::ValidaLinhaProd_DadosCont(const ProposalKey& key, const std::string& cdLinpProp) {
  return Call("ValidaLinhaProd_DadosCont", {key.number, key.version, cdLinpProp});
}
ServerResult RdmSolicitaProposta::ValidaLinhaProd_Pedidos(const ProposalKey& key, const std::string& cdLin) {
  return Call("ValidaLinhaProd_Pedidos", {key.number, key.version, cdLin});
}
ServerResult RdmSolicitaProposta::ValidaSistema(const std::string& nrProposta, const std::string& cdSistema,
                                                const std::string& cdLinpProp) {
  return Call("ValidaSistema", {nrProposta, cdSistema, cdLinpProp});
}
ServerResult RdmSolicitaProposta::ValidaServico(const std::string& nrProposta, const std::string& cdTipoServ) {
  return Call("ValidaServico", {nrProposta, cdTipoServ});
}
ServerResult RdmSolicitaProposta::ValidaServPed(const std::string& nrProposta, const std::string& cdTipoServ) {
  return Call("ValidaServPed", {nrProposta, cdTipoServ});
}
ServerResult RdmSolicitaProposta::ValidaMsg(const std::string& nrProposta, const std::string& cdTxtPropFas) {
  return Call("ValidaMsg", {nrProposta, cdTxtPropFas});
}
ServerResult RdmSolicitaProposta::Sum_ValorPedido(const std::string& nrProposta) {
  return Call("Sum_ValorPedido", {nrProposta});
}
ServerResult RdmSolicitaProposta::Set(const std::string& method, const plat::Delta& delta) {
  return net_.AppServer(method, {delta});
}

}  // namespace appclient
