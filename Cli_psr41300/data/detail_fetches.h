// Loading the proposal's details from the application server: one function
// per fetch, each reading its keys as text at the moment of the call, passing
// the answer through the host's result check and loading it into its data
// set. A refused answer ends the running operation there (after the host's
// message); data sets loaded before it keep their new contents, and a detail
// whose own fetch was refused is closed with the details hanging on it.
// Before a detail is loaded, what it holds pending is settled
// (steps::SettlePending); before the list is, every detail's and the
// header's.
//
// Keys come from the current proposal or from the current row of the detail
// named; a closed or empty detail gives empty texts.
#pragma once

#include "Cli_psr41300/frm_solicita_proposta.h"

namespace cli_psr41300::fetch {

using T = TfrmSolicitaProposta;

// GetDadosContLinhaProd with the proposal's key.
void ContractLines(T& form);
// GetSistLinhaProd with the proposal's key and the current contract line's code.
void ContractLineSystems(T& form);
// GetSistLinhaProd with the current contract line's own key and code.
void SystemsOfCurrentLine(T& form);
// GetDadosContServico with the proposal's key.
void ContractServices(T& form);
// GetPedidosLinhaProd with the proposal's key.
void OrderLines(T& form);
// PedidosSist with the current ordered line's key and CDLINPPROP, the
// proposal's CODIGO and the line's CDLINPCLIE.
void OrderLineSystems(T& form);
// GetVenc_Valor with the current ordered line's key, CDLINPPROP and CDLINPCLIE.
void DueValues(T& form);
// GetPedidosServico with the proposal's key.
void OrderServices(T& form);
// seqPedidosLinhaProd into cdsseqPedidosLinhaProd.
void LineSequence(T& form);
// SeqServico into cdsSeqServico.
void ServiceSequence(T& form);
// DadosContProdComercial into cdsDadosContProdComercial.
void CommercialProducts(T& form);
// GetProposta with the host's branch and operator.
void Proposals(T& form);

}  // namespace cli_psr41300::fetch
