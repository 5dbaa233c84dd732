#include "appserver/set_methods.h"

#include "appserver/delta_applier.h"
#include "appserver/packet_shape.h"
#include "appserver/query_methods.h"
#include "appserver/session.h"

namespace appsrv {

namespace {

struct SetDef {
  const char* method;
  TableDef table;
  const char* list = nullptr;  // the Get whose data set the screen edits and sends
};

// The screen's labels of the columns, for the refusals the user reads.
using Labels = std::vector<std::pair<std::string, std::string>>;

const Labels kProposalLabels = {{"NRPROPOSFAS", "Proposta"},
                                {"NRVERPROPFAS", "Versão"},
                                {"DSEMAIPROFAS", "E-mail"},
                                {"NRFAXPROPFAS", "Fax"},
                                {"DSOBSPROPFAS", "Observação"},
                                {"DTPROPOSFAS", "Data Proposta"},
                                {"DTACEPROPFAS", "Aceite da Proposta"},
                                {"DTVALPROPFAS", "Validade"},
                                {"CDCLIENTE", "Cliente"},
                                {"CDPROSPECT", "Prospect"},
                                {"NRCONTATO", "Contato"},
                                {"CDOPERSOLI", "Operador Solicitante"},
                                {"CDOPERINCL", "Operador"},
                                {"CDFILIAL", "Filial"},
                                {"IDSOLPROPFAS", "Ident. Solicitação"}};

const Labels kContractLineLabels = {
    {"CDLINPPROP", "Código"},       {"NMLINPPROP", "Linha de Produto"}, {"CDPROCOMERCI", "Prod. Comercial"},
    {"NRUSUALINPP", "N° Usuários"}, {"NRACESLINPP", "Pontos Acesso"},   {"IDTIPLINPP", "Tp. Linha Prod."},
    {"IDAMBLINPP", "Plataforma"},   {"IDTPPGTLINPP", "Tp. Pagamento"},  {"QTLINPPROP", "Qt. Licenças"},
    {"VRLUSOPROP", "Vr. Unit. LU"}, {"VRMENSPROP", "Vr. Unit. Mensal"}, {"DIFAMENLINPP", "Dia Fat."},
    {"IDMPROCLINPP", "Modo"},       {"IDLPROCLINPP", "Local"}};

const Labels kOrderLineLabels = {{"NRLINPPEDP", "Linha"},
                                 {"CDLIN", "Código"},
                                 {"NMLIN", "Linha de Produto"},
                                 {"QTLINPPEDP", "Qt. Licenças"},
                                 {"DTCALUSOPEDP", "Dt. Carência"},
                                 {"DIA_FATURAMENTO", "Dia Fat."},
                                 {"PLATAFORMA", "Plataforma"},
                                 {"TP_LINHAPROD", "Tp. Linha Prod."},
                                 {"TP_PAG", "Tp. Pagamento"},
                                 {"NR_USUARIO", "N° Usuários"},
                                 {"NR_ACESSO", "Pontos Acesso"},
                                 {"VALOR_LU", "Vr. Unit. LU"},
                                 {"VALOR_MENSAL", "Vr. Unit. Mensal"},
                                 {"MODO_PROCESSAMENTO", "Modo"},
                                 {"LOCAL_PROCESSAMENTO", "Local"}};

const std::vector<SetDef>& Tables() {
  static const std::vector<SetDef> tables = {
      {"SetProposta",
       {"PROPOSTAFAS", {"NRPROPOSFAS", "NRVERPROPFAS"}, "", {}, "Proposta", kProposalLabels},
       "GetProposta"},
      // An ordered line names its contract line by code, with no foreign key
      // (it may name a line of the customer's instead).
      {"SetDadosContLinhaProd",
       {"PROPOSTALINP",
        {"NRPROPOSFAS", "NRVERPROPFAS", "CDLINPPROP"},
        "PROPOSTAFAS",
        {{"PEDILINPPROP",
          {"NRPROPOSFAS", "NRVERPROPFAS", "CDLINPPROP"},
          "A Linha de Produto {3} da proposta {1}/{2} está no pedido: retire-a do pedido antes de excluí-la ou de "
          "mudar o seu código."}},
        "Linha de Produto",
        kContractLineLabels,
        "Proposta"},
       "GetDadosContLinhaProd"},
      {"SetSistLinhaProd",
       {"SISTPROPLINP",
        {"NRPROPOSFAS", "NRVERPROPFAS", "CDLINPPROP", "CDSISTEMA"},
        "PROPOSTALINP",
        {},
        "Sistema da Linha de Produto",
        {{"CDLINPPROP", "Linha de Produto"}, {"CDSISTEMA", "Sistema"}},
        "Linha de Produto"},
       "GetSistLinhaProd"},
      {"SetDadosContServico",
       {"PROPOSTASERV",
        {"NRPROPOSFAS", "NRVERPROPFAS", "CDTIPOSERV"},
        "PROPOSTAFAS",
        {},
        "Serviço",
        {{"CDTIPOSERV", "Serviço"}, {"VRHORAPROP", "Valor Hora"}},
        "Proposta"},
       "GetDadosContServico"},
      {"SetPedidosLinhaProd",
       {"PEDILINPPROP",
        {"NRPROPOSFAS", "NRVERPROPFAS", "NRLINPPEDP"},
        "PROPOSTAFAS",
        {},
        "Linha de Produto do pedido",
        kOrderLineLabels,
        "Proposta"},
       "GetPedidosLinhaProd"},
      {"SetPedidosServico",
       {"PEDISERVPROP",
        {"NRPROPOSFAS", "NRVERPROPFAS", "NRSERVPEDP"},
        "PROPOSTAFAS",
        {},
        "Serviço do pedido",
        {{"NRSERVPEDP", "Número"},
         {"CDTIPOSERV", "Serviço"},
         {"QTSERVPEDP", "Quantidade de Horas"},
         {"VRHORAPEDP", "Valor Hora"},
         {"TXOBSPROPSERV", "Observação"}},
        "Proposta"},
       "GetPedidosServico"},
      {"SetVenc_Valor",
       {"VENCLUSOPROP",
        {"NRPROPOSFAS", "NRVERPROPFAS", "NRLINPPEDP", "DTVELUSOPEDP"},
        "PEDILINPPROP",
        {},
        "Vencimento",
        {{"NRLINPPEDP", "Linha"}, {"DTVELUSOPEDP", "Data de Vencimento"}, {"VRVELUSOPEDP", "Valor"}},
        "Linha de Produto do pedido"},
       "GetVenc_Valor"},
      {"SetMensagem",
       {"TXTPROPFAS",
        {"NRPROPOSFAS", "NRVERPROPFAS", "CDTXTPROPFAS"},
        "PROPOSTAFAS",
        {},
        "Texto",
        {{"CDTXTPROPFAS", "Código da Proposta(Mensagem)"}, {"NRORDEMMSG", "Ordem"}, {"TXPROPFAS", "Texto"}},
        "Proposta"}},
  };
  return tables;
}

// Records the ordered quantity of the stored order line of the proposal
// version whose product line is the given one (CDLIN, passed twice by the
// screen). A line not stored yet is left to its Set; nothing is refused.
Answer UpdateOrderedQuantity(Session& session, const CallArgs& args) {
  session.NoteProposal(args.Text(1), args.Text(2));
  session.Db().Transaction(TxMode::Write, [&] {
    session.Db().Execute(
        "UPDATE PEDILINPPROP SET QTLINPPEDP = ?1 WHERE NRPROPOSFAS = ?2 AND NRVERPROPFAS = ?3"
        " AND (CDLIN = ?4 OR CDLIN = ?5)",
        {plat::Variant(args.Number(0)), plat::Variant(args.Text(1)), plat::Variant(args.Text(2)),
         plat::Variant(args.Text(3)), plat::Variant(args.Text(4))});
  });
  return EmptyPacket();
}

}  // namespace

void RegisterSetMethods(ServerObject& module) {
  for (const auto& set : Tables()) {
    TableDef table = set.table;
    if (set.list)
      for (const plat::FieldDef& field : ParseFields(QueryFields(set.list))) table.otherFields.push_back(field.name);
    // The ordered lines and services are numbered by the server.
    for (const char* numbered : {"NRLINPPEDP", "NRSERVPEDP"})
      if (table.keys.back() == numbered) table.numbered = numbered;
    module.Add({set.method, {{"delta", ArgKind::Delta}}, [table](Session& session, const CallArgs& args) -> Answer {
                  ApplyDelta(session.Db(), table, args.DeltaAt(0));
                  return EmptyPacket();
                }});
  }
  module.Add({"GetUpDateValor",
              {{"QTLINPPEDP", ArgKind::Number},
               {"NRPROPOSFAS", ArgKind::Text},
               {"NRVERPROPFAS", ArgKind::Text},
               {"CDLIN", ArgKind::Text},
               {"CDLIN", ArgKind::Text}},
              UpdateOrderedQuantity});
}

}  // namespace appsrv
