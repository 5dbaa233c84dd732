// TfrmSolicitaProposta: the proposal-request screen ("Solicitação de
// Proposta", screen code PSR41300) on the standard screen base. Every data
// set, query, data source, catalogue and control of the screen is a component
// owned by it and reachable by name; the members below point at them.
//
// The components are made by CreateDataModel (data/) and CreateLayout
// (layout/); the screen's lifecycle events are bound by BindLifecycleEvents.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "host/frmpadrao.h"
#include "host/netconnection.h"
#include "platform/data/clientdataset.h"
#include "platform/data/datasource.h"
#include "platform/data/query.h"
#include "platform/ui/buttons.h"
#include "platform/ui/control.h"
#include "platform/ui/dbchoice.h"
#include "platform/ui/dbedit.h"
#include "platform/ui/grid.h"
#include "platform/ui/number_edit.h"
#include "platform/ui/pages.h"
#include "platform/ui/splitter.h"

namespace cli_psr41300 {

class TfrmSolicitaProposta : public host::TfrmPadrao {
 public:
  explicit TfrmSolicitaProposta(plat::TComponent* owner) : TfrmPadrao(owner, "frmSolicitaProposta") {
    CreateDataModel();
    CreateLayout();
    BindLifecycleEvents();
    BindHeaderEvents();
    BindCommandEvents();
    BindDetailEvents();
    BindContractEvents();
  }

  // ---- connection to the application server ----------------------------------
  host::TNetConnection* netProposta;

  // ---- editable data sets --------------------------------------------------------
  plat::TClientDataSet *cdsProposta, *cdsDadosContLinhaProd, *cdsSistLinhaProd, *cdsDadosContServico,
      *cdsPedidosLinhaProd, *cdsPedidosSist, *cdsVenc_Valor, *cdsPedidosServico, *cdsMensagem;

  // ---- auxiliary data sets (look-up, validation and sequence answers) ------------
  plat::TClientDataSet *cdsValidaProposta, *cdsValidaContrato, *cdsCont, *cdsPesqContato, *cdsValidaLinhaProd_DadosCont,
      *cdsDadosContProdComercial, *cdsValidaSistema, *cdsValidaServico, *cdsValidaLinhaProd_Pedidos,
      *cdsseqPedidosLinhaProd, *cdsPesqPedidos, *cdsPedidosServ, *cdsValidaServPed, *cdsSeqServico, *cdsSum_ValorPedido,
      *cdsValidaMsg, *cdsPesqMsg;

  // ---- local queries on the host's database -------------------------------------
  plat::TADOIBQuery *qryCliente, *qryProspect, *qryOperador, *adqValidaCliente, *adqGera_Cliente, *adqDadosContTipoServ,
      *adqDadosContTipoSistema;

  // ---- data sources --------------------------------------------------------------
  plat::TDataSource *dtsProposta, *dtsDadosContLinhaProd, *dtsSistLinhaProd, *dtsDadosContServico, *dtsPedidosLinhaProd,
      *dtsPedidosSist, *dtsVenc_Valor, *dtsPedidosServico, *dtsMensagem, *dtsPesqContato, *dtsPesqCliente,
      *dtsPesqProspect, *dtsOperador, *dtsDadosContTipoServ, *dtsDadosContTipoSistema, *dtsDadosContProdComercial,
      *dtsPesqPedidos, *dtsPedidosServ, *dtsPesqMsg;

  // ---- toolbar additions and menu ------------------------------------------------
  plat::TSpeedButton *sbtFiltro, *sbtAceite, *sbtcomissao, *sbtCopiar;
  plat::TImage* imgConcluida;
  plat::TMenuItem *mnuSepFiltro, *mnuFiltro;

  // ---- header panel --------------------------------------------------------------
  plat::TPanel* panEmpresa;
  plat::TLabel *lblProposta, *lblCadastro, *lblAceite, *lblValidade, *lblContato, *lblObservacao, *lblEmail, *lblFax,
      *lblTpProposta, *lblOperIncl, *lblOperSoli;
  plat::TDBEdit *dbeProposta, *dbeCdClienteProsp, *dbeClienteProsp, *dbeContato, *dbeNmContato, *dbeObservacao,
      *dbeEmail, *dbeFax, *dbeCdOperIncl, *dbeNmOperIncl, *dbeCdOperSoli, *dbeNmOperSoli;
  plat::TDBDateEditPlus *depProposta, *depAceite, *depValidade;
  plat::TDBRadioGroup* dbrClieProsp;
  plat::TDBComboBox* dcbIdentSolicitacao;
  plat::TBtnPesquisa *btpClienteProsp, *btnProposta, *btnPesqOperador;

  // ---- detail pages ----------------------------------------------------------------
  plat::TPageControl *pgcDadosCont_Ped_Mens, *pgcDadosCont_LinhaProd_Serv, *PageControl5;
  plat::TTabSheet *tshDadosCont, *tshDadosContLinhaProd, *tshDadosContServicos, *TabSheet13, *tshPedidos,
      *tshPedidosLinhaProd, *tshPedidosServico, *tshMensagem;

  // Contract data: product lines, their systems and totals; services.
  plat::TDBGrid *dbgDadosContLinhaProd, *dbgDadosContSistema, *dbgDadosContServico;
  plat::TPanel* panTotaisDadosCont;
  plat::TLabel *lblValorTotalLu, *lblValorTotalMensal;
  plat::TDBEdit *edtValorTotalLu, *edtValorTotalMensal;
  plat::TSplitter* splDadosContLinhaProd;

  // Orders: product lines with their systems, due dates and totals; services.
  plat::TDBGrid *dbgPedidosLinhaProd, *dbgPediLinhaProdSist, *dbgVenc_Valor, *dbgPedidosServico;
  plat::TSplitter* splPedidosLinhaProd;
  plat::TPanel *panPedidosSistVenc, *panTotaisPedidos;
  plat::TLabel *lblSomaTotalLu, *lblSomaTotalMensal, *lblValor_LU, *lblValor_Mensal;
  plat::TEdit *edtValor_LU, *edtValor_Mensal, *edtSomaTotalLu_, *edtSomaTotalMensal_;
  plat::TNumberEdit *edtSomaTotalLu, *edtSomaTotalMensal;
  plat::TGroupBox* grpObservacao;
  plat::TDBRichEdit* dbrObs;

  // Proposal texts.
  plat::TGroupBox* grpDescricaoProposta;
  plat::TDBGrid* dbgMensagem;
  plat::TSplitter* splMensagem;
  plat::TPanel* panFormatacao;
  plat::TDBRichEdit* dreMensagem;

  // ---- navigator panel -----------------------------------------------------------
  plat::TDBText* dbtNome;
  plat::TLabel* lblPendente;  // shown while refused changes wait to be sent again or discarded
  plat::TMenuItem* mnuAceite;

  // ---- lifecycle -----------------------------------------------------------------
  void FormCreate(plat::TComponent& sender) override;
  void FormClose(plat::TComponent& sender, int& action) override;
  void FormActivate(plat::TComponent& sender);
  void netPropostaBeforeConnect(plat::TComponent& sender);
  void cdsPropostaAfterOpen(plat::TDataSet& dataSet);
  void sbtFiltroClick(plat::TComponent& sender);
  void sbtImprimirClick(plat::TComponent& sender) override;
  void sbtCopiarClick(plat::TComponent& sender);
  void BindLifecycleEvents();

  // ---- sending changes (data/) ------------------------------------------------------
  // Sends a data set's logged changes with its Set method and refreshes the
  // host's copy of its table; nothing is sent when nothing is logged.
  void SendChanges(plat::TClientDataSet& dataSet, const char* setMethod, const char* cacheTable);
  // Confirmar, Cancelar and the navigator's note follow the changes the
  // server refused (commands/).
  void ShowPendingWork();
  // Set while Cancelar, which asked already, cancels the data sets: their
  // refused changes go without a second question.
  bool cancelConfirmed = false;
  // The key each detail hanging on a row was last fetched under (the
  // proposal's, its master row's and, for the ordered line's systems, the
  // party as typed), so that rows fetched under another key are fetched
  // again once what changed the key is taken back.
  std::map<const plat::TClientDataSet*, std::vector<std::string>> fetchedUnder;

  // ---- proposal record (header/) -----------------------------------------------------
  void cdsPropostaBeforeInsert(plat::TDataSet& dataSet);
  void cdsPropostaAfterInsert(plat::TDataSet& dataSet);
  void cdsPropostaBeforePost(plat::TDataSet& dataSet);
  void cdsPropostaAfterPost(plat::TDataSet& dataSet);
  void cdsPropostaAfterCancel(plat::TDataSet& dataSet);
  void cdsPropostaAfterDelete(plat::TDataSet& dataSet);
  void cdsPropostaAfterScroll(plat::TDataSet& dataSet);
  void cdsPropostaBeforeScroll(plat::TDataSet& dataSet);
  void cdsPropostaCalcFields(plat::TDataSet& dataSet);
  // The details of the current proposal brought on screen as its scroll
  // brings them: the ones it does not fetch closed, the contract lines with
  // the first line's systems and the page on show fetched, the order values
  // recomputed.
  void ShowProposalDetails();
  void cdsPropostaCODIGOGetText(plat::TField& sender, std::string& text, bool displayText);
  void cdsPropostaNRINSJURCLIEGetText(plat::TField& sender, std::string& text, bool displayText);
  void cdsPropostaIDSOLPROPFASGetText(plat::TField& sender, std::string& text, bool displayText);
  void cdsPropostaIDSOLPROPFASSetText(plat::TField& sender, const std::string& text);

  // ---- customer, prospect, contact and operator look-ups (header/) -------------------
  void dbrClieProspChange(plat::TComponent& sender);
  void btpClienteProspBeforePesq(plat::TComponent& sender, bool& proceed);
  void btpClienteProspAfterPesq(plat::TComponent& sender);
  void dbeCdClienteProspChange(plat::TComponent& sender);
  void dbeCdClienteProspExit(plat::TComponent& sender);
  void qryClienteNRINSJURCLIEGetText(plat::TField& sender, std::string& text, bool displayText);
  void qryProspectNRINSJURPROSGetText(plat::TField& sender, std::string& text, bool displayText);
  void btnPropostaBeforePesq(plat::TComponent& sender, bool& proceed);
  void btnPropostaAfterPesq(plat::TComponent& sender);
  void dbeContatoChange(plat::TComponent& sender);
  void dbeContatoExit(plat::TComponent& sender);
  void btnPesqOperadorBeforePesq(plat::TComponent& sender, bool& proceed);
  void btnPesqOperadorAfterPesq(plat::TComponent& sender);
  void dbeCdOperSoliChange(plat::TComponent& sender);
  void dbeCdOperSoliExit(plat::TComponent& sender);
  void Vd_ClientePros(bool must);
  void Vd_Contato(bool must);
  void Vd_Operador(bool must);

  // ---- proposal-level validations (header/) ------------------------------------------
  void Vd_Proposta(bool must);
  void Vd_Contrato(bool must);
  void Vd_GeraCliente(bool must);
  void depPropostaExit(plat::TComponent& sender);
  void depValidadeExit(plat::TComponent& sender);
  void depAceiteExit(plat::TComponent& sender);
  void panEmpresaEnter(plat::TComponent& sender);
  void panEmpresaExit(plat::TComponent& sender);

  // ---- data-source state handlers, command bar, list presentation (commands/) --------
  void dtsPropostaStateChange(plat::TComponent& sender);
  void dtsDadosContLinhaProdStateChange(plat::TComponent& sender);
  void dtsSistLinhaProdStateChange(plat::TComponent& sender);
  void dtsDadosContServicoStateChange(plat::TComponent& sender);
  void dtsPedidosLinhaProdStateChange(plat::TComponent& sender);
  void dtsPedidosServicoStateChange(plat::TComponent& sender);
  void dtsVenc_ValorStateChange(plat::TComponent& sender);
  void dtsMensagemStateChange(plat::TComponent& sender);
  void dbgPadraoDrawColumnCell(plat::TDBGrid& sender, const plat::TRect& rect, int dataCol, plat::TColumn& column,
                               plat::TGridDrawState state);
  void dbgPadraoEnter(plat::TComponent& sender);
  // The standard screen's list-source state handler and record commands, overridden.
  void dtsPadraoStateChange(plat::TComponent& sender) override;
  void sbtIncluirClick(plat::TComponent& sender) override;
  void sbtAlterarClick(plat::TComponent& sender) override;
  void sbtExcluirClick(plat::TComponent& sender) override;
  void sbtConfirmarClick(plat::TComponent& sender) override;
  void sbtCancelarClick(plat::TComponent& sender) override;
  void sbtVerificarClick(plat::TComponent& sender) override;
  void sbtAceiteClick(plat::TComponent& sender);
  // Before an acceptance date is stored for the first time: the order must
  // pass Aceite's checks (its lines fetched and totalled first).
  void CheckAcceptanceWhenFirstStored();

  // ---- page navigation (commands/) -------------------------------------------------
  void pgcPadraoChange(plat::TComponent& sender) override;
  void pgcDadosCont_Ped_MensChange(plat::TComponent& sender);
  void pgcDadosCont_LinhaProd_ServChange(plat::TComponent& sender);
  void PageControl5Change(plat::TComponent& sender);
  // The details of the page the form shows, fetched for the current proposal
  // (the contract lines and their systems excepted: the proposal's scroll
  // fetches those); nothing while the list page is shown.
  void FetchShownDetails();

  // ---- contract product lines (contract/) --------------------------------------------
  void cdsDadosContLinhaProdAfterInsert(plat::TDataSet& dataSet);
  void cdsDadosContLinhaProdBeforePost(plat::TDataSet& dataSet);
  void cdsDadosContLinhaProdAfterPost(plat::TDataSet& dataSet);
  void cdsDadosContLinhaProdAfterCancel(plat::TDataSet& dataSet);
  void cdsDadosContLinhaProdAfterDelete(plat::TDataSet& dataSet);
  void cdsDadosContLinhaProdAfterScroll(plat::TDataSet& dataSet);
  void cdsDadosContLinhaProdBeforeScroll(plat::TDataSet& dataSet);
  void dbgDadosContLinhaProdEditButtonClick(plat::TComponent& sender);
  void dbgDadosContLinhaProdKeyPress(plat::TComponent& sender, char32_t& key);
  void dbgDadosContLinhaProdEnter(plat::TComponent& sender);
  void dbgDadosContLinhaProdExit(plat::TComponent& sender);
  void Vd_DadosCont_LinhaProd(bool must);

  // ---- product-line systems (contract/) -------------------------------------------------
  void cdsSistLinhaProdAfterInsert(plat::TDataSet& dataSet);
  void cdsSistLinhaProdBeforePost(plat::TDataSet& dataSet);
  void cdsSistLinhaProdAfterPost(plat::TDataSet& dataSet);
  void cdsSistLinhaProdAfterCancel(plat::TDataSet& dataSet);
  void cdsSistLinhaProdAfterDelete(plat::TDataSet& dataSet);
  void cdsSistLinhaProdAfterScroll(plat::TDataSet& dataSet);
  void dbgDadosContSistemaEditButtonClick(plat::TComponent& sender);
  void dbgDadosContSistemaColExit(plat::TComponent& sender);
  void dbgDadosContSistemaEnter(plat::TComponent& sender);
  void dbgDadosContSistemaExit(plat::TComponent& sender);
  void Vd_Sistema(bool must);

  // ---- contract services (contract/) ------------------------------------------------------
  void cdsDadosContServicoAfterInsert(plat::TDataSet& dataSet);
  void cdsDadosContServicoBeforePost(plat::TDataSet& dataSet);
  void cdsDadosContServicoAfterPost(plat::TDataSet& dataSet);
  void cdsDadosContServicoAfterCancel(plat::TDataSet& dataSet);
  void cdsDadosContServicoAfterDelete(plat::TDataSet& dataSet);
  void cdsDadosContServicoAfterScroll(plat::TDataSet& dataSet);
  void dbgDadosContServicoEditButtonClick(plat::TComponent& sender);
  void dbgDadosContServicoColExit(plat::TComponent& sender);
  void dbgDadosContServicoEnter(plat::TComponent& sender);
  void dbgDadosContServicoExit(plat::TComponent& sender);
  void Vd_Servico(bool must);

  // ---- coded-field display translations (contract/) ---------------------------------------
  void cdsDadosContLinhaProdIDAMBLINPPGetText(plat::TField& sender, std::string& text, bool displayText);
  void cdsDadosContLinhaProdIDAMBLINPPSetText(plat::TField& sender, const std::string& text);
  void cdsDadosContLinhaProdIDTIPLINPPGetText(plat::TField& sender, std::string& text, bool displayText);
  void cdsDadosContLinhaProdIDTIPLINPPSetText(plat::TField& sender, const std::string& text);
  void cdsDadosContLinhaProdIDTPPGTLINPPGetText(plat::TField& sender, std::string& text, bool displayText);
  void cdsDadosContLinhaProdIDTPPGTLINPPSetText(plat::TField& sender, const std::string& text);
  void cdsDadosContLinhaProdIDMPROCLINPPGetText(plat::TField& sender, std::string& text, bool displayText);
  void cdsDadosContLinhaProdIDMPROCLINPPSetText(plat::TField& sender, const std::string& text);
  void cdsDadosContLinhaProdIDLPROCLINPPGetText(plat::TField& sender, std::string& text, bool displayText);
  void cdsDadosContLinhaProdIDLPROCLINPPSetText(plat::TField& sender, const std::string& text);
  void cdsPedidosLinhaProdPLATAFORMAGetText(plat::TField& sender, std::string& text, bool displayText);
  void cdsPedidosLinhaProdPLATAFORMASetText(plat::TField& sender, const std::string& text);
  void cdsPedidosLinhaProdTP_LINHAPRODGetText(plat::TField& sender, std::string& text, bool displayText);
  void cdsPedidosLinhaProdTP_LINHAPRODSetText(plat::TField& sender, const std::string& text);
  void cdsPedidosLinhaProdTP_PAGGetText(plat::TField& sender, std::string& text, bool displayText);
  void cdsPedidosLinhaProdTP_PAGSetText(plat::TField& sender, const std::string& text);
  void cdsPedidosLinhaProdMODO_PROCESSAMENTOGetText(plat::TField& sender, std::string& text, bool displayText);
  void cdsPedidosLinhaProdLOCAL_PROCESSAMENTOGetText(plat::TField& sender, std::string& text, bool displayText);

  // ---- ordered product lines and their picker (orders/) ----------------------------------
  void cdsPedidosLinhaProdAfterInsert(plat::TDataSet& dataSet);
  void cdsPedidosLinhaProdBeforePost(plat::TDataSet& dataSet);
  void cdsPedidosLinhaProdAfterPost(plat::TDataSet& dataSet);
  void cdsPedidosLinhaProdAfterCancel(plat::TDataSet& dataSet);
  void cdsPedidosLinhaProdAfterDelete(plat::TDataSet& dataSet);
  void cdsPedidosLinhaProdAfterScroll(plat::TDataSet& dataSet);
  void cdsPedidosLinhaProdBeforeScroll(plat::TDataSet& dataSet);
  void dbgPedidosLinhaProdEditButtonClick(plat::TComponent& sender);
  void dbgPedidosLinhaProdKeyPress(plat::TComponent& sender, char32_t& key);
  void dbgPedidosLinhaProdEnter(plat::TComponent& sender);
  void dbgPedidosLinhaProdExit(plat::TComponent& sender);
  void dbgPediLinhaProdSistEnter(plat::TComponent& sender);
  void Vd_Pedidos_LinhaProd(bool must);
  // A product-line code typed into an order line (not picked) takes the
  // place of the line it names among those the proposal can order, or is
  // refused with LINHAPRODNCAD.
  void TakeLineOfTypedCode();

  // ---- ordered services (orders/) ------------------------------------------------------------
  void cdsPedidosServicoBeforePost(plat::TDataSet& dataSet);
  void cdsPedidosServicoAfterPost(plat::TDataSet& dataSet);
  void cdsPedidosServicoAfterCancel(plat::TDataSet& dataSet);
  void cdsPedidosServicoAfterDelete(plat::TDataSet& dataSet);
  void cdsPedidosServicoAfterScroll(plat::TDataSet& dataSet);
  void dbgPedidosServicoEditButtonClick(plat::TComponent& sender);
  void dbgPedidosServicoColExit(plat::TComponent& sender);
  void dbgPedidosServicoEnter(plat::TComponent& sender);
  void dbgPedidosServicoExit(plat::TComponent& sender);
  void Vd_ServPed(bool must);

  // ---- due dates and values (orders/) --------------------------------------------------------
  void cdsVenc_ValorBeforePost(plat::TDataSet& dataSet);
  void cdsVenc_ValorAfterPost(plat::TDataSet& dataSet);
  void cdsVenc_ValorAfterCancel(plat::TDataSet& dataSet);
  void cdsVenc_ValorAfterDelete(plat::TDataSet& dataSet);
  void cdsVenc_ValorAfterScroll(plat::TDataSet& dataSet);
  void dbgVenc_ValorExit(plat::TComponent& sender);

  // ---- proposal messages (messages/) ---------------------------------------------------------
  void cdsMensagemAfterInsert(plat::TDataSet& dataSet);
  void cdsMensagemBeforePost(plat::TDataSet& dataSet);
  void cdsMensagemAfterPost(plat::TDataSet& dataSet);
  void cdsMensagemAfterDelete(plat::TDataSet& dataSet);
  void cdsMensagemAfterCancel(plat::TDataSet& dataSet);
  void dbgMensagemColExit(plat::TComponent& sender);
  void dbgMensagemEditButtonClick(plat::TComponent& sender);
  void Vd_Mensagem(bool must);

  // ---- order values (orders/) ---------------------------------------------------------------
  // The order totals: two walks over the ordered lines, leaving the last current.
  void Calcula_Valores();
  // The current ordered line's quantity times its unit values, in the two displays.
  void MostraValoresLinha();

 private:
  // Binding of the record, look-up and validation events (header/) and of
  // the state handlers, commands and list drawing (commands/).
  void BindHeaderEvents();
  void BindCommandEvents();
  // The detail rows' data-set, data-source and grid events (data/), and the
  // page controls and coded fields (contract/).
  void BindDetailEvents();
  void BindContractEvents();

  // data/: data sets with their fields, queries, data sources, catalogues.
  void CreateDataModel();
  void CreateClientDataSets();
  void CreateLocalQueries();
  void CreateDataSources();
  void CreateCatalogues();

  // layout/: the control tree.
  void CreateLayout();
  void CreateWindowAndToolbar();
  void CreateListPage();
  void CreateHeaderPanel();
  void CreateDetailPages();
  void CreateContractPages();
  void CreateOrderPages();
  void CreateTextPage();
  void CreateNavigatorAndMenu();
  void CreateAnchors();
};

}  // namespace cli_psr41300
