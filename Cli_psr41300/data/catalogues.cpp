// The screen's two message catalogues: msgPadrao (messages, and the words of
// the coded fields) and msgMensagensPadroes (confirmations). Entries are
// "CODE|text"; codes are case-sensitive and two texts end with CR LF.
#include <span>
#include <string>
#include <vector>

#include "Cli_psr41300/frm_solicita_proposta.h"

namespace cli_psr41300 {

namespace {

const char* const kMensagens[] = {
    "PROP_INF|Proposta deve ser informada.",
    "VERSAO_INF|Versão da Proposta deve ser informada.",
    "DEPVALID|Validade da Proposta deve ser informada.",
    "DEPACEITE|Data de aceite da Proposta deve ser informada.",
    "Cli_NCad|Não há Cliente cadastrado.",
    "Pro_NCad|Não há Prospect cadastrado.",
    "MensInf|Código da Proposta(Mensagem) deve ser informado.",
    "SERV|Serviço",
    "SERVINV|Não há serviço cadastrado.",
    "SERVINF|Serviço deve ser informado.",
    "VRHORAINF|Valor/Hora do serviço deve ser informado.",
    "Mensagem|Mensagem deve ser informada.",
    "PRODCOM|Produto Comercial.",
    "PRODCOMINV|Não há Produto Comercial cadastrado.",
    "SISTEMA|Sistema",
    "SISTEMAINV|Não há Sistema cadastrado.",
    "LOCA|Locação",
    "MANUT|Manutenção",
    "PGFIXO|Pg. Fixo",
    "PGPROPOR|Pg. Proporcional",
    "CODDADOLIN|Código de Linha de Produto deve ser informado.",
    "LINPROD|Linha de Produto deve ser informada.",
    "PRODCOMERCI|Produto Comercial deve ser informado.",
    "NUMUSU|Número de usuários deve ser informado.",
    "NUMACES|Número de Acessos deve ser informado.",
    "TPLINPROD|Tipo de Linha de Produto deve ser informada.",
    "TPPAG|Tipo de Pagamento deve ser informado.",
    "QTLICE|Quantidade de Licenças deve ser informada.",
    "VALLU|Valor da Licença de Uso deve ser informada.",
    "VALMES|Valor Mensal deve ser informado.",
    "SISTINF|Sistema deve ser informado.",
    "DTCAD|Data de cadastramento da proposta deve ser informada.",
    "CLIEPROS|Cliente/Prospect deve ser informado.",
    "SERVJCAD|Serviço já cadastrado.",
    "SISJACAD|Sistema já cadastrado.",
    "MSGJCAD|Código da Mensagem já cadastrado.",
    "DTVENC|Data de Vencimento deve ser informada.",
    "VALOR|Valor deve ser informado.",
    "Qtde_Horas|Quantidade de horas deve ser informada.",
    "msg|Mensagem",
    "msgInv|Não há Mensagem cadastrada.",
    "DIAFAT|Dia do Faturamento deve ser informado.",
    "WEB|WEB",
    "WIN|WIN",
    "DOS|DOS",
    "Ped_Sist|Deverá existir sistema(s) cadastrado(s) no Pedido de Linha de Produto.\r\n",
    "PedLinhaProd_Serv|Deverá existir pelo menos um pedido de Linha de Produto ou Serviços cadastrados.",
    "Dt_Venc_LinProd|Data de vencimento da Linha de Produto deve ser informada.",
    "Valor_Ped|A soma dos valores da Data de Vencimento devem ser igual ao Valor LU da Linha de Produto do Pedido.",
    "Aceite_Sucesso|Aceite realizado com sucesso.",
    "PROPJACAD|Proposta já cadastrada.",
    "LINPRODJCAD|Linha de Produto já cadastrada para Proposta informada.",
    "LINHAPROD|Linha de Produto",
    "LINHAPRODNCAD|Não há Linha de Produto cadastrada.",
    "Ordem|Ordem do Texto deve ser informado.",
    "DtCarencia|Data de Carência deve ser informada.",
    "Sist_Dados|Deverá existir sistema(s) cadastrado(s) na Linha de Produto dos Dados Contratuais.\r\n",
    "CDCONTRATO|Código da Linha de Produto já existente no Contrato.",
    "LinhaProd_Deve|Deverá existir Linha de Produto cadastrada.",
    "Prosp_Clie|O Prospect informado já esta cadastrado como Cliente.",
    "Copia|Deseja fazer cópia da Proposta?",
    "Solicitação|Solicitação",
    "Proposta|Proposta",
    "Filial|Filial",
    "Matriz|Matriz",
    "Modo_Proce|Modo de processamento deve ser informado.",
    "Local_Proce|Local de processamento deve ser informado.",
    "PRODCOMERCIINV|Produto Comercial inválido.",
    "N_PROS_CLI|Não há Contato cadastrado para Cliente/Prospect informado.",
    "CLI_INF|Cliente\\Prospect deve ser informado",
    "CONT_N_CAD|Contato não cadastrado",
    "CLI_N_CAD|Cliente/Prospect não cadastrado",
    "PROS_N_CAD|Prospect não cadastrado",
    "OPER_INF|Operador deve ser informado",
    "OPER_N_CAD|Operador não cadastrado",
};

const char* const kConfirmacoes[] = {
    "Excl|Confirma exclusão?",
    "Canc|Cancelar operação?",
    "Copia|Deseja copiar esta Proposta.",
};

std::vector<std::string> Entries(std::span<const char* const> texts) { return {texts.begin(), texts.end()}; }

}  // namespace

void TfrmSolicitaProposta::CreateCatalogues() {
  msgPadrao->SetMessages(Entries(kMensagens));
  msgMensagensPadroes->SetMessages(Entries(kConfirmacoes));
}

}  // namespace cli_psr41300
