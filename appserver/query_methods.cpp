// The proposal module's reading methods, one table row each: the method's
// arguments, the fields its answer declares (the screen data set's fields),
// and the statement that reads it.
//
// Statement parameters: ?1 .. ?n are the call's arguments in order, as text.
// A method that names only a proposal number gets one more parameter, the
// version of that proposal the connection is working on (Session::VersionFor).
#include "appserver/query_methods.h"

#include "appserver/packet_shape.h"
#include "appserver/session.h"
#include "appserver/streamed_answer.h"

namespace appsrv {

namespace {

// Where a method's arguments name a proposal.
enum class Proposal {
  None,
  KeyFirst,     // arguments 1 and 2 are a proposal key: it becomes the proposal in work
  KeySecond,    // arguments 2 and 3 are a proposal key: likewise
  NumberFirst,  // argument 1 is a lone proposal number: its version in work is bound after the arguments
};

struct QueryDef {
  const char* method;
  std::vector<const char*> args;
  const char* fields;  // declared fields; "" for a validation answer (any columns)
  Proposal proposal;
  const char* sql;
};

// Fields of the screen's data sets.
constexpr const char* kProposta =
    "DSEMAIPROFAS S50, NRFAXPROPFAS S25, DSOBSPROPFAS S250, IDSOLPROPFAS S1, CODIGO S21, NOME S50, "
    "NRPROPOSFAS S20, CDOPERSOLI S12, OPERSOLI S40, DTPROPOSFAS T, DTACEPROPFAS T, NRINSJURCLIE S20, "
    "DTVALPROPFAS T, NRVERPROPFAS S2, CDFILIAL S4, CDOPERINCL S12, NRCONTATO S10, CDPROSPECT S21, "
    "CDOPERADOR S12, NMOPERADOR S40, IDTPCONTATO S1, IDTPIJURCLIE S1, IDTPIJURPROS S1, IDCLIENPROSP S1, "
    "CDCLIENTE S21, DSREFECONT S60, PROPOSTA S100";
constexpr const char* kDadosContLinhaProd =
    "CDLINPPROP S20, NMLINPPROP S50, NMPROCOMERCI S50, NRUSUALINPP F, NRACESLINPP F, IDTIPLINPP S1, "
    "IDAMBLINPP S3, IDTPPGTLINPP S1, QTLINPPROP F, VRLUSOPROP F, VRMENSPROP F, NRPROPOSFAS S20, "
    "NRVERPROPFAS S2, CDPROCOMERCI S10, VALORTOTALMENSAL D32, VALORTOTALLU D32, DIFAMENLINPP F, "
    "IDMPROCLINPP S1, IDLPROCLINPP S1";
constexpr const char* kSistLinhaProd = "NMSISTEMA S40, NRPROPOSFAS S20, NRVERPROPFAS S2, CDLINPPROP S20, CDSISTEMA S8";
constexpr const char* kDadosContServico =
    "NRPROPOSFAS S20, NRVERPROPFAS S2, CDTIPOSERV S3, VRHORAPROP F, NMTIPOSERV S30";
constexpr const char* kPedidosLinhaProd =
    "CDCLIENTE S21, NRPROPOSFAS S20, NRVERPROPFAS S2, NRLINPPEDP S3, QTLINPPEDP F, VRLUSOPEDP F, "
    "VRMENSPEDP F, DIFAMENSPEDP F, DTCALUSOPEDP T, NMLINPPROP S50, IDAMBLINPP S3, IDTIPLINPP S1, "
    "IDTPPGTLINPP S1, NRUSUALINPP F, NRACESLINPP F, QTLINPPROP F, VALORTOTALLU D32, VALORTOTALMENSAL D32, "
    "CDLIN S20, NMLIN S50, PLATAFORMA S3, TP_LINHAPROD S1, TP_PAG S1, NR_USUARIO D32, VALOR_LU D32, "
    "DIA_FATURAMENTO D32, DIFAMENLINPP F, VALOR_MENSAL D32, NR_ACESSO D32, CDLINPPROP S20, CDLINPCLIE S20, "
    "QUANTIDADE D32, MODO_PROCESSAMENTO S1, LOCAL_PROCESSAMENTO S1";
constexpr const char* kPedidosSist = "SISTEMA S40, IDENTIFICADOR S1";
constexpr const char* kVencValor = "NRPROPOSFAS S20, NRVERPROPFAS S2, NRLINPPEDP S3, DTVELUSOPEDP T, VRVELUSOPEDP F";
constexpr const char* kPedidosServico =
    "NMTIPOSERV S30, QTSERVPEDP F, VRHORAPEDP F, NRPROPOSFAS S20, NRVERPROPFAS S2, CDTIPOSERV S3, "
    "TXOBSPROPSERV S4000, NRSERVPEDP S3";
constexpr const char* kPesqContato =
    "CDFILIAL S4, NRCONTATO S40, CDCLIENTE S21, DDSREFECONT S60, CDFORNECED S21, CDPROSPECT S21, "
    "IDTPCONTATO S1, CDSITUACAO S20, CDSISTEMA S8, CDASSUNTO S5";
constexpr const char* kCont =
    "NRCONTATO S40, DDSREFECONT S60, IDTPCONTATO S1, CDCLIENTE S21, CDFILIAL S4, CDFORNECED S21, "
    "CDPROSPECT S21, CDSITUACAO S20, CDSISTEMA S8, CDASSUNTO S5";
constexpr const char* kProdComercial = "CDPROCOMERCI S10, NMPROCOMERCI S50";
constexpr const char* kValidaSistema = "NRPROPOSFAS S20, NRVERPROPFAS S2, CDLINPPROP S20, CDSISTEMA S8, NMSISTEMA S40";
constexpr const char* kPesqPedidos =
    "MODO_PROCESSAMENTO S1, LOCAL_PROCESSAMENTO S1, CDLINPCLIE S20, NMLINPCLIE S50, PLATAFORMA S3, "
    "TP_LINHA_PROD S1, TP_PAGAMENTO S1, NR_USUARIO D32, NR_ACESSO D32, QUANTIDADE D32, CDLINPGRAVA S20, "
    "VALOR_LU D32, VALOR_MENSAL D32, DIA_FATURAMENTO D32, IDENTIFICADOR S1";
constexpr const char* kPedidosServ = "CODIGO S3, SERVICO S30, VALOR_HORA D32";
constexpr const char* kSumValorPedido = "VALOR D32";
constexpr const char* kPesqMsg = "CDPADTXT S20, TXPADTXT B";

// The contacts of a party in a branch: ?2 'C' with customer ?3, 'P' with prospect ?4.
#define CONTACTS_OF_PARTY                                         \
  " FROM CONTATO K WHERE K.CDFILIAL = ?1"                         \
  " AND ((?2 = 'C' AND K.IDTPCONTATO = 'C' AND K.CDCLIENTE = ?3)" \
  "   OR (?2 = 'P' AND K.IDTPCONTATO = 'P' AND K.CDPROSPECT = ?4))"
#define CONTACT_COLUMNS                                                                              \
  "K.CDFILIAL, K.NRCONTATO, K.CDCLIENTE, K.DDSREFECONT, K.CDFORNECED, K.CDPROSPECT, K.IDTPCONTATO, " \
  "K.CDSITUACAO, K.CDSISTEMA, K.CDASSUNTO"

const std::vector<QueryDef>& Queries() {
  static const std::vector<QueryDef> queries = {
      {"GetProposta",
       {"CDFILIAL", "CDOPERADOR"},
       kProposta,
       Proposal::None,
       "SELECT P.DSEMAIPROFAS, P.NRFAXPROPFAS, P.DSOBSPROPFAS, P.IDSOLPROPFAS,"
       " CASE WHEN P.IDCLIENPROSP = 'P' THEN P.CDPROSPECT ELSE P.CDCLIENTE END AS CODIGO,"
       " CASE WHEN P.IDCLIENPROSP = 'P' THEN R.NMFANTPROS ELSE C.NMFANTCLIE END AS NOME,"
       " P.NRPROPOSFAS, P.CDOPERSOLI, S.NMOPERADOR AS OPERSOLI, P.DTPROPOSFAS, P.DTACEPROPFAS,"
       " CASE WHEN P.IDCLIENPROSP = 'P' THEN R.NRINSJURPROS ELSE C.NRINSJURCLIE END AS NRINSJURCLIE,"
       " P.DTVALPROPFAS, P.NRVERPROPFAS, P.CDFILIAL, P.CDOPERINCL, P.NRCONTATO, P.CDPROSPECT,"
       " I.CDOPERADOR, I.NMOPERADOR, P.IDTPCONTATO, C.IDTPIJURCLIE, R.IDTPIJURPROS, P.IDCLIENPROSP,"
       " P.CDCLIENTE, K.DDSREFECONT AS DSREFECONT,"
       " P.NRPROPOSFAS || ' - ' || COALESCE(CASE WHEN P.IDCLIENPROSP = 'P' THEN R.NMFANTPROS"
       "   ELSE C.NMFANTCLIE END, '') AS PROPOSTA"
       " FROM PROPOSTAFAS P"
       " LEFT JOIN CLIENTE C ON C.CDCLIENTE = P.CDCLIENTE"
       " LEFT JOIN PROSPECT R ON R.CDPROSPECT = P.CDPROSPECT"
       " LEFT JOIN OPERADOR S ON S.CDOPERADOR = P.CDOPERSOLI"
       " LEFT JOIN OPERADOR I ON I.CDOPERADOR = P.CDOPERINCL"
       " LEFT JOIN CONTATO K ON K.CDFILIAL = P.CDFILIAL AND K.NRCONTATO = P.NRCONTATO"
       " WHERE P.CDFILIAL = ?1"
       " ORDER BY LENGTH(P.NRPROPOSFAS), P.NRPROPOSFAS, CAST(P.NRVERPROPFAS AS INTEGER)"},

      {"GetDadosContLinhaProd",
       {"NRPROPOSFAS", "NRVERPROPFAS"},
       kDadosContLinhaProd,
       Proposal::KeyFirst,
       "SELECT CDLINPPROP, NMLINPPROP, NMPROCOMERCI, NRUSUALINPP, NRACESLINPP, IDTIPLINPP, IDAMBLINPP,"
       " IDTPPGTLINPP, QTLINPPROP, VRLUSOPROP, VRMENSPROP, NRPROPOSFAS, NRVERPROPFAS, CDPROCOMERCI,"
       " SUM(COALESCE(QTLINPPROP, 0) * COALESCE(VRMENSPROP, 0)) OVER () AS VALORTOTALMENSAL,"
       " SUM(COALESCE(QTLINPPROP, 0) * COALESCE(VRLUSOPROP, 0)) OVER () AS VALORTOTALLU,"
       " DIFAMENLINPP, IDMPROCLINPP, IDLPROCLINPP"
       " FROM PROPOSTALINP WHERE NRPROPOSFAS = ?1 AND NRVERPROPFAS = ?2"
       " ORDER BY LENGTH(CDLINPPROP), CDLINPPROP"},

      {"GetSistLinhaProd",
       {"NRPROPOSFAS", "NRVERPROPFAS", "CDLINPPROP"},
       kSistLinhaProd,
       Proposal::KeyFirst,
       "SELECT S.NMSISTEMA, X.NRPROPOSFAS, X.NRVERPROPFAS, X.CDLINPPROP, X.CDSISTEMA"
       " FROM SISTPROPLINP X LEFT JOIN SISTEMA S ON S.CDSISTEMA = X.CDSISTEMA"
       " WHERE X.NRPROPOSFAS = ?1 AND X.NRVERPROPFAS = ?2 AND X.CDLINPPROP = ?3 ORDER BY X.CDSISTEMA"},

      {"GetDadosContServico",
       {"NRPROPOSFAS", "NRVERPROPFAS"},
       kDadosContServico,
       Proposal::KeyFirst,
       "SELECT X.NRPROPOSFAS, X.NRVERPROPFAS, X.CDTIPOSERV, X.VRHORAPROP, T.NMTIPOSERV"
       " FROM PROPOSTASERV X LEFT JOIN TIPOSERV T ON T.CDTIPOSERV = X.CDTIPOSERV"
       " WHERE X.NRPROPOSFAS = ?1 AND X.NRVERPROPFAS = ?2 ORDER BY X.CDTIPOSERV"},

      // The order line's own values, repeated under the names the screen's
      // first field group uses; the line totals follow its quantity.
      {"GetPedidosLinhaProd",
       {"NRPROPOSFAS", "NRVERPROPFAS"},
       kPedidosLinhaProd,
       Proposal::KeyFirst,
       "SELECT P.CDCLIENTE, P.NRPROPOSFAS, P.NRVERPROPFAS, P.NRLINPPEDP, P.QTLINPPEDP,"
       " P.VALOR_LU AS VRLUSOPEDP, P.VALOR_MENSAL AS VRMENSPEDP, P.DIA_FATURAMENTO AS DIFAMENSPEDP,"
       " P.DTCALUSOPEDP, P.NMLINPPROP, P.PLATAFORMA AS IDAMBLINPP, P.TP_LINHAPROD AS IDTIPLINPP,"
       " P.TP_PAG AS IDTPPGTLINPP, P.NR_USUARIO AS NRUSUALINPP, P.NR_ACESSO AS NRACESLINPP,"
       " COALESCE(L.QTLINPPROP, C.QTLINPCLIE) AS QTLINPPROP,"
       " COALESCE(P.QTLINPPEDP, 0) * COALESCE(P.VALOR_LU, 0) AS VALORTOTALLU,"
       " COALESCE(P.QTLINPPEDP, 0) * COALESCE(P.VALOR_MENSAL, 0) AS VALORTOTALMENSAL,"
       " P.CDLIN, P.NMLIN, P.PLATAFORMA, P.TP_LINHAPROD, P.TP_PAG, P.NR_USUARIO, P.VALOR_LU,"
       " P.DIA_FATURAMENTO, P.DIA_FATURAMENTO AS DIFAMENLINPP, P.VALOR_MENSAL, P.NR_ACESSO,"
       " P.CDLINPPROP, P.CDLINPCLIE, P.QTLINPPEDP AS QUANTIDADE, P.MODO_PROCESSAMENTO, P.LOCAL_PROCESSAMENTO"
       " FROM PEDILINPPROP P"
       " LEFT JOIN PROPOSTALINP L ON L.NRPROPOSFAS = P.NRPROPOSFAS AND L.NRVERPROPFAS = P.NRVERPROPFAS"
       "   AND L.CDLINPPROP = P.CDLINPPROP"
       " LEFT JOIN LINPCLIENTE C ON C.CDCLIENTE = P.CDCLIENTE AND C.CDLINPCLIE = P.CDLINPCLIE"
       " WHERE P.NRPROPOSFAS = ?1 AND P.NRVERPROPFAS = ?2 ORDER BY CAST(P.NRLINPPEDP AS INTEGER)"},

      // Systems of an ordered line: those of the proposal's contract line
      // (IDENTIFICADOR '1') or of the line the customer holds ('0').
      {"PedidosSist",
       {"NRPROPOSFAS", "NRVERPROPFAS", "CDLINPPROP", "CODIGO", "CDLINPCLIE"},
       kPedidosSist,
       Proposal::KeyFirst,
       "SELECT S.NMSISTEMA AS SISTEMA, '1' AS IDENTIFICADOR"
       " FROM SISTPROPLINP X JOIN SISTEMA S ON S.CDSISTEMA = X.CDSISTEMA"
       " WHERE ?3 <> '' AND X.NRPROPOSFAS = ?1 AND X.NRVERPROPFAS = ?2 AND X.CDLINPPROP = ?3"
       " UNION ALL"
       " SELECT S.NMSISTEMA, '0' FROM SISTLINPCLIE X JOIN SISTEMA S ON S.CDSISTEMA = X.CDSISTEMA"
       " WHERE ?3 = '' AND ?5 <> '' AND X.CDCLIENTE = ?4 AND X.CDLINPCLIE = ?5"
       " ORDER BY 1"},

      // Due rows of the ordered line that refers to the contract line ?3,
      // or, without one, to the customer's line ?4.
      {"GetVenc_Valor",
       {"NRPROPOSFAS", "NRVERPROPFAS", "CDLINPPROP", "CDLINPCLIE"},
       kVencValor,
       Proposal::KeyFirst,
       "SELECT V.NRPROPOSFAS, V.NRVERPROPFAS, V.NRLINPPEDP, V.DTVELUSOPEDP, V.VRVELUSOPEDP"
       " FROM PEDILINPPROP P JOIN VENCLUSOPROP V ON V.NRPROPOSFAS = P.NRPROPOSFAS"
       "   AND V.NRVERPROPFAS = P.NRVERPROPFAS AND V.NRLINPPEDP = P.NRLINPPEDP"
       " WHERE P.NRPROPOSFAS = ?1 AND P.NRVERPROPFAS = ?2"
       "   AND ((?3 <> '' AND P.CDLINPPROP = ?3) OR (?3 = '' AND ?4 <> '' AND P.CDLINPCLIE = ?4))"
       " ORDER BY V.DTVELUSOPEDP"},

      {"GetPedidosServico",
       {"NRPROPOSFAS", "NRVERPROPFAS"},
       kPedidosServico,
       Proposal::KeyFirst,
       "SELECT T.NMTIPOSERV, X.QTSERVPEDP, X.VRHORAPEDP, X.NRPROPOSFAS, X.NRVERPROPFAS, X.CDTIPOSERV,"
       " X.TXOBSPROPSERV, X.NRSERVPEDP"
       " FROM PEDISERVPROP X LEFT JOIN TIPOSERV T ON T.CDTIPOSERV = X.CDTIPOSERV"
       " WHERE X.NRPROPOSFAS = ?1 AND X.NRVERPROPFAS = ?2 ORDER BY CAST(X.NRSERVPEDP AS INTEGER)"},

      {"DadosContProdComercial",
       {},
       kProdComercial,
       Proposal::None,
       "SELECT CDPROCOMERCI, NMPROCOMERCI FROM PRODCOMERCIAL ORDER BY NMPROCOMERCI"},

      // Services that can be ordered: the proposal's contract services at
      // their contracted hourly value, then every other service type at its
      // standard value.
      {"PedidosServico",
       {"NRPROPOSFAS", "NRVERPROPFAS", "CODIGO"},
       kPedidosServ,
       Proposal::KeyFirst,
       "SELECT X.CDTIPOSERV AS CODIGO, T.NMTIPOSERV AS SERVICO, X.VRHORAPROP AS VALOR_HORA, 0 AS ORIGEM"
       " FROM PROPOSTASERV X JOIN TIPOSERV T ON T.CDTIPOSERV = X.CDTIPOSERV"
       " WHERE X.NRPROPOSFAS = ?1 AND X.NRVERPROPFAS = ?2"
       " UNION ALL"
       " SELECT T.CDTIPOSERV, T.NMTIPOSERV, T.VRHORATPSERV, 1 FROM TIPOSERV T"
       " WHERE NOT EXISTS (SELECT 1 FROM PROPOSTASERV X WHERE X.NRPROPOSFAS = ?1 AND X.NRVERPROPFAS = ?2"
       "   AND X.CDTIPOSERV = T.CDTIPOSERV)"
       " ORDER BY 4, 1"},

      // Product lines that can be ordered: the proposal's contract lines
      // (IDENTIFICADOR '1'), then, for a customer's proposal, the lines the
      // customer already holds ('0').
      {"PesqPedidos",
       {"NRPROPOSFAS", "NRVERPROPFAS", "CODIGO"},
       kPesqPedidos,
       Proposal::KeyFirst,
       "SELECT L.IDMPROCLINPP AS MODO_PROCESSAMENTO, L.IDLPROCLINPP AS LOCAL_PROCESSAMENTO,"
       " L.CDLINPPROP AS CDLINPCLIE, L.NMLINPPROP AS NMLINPCLIE, L.IDAMBLINPP AS PLATAFORMA,"
       " L.IDTIPLINPP AS TP_LINHA_PROD, L.IDTPPGTLINPP AS TP_PAGAMENTO, L.NRUSUALINPP AS NR_USUARIO,"
       " L.NRACESLINPP AS NR_ACESSO, L.QTLINPPROP AS QUANTIDADE, L.CDLINPPROP AS CDLINPGRAVA,"
       " L.VRLUSOPROP AS VALOR_LU, L.VRMENSPROP AS VALOR_MENSAL, L.DIFAMENLINPP AS DIA_FATURAMENTO,"
       " '1' AS IDENTIFICADOR, LENGTH(L.CDLINPPROP) AS ORDEM"
       " FROM PROPOSTALINP L WHERE L.NRPROPOSFAS = ?1 AND L.NRVERPROPFAS = ?2"
       " UNION ALL"
       " SELECT C.IDMPROCLINPP, C.IDLPROCLINPP, C.CDLINPCLIE, C.NMLINPCLIE, C.IDAMBLINPP, C.IDTIPLINPP,"
       " C.IDTPPGTLINPP, C.NRUSUALINPP, C.NRACESLINPP, C.QTLINPCLIE, C.CDLINPCLIE, C.VRLUSOCLIE,"
       " C.VRMENSCLIE, C.DIFAMENLINPP, '0', LENGTH(C.CDLINPCLIE)"
       " FROM LINPCLIENTE C WHERE C.CDCLIENTE = ?3 AND NOT EXISTS (SELECT 1 FROM PROPOSTAFAS P"
       "   WHERE P.NRPROPOSFAS = ?1 AND P.NRVERPROPFAS = ?2 AND P.IDCLIENPROSP = 'P')"
       " ORDER BY 15 DESC, 16, 3"},

      {"PesqMsg", {}, kPesqMsg, Proposal::None, "SELECT CDPADTXT, TXPADTXT FROM TEXTOPADRAO ORDER BY CDPADTXT"},

      {"GetContato",
       {"CDFILIAL", "IDCLIENPROSP", "CDCLIENTE", "CDPROSPECT"},
       kPesqContato,
       Proposal::None,
       "SELECT " CONTACT_COLUMNS CONTACTS_OF_PARTY " ORDER BY K.NRCONTATO"},

      {"Valida_Contato",
       {"CDFILIAL", "IDCLIENPROSP", "CDCLIENTE", "CDPROSPECT", "NRCONTATO"},
       kCont,
       Proposal::None,
       "SELECT " CONTACT_COLUMNS CONTACTS_OF_PARTY " AND K.NRCONTATO = ?5"},

      // Proposal keys are unique across branches, so the branch does not
      // narrow the check.
      {"ValidaProposta",
       {"CDFILIAL", "NRPROPOSFAS", "NRVERPROPFAS"},
       "",
       Proposal::KeySecond,
       "SELECT NRPROPOSFAS, NRVERPROPFAS, CDFILIAL FROM PROPOSTAFAS WHERE NRPROPOSFAS = ?2 AND NRVERPROPFAS = ?3"},

      // The line code among the lines the customer ?2 holds under contract.
      {"Valida_Contrato",
       {"CDLINPPROP", "CODIGO"},
       "",
       Proposal::None,
       "SELECT CDCLIENTE, CDLINPCLIE, NMLINPCLIE FROM LINPCLIENTE WHERE CDLINPCLIE = ?1 AND CDCLIENTE = ?2"},

      {"ValidaLinhaProd_DadosCont",
       {"NRPROPOSFAS", "NRVERPROPFAS", "CDLINPPROP"},
       "",
       Proposal::KeyFirst,
       "SELECT NRPROPOSFAS, NRVERPROPFAS, CDLINPPROP, NMLINPPROP FROM PROPOSTALINP"
       " WHERE NRPROPOSFAS = ?1 AND NRVERPROPFAS = ?2 AND CDLINPPROP = ?3"},

      {"ValidaLinhaProd_Pedidos",
       {"NRPROPOSFAS", "NRVERPROPFAS", "CDLIN"},
       "",
       Proposal::KeyFirst,
       "SELECT NRPROPOSFAS, NRVERPROPFAS, NRLINPPEDP, CDLIN FROM PEDILINPPROP"
       " WHERE NRPROPOSFAS = ?1 AND NRVERPROPFAS = ?2 AND CDLIN = ?3"},

      {"ValidaSistema",
       {"NRPROPOSFAS", "CDSISTEMA", "CDLINPPROP"},
       kValidaSistema,
       Proposal::NumberFirst,
       "SELECT X.NRPROPOSFAS, X.NRVERPROPFAS, X.CDLINPPROP, X.CDSISTEMA, S.NMSISTEMA"
       " FROM SISTPROPLINP X LEFT JOIN SISTEMA S ON S.CDSISTEMA = X.CDSISTEMA"
       " WHERE X.NRPROPOSFAS = ?1 AND X.NRVERPROPFAS = ?4 AND X.CDLINPPROP = ?3 AND X.CDSISTEMA = ?2"},

      {"ValidaServico",
       {"NRPROPOSFAS", "CDTIPOSERV"},
       "",
       Proposal::NumberFirst,
       "SELECT NRPROPOSFAS, NRVERPROPFAS, CDTIPOSERV FROM PROPOSTASERV"
       " WHERE NRPROPOSFAS = ?1 AND NRVERPROPFAS = ?3 AND CDTIPOSERV = ?2"},

      {"ValidaServPed",
       {"NRPROPOSFAS", "CDTIPOSERV"},
       "",
       Proposal::NumberFirst,
       "SELECT NRPROPOSFAS, NRVERPROPFAS, NRSERVPEDP, CDTIPOSERV FROM PEDISERVPROP"
       " WHERE NRPROPOSFAS = ?1 AND NRVERPROPFAS = ?3 AND CDTIPOSERV = ?2"},

      {"ValidaMsg",
       {"NRPROPOSFAS", "CDTXTPROPFAS"},
       "",
       Proposal::NumberFirst,
       "SELECT NRPROPOSFAS, NRVERPROPFAS, CDTXTPROPFAS FROM TXTPROPFAS"
       " WHERE NRPROPOSFAS = ?1 AND NRVERPROPFAS = ?3 AND CDTXTPROPFAS = ?2"},

      // The due values of every ordered line of the proposal version.
      {"Sum_ValorPedido",
       {"NRPROPOSFAS"},
       kSumValorPedido,
       Proposal::NumberFirst,
       "SELECT ROUND(CAST(COALESCE(SUM(VRVELUSOPEDP), 0) AS NUMERIC), 4) AS VALOR FROM VENCLUSOPROP"
       " WHERE NRPROPOSFAS = ?1 AND NRVERPROPFAS = ?2"},
  };
  return queries;
}

#undef CONTACTS_OF_PARTY
#undef CONTACT_COLUMNS

// The statement's parameters for a call; notes the proposal it names.
Params ParamsOf(const QueryDef& query, Session& session, const CallArgs& args) {
  Params params = args.Texts();
  switch (query.proposal) {
    case Proposal::KeyFirst:
      session.NoteProposal(args.Text(0), args.Text(1));
      break;
    case Proposal::KeySecond:
      session.NoteProposal(args.Text(1), args.Text(2));
      break;
    case Proposal::NumberFirst:
      params.emplace_back(session.VersionFor(args.Text(0)));
      break;
    case Proposal::None:
      break;
  }
  return params;
}

Method MakeMethod(const QueryDef& query) {
  Method method;
  method.name = query.method;
  for (const char* name : query.args) method.args.push_back({name, ArgKind::Text});
  auto fields = ParseFields(query.fields);
  method.run = [query, fields](Session& session, const CallArgs& args) -> Answer {
    const Params params = ParamsOf(query, session, args);
    return Shape(session.Db().Query(query.sql, params), fields);
  };
  // A validation answer (no declared fields) is a row or none: not streamed.
  if (!fields.empty()) {
    method.fields = fields;
    method.stream = [query](Session& session, const CallArgs& args, plat::PacketAnswerWriter& out) {
      const Params params = ParamsOf(query, session, args);
      StreamShaped(session.Db(), query.sql, params, out);
    };
  }
  return method;
}

}  // namespace

void RegisterQueryMethods(ServerObject& module) {
  for (const auto& query : Queries()) module.Add(MakeMethod(query));
}

const char* QueryFields(std::string_view method) {
  for (const auto& query : Queries())
    if (method == query.method) return query.fields;
  return nullptr;
}

const char* QueryStatement(std::string_view method) {
  for (const auto& query : Queries()) {
    if (method == query.method) return query.sql;
  }
  return nullptr;
}

}  // namespace appsrv
