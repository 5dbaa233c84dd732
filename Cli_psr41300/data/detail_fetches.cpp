#include "Cli_psr41300/data/detail_fetches.h"

#include "Cli_psr41300/data/record_steps.h"
#include "Cli_psr41300/screen_support.h"
#include "host/vogalis.h"

namespace cli_psr41300::fetch {

namespace {

using support::CurrentProposal;
using support::Load;
using support::Text;

appclient::RdmSolicitaProposta Rdm(T& form) { return appclient::RdmSolicitaProposta(*form.netProposta); }

// The key a detail row carries itself.
appclient::ProposalKey KeyOf(const plat::TDataSet& row) {
  return {Text(row, "NRPROPOSFAS"), Text(row, "NRVERPROPFAS")};
}

}  // namespace

void ContractLines(T& form) {
  steps::Reload(form, *form.cdsDadosContLinhaProd,
                [&] { return Rdm(form).GetDadosContLinhaProd(CurrentProposal(form)); });
}

void ContractLineSystems(T& form) {
  steps::Reload(form, *form.cdsSistLinhaProd, [&] {
    return Rdm(form).GetSistLinhaProd(CurrentProposal(form), Text(*form.cdsDadosContLinhaProd, "CDLINPPROP"));
  });
}

void SystemsOfCurrentLine(T& form) {
  steps::Reload(form, *form.cdsSistLinhaProd, [&] {
    const plat::TDataSet& line = *form.cdsDadosContLinhaProd;
    return Rdm(form).GetSistLinhaProd(KeyOf(line), Text(line, "CDLINPPROP"));
  });
}

void ContractServices(T& form) {
  steps::Reload(form, *form.cdsDadosContServico, [&] { return Rdm(form).GetDadosContServico(CurrentProposal(form)); });
}

void OrderLines(T& form) {
  steps::Reload(form, *form.cdsPedidosLinhaProd, [&] { return Rdm(form).GetPedidosLinhaProd(CurrentProposal(form)); });
}

void OrderLineSystems(T& form) {
  steps::Reload(form, *form.cdsPedidosSist, [&] {
    const plat::TDataSet& line = *form.cdsPedidosLinhaProd;
    return Rdm(form).PedidosSist(KeyOf(line), Text(line, "CDLINPPROP"), Text(*form.cdsProposta, "CODIGO"),
                                 Text(line, "CDLINPCLIE"));
  });
}

void DueValues(T& form) {
  steps::Reload(form, *form.cdsVenc_Valor, [&] {
    const plat::TDataSet& line = *form.cdsPedidosLinhaProd;
    return Rdm(form).GetVenc_Valor(KeyOf(line), Text(line, "CDLINPPROP"), Text(line, "CDLINPCLIE"));
  });
}

void OrderServices(T& form) {
  steps::Reload(form, *form.cdsPedidosServico, [&] { return Rdm(form).GetPedidosServico(CurrentProposal(form)); });
}

void LineSequence(T& form) { Load(*form.cdsseqPedidosLinhaProd, Rdm(form).seqPedidosLinhaProd()); }

void ServiceSequence(T& form) { Load(*form.cdsSeqServico, Rdm(form).SeqServico()); }

void CommercialProducts(T& form) { Load(*form.cdsDadosContProdComercial, Rdm(form).DadosContProdComercial()); }

// The list is reloaded over nothing pending: the details' work and a header
// being typed are settled first. A refused reload keeps the list shown.
void Proposals(T& form) {
  steps::SettleProposalDetails(form);
  if (form.cdsProposta->Editing()) form.cdsProposta->Post();
  Load(*form.cdsProposta, Rdm(form).GetProposta(host::Vogalis::FiliProc(), host::Vogalis::Operador()));
}

}  // namespace cli_psr41300::fetch
