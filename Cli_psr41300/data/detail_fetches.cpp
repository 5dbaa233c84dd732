#include "Cli_psr41300/data/detail_fetches.h"

#include "Cli_psr41300/header/header_support.h"
#include "host/vogalis.h"

namespace cli_psr41300::fetch {

namespace {

using header::CurrentProposal;
using header::Load;
using header::Text;

server::RdmSolicitaProposta Rdm(T& form) { return server::RdmSolicitaProposta(*form.netProposta); }

// The key a detail row carries itself.
server::ProposalKey KeyOf(const plat::TDataSet& row) {
  return {Text(row, "NRPROPOSFAS"), Text(row, "NRVERPROPFAS")};
}

}  // namespace

void ContractLines(T& form) { Load(*form.cdsDadosContLinhaProd, Rdm(form).GetDadosContLinhaProd(CurrentProposal(form))); }

void ContractLineSystems(T& form) {
  Load(*form.cdsSistLinhaProd,
       Rdm(form).GetSistLinhaProd(CurrentProposal(form), Text(*form.cdsDadosContLinhaProd, "CDLINPPROP")));
}

void SystemsOfCurrentLine(T& form) {
  const plat::TDataSet& line = *form.cdsDadosContLinhaProd;
  Load(*form.cdsSistLinhaProd, Rdm(form).GetSistLinhaProd(KeyOf(line), Text(line, "CDLINPPROP")));
}

void ContractServices(T& form) { Load(*form.cdsDadosContServico, Rdm(form).GetDadosContServico(CurrentProposal(form))); }

void OrderLines(T& form) { Load(*form.cdsPedidosLinhaProd, Rdm(form).GetPedidosLinhaProd(CurrentProposal(form))); }

void OrderLineSystems(T& form) {
  const plat::TDataSet& line = *form.cdsPedidosLinhaProd;
  Load(*form.cdsPedidosSist, Rdm(form).PedidosSist(KeyOf(line), Text(line, "CDLINPPROP"),
                                                   Text(*form.cdsProposta, "CODIGO"), Text(line, "CDLINPCLIE")));
}

void DueValues(T& form) {
  const plat::TDataSet& line = *form.cdsPedidosLinhaProd;
  Load(*form.cdsVenc_Valor, Rdm(form).GetVenc_Valor(KeyOf(line), Text(line, "CDLINPPROP"), Text(line, "CDLINPCLIE")));
}

void OrderServices(T& form) { Load(*form.cdsPedidosServico, Rdm(form).GetPedidosServico(CurrentProposal(form))); }

void LineSequence(T& form) { Load(*form.cdsseqPedidosLinhaProd, Rdm(form).seqPedidosLinhaProd()); }

void ServiceSequence(T& form) { Load(*form.cdsSeqServico, Rdm(form).SeqServico()); }

void CommercialProducts(T& form) { Load(*form.cdsDadosContProdComercial, Rdm(form).DadosContProdComercial()); }

void Proposals(T& form) {
  Load(*form.cdsProposta, Rdm(form).GetProposta(host::Vogalis::FiliProc(), host::Vogalis::Operador()));
}

}  // namespace cli_psr41300::fetch
