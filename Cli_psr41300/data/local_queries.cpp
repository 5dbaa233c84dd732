// The read-only look-ups on the host's local database: customers, prospects,
// operators, service types and systems. Statements are kept as the host's
// tables expect them; parameters are bound by the callers before opening.
#include "Cli_psr41300/data/declared_fields.h"
#include "Cli_psr41300/frm_solicita_proposta.h"
#include "host/dtmdbgeral.h"

namespace cli_psr41300 {

namespace {

using namespace data;
using T = TfrmSolicitaProposta;

const FieldSpec kCliente[] = {
    {"CDCLIENTE", kText, 21, "", kHidden | kRequired},
    {"NRINSJURCLIE", kText, 20, "Inscrição"},
    {"NMFANTCLIE", kText, 50, "Nome"},
    {"IDTPIJURCLIE", kText, 1, "", kHidden},
};

const FieldSpec kProspect[] = {
    {"NRINSJURPROS", kText, 20, "Inscrição"},
    {"NMFANTPROS", kText, 50, "Nome"},
    {"IDTPIJURPROS", kText, 1, "", kHidden},
    {"CDPROSPECT", kText, 21, "", kHidden | kRequired},
};

const FieldSpec kOperador[] = {
    {"CDOPERADOR", kText, 12, "Código", kRequired},
    {"NMOPERADOR", kText, 40, "Nome"},
};

const FieldSpec kGera_Cliente[] = {
    {"CDPROSPECT", kText, 21},   {"IDTPIJURPROS", kText, 1}, {"NRINSJURPROS", kText, 20},
    {"NMRAZSOCPROS", kText, 50}, {"NMFANTPROS", kText, 50},
};

const FieldSpec kDadosContTipoServ[] = {
    {"CDTIPOSERV", kText, 3, "Código"},
    {"NMTIPOSERV", kText, 30, "Serviço"},
};

const FieldSpec kDadosContTipoSistema[] = {
    {"CDSISTEMA", kText, 8, "Código"},
    {"NMSISTEMA", kText, 40, "Sistima"},
};

struct QuerySpec {
  const char* name;
  plat::TADOIBQuery* T::*member;
  const char* sql;
  std::span<const FieldSpec> fields;  // none: the columns as selected
};

// clang-format off
const QuerySpec kQueries[] = {
    {"qryCliente", &T::qryCliente,
     "SELECT CDCLIENTE, NRINSJURCLIE, NMFANTCLIE, IDTPIJURCLIE FROM CLIENTE "
     "WHERE ((NRINSJURCLIE = :P_NRINSJURCLIE) OR ('T' = :P_TNRINSJURCLIE))",
     kCliente},
    {"qryProspect", &T::qryProspect,
     "SELECT NMFANTPROS , NRINSJURPROS, IDTPIJURPROS, CDPROSPECT FROM PROSPECT "
     "WHERE ((NRINSJURPROS = :P_NRINSJURPROS) OR ('T' = :P_TNRINSJURPROS))",
     kProspect},
    {"qryOperador", &T::qryOperador,
     "SELECT CDOPERADOR, NMOPERADOR FROM OPERADOR "
     "WHERE ((CDOPERADOR = :P_CDOPERADOR) OR ('T' = :P_TCDOPERADOR)) AND IDOPERATIVO = 'A' "
     "ORDER BY CDOPERADOR",
     kOperador},
    {"adqValidaCliente", &T::adqValidaCliente,
     "SELECT CDCLIENTE, IDTPIJURCLIE, NMFANTCLIE FROM CLIENTE WHERE (CDCLIENTE = :P_CDCLIENTE) ORDER BY CDCLIENTE",
     {}},
    {"adqGera_Cliente", &T::adqGera_Cliente,
     "SELECT CDPROSPECT, IDTPIJURPROS, NRINSJURPROS, NMRAZSOCPROS, NMFANTPROS FROM PROSPECT "
     "WHERE (CDPROSPECT = :P_CDPROSPECT)",
     kGera_Cliente},
    {"adqDadosContTipoServ", &T::adqDadosContTipoServ,
     "SELECT CDTIPOSERV, NMTIPOSERV FROM TIPOSERV ORDER BY CDTIPOSERV", kDadosContTipoServ},
    {"adqDadosContTipoSistema", &T::adqDadosContTipoSistema,
     "SELECT SI.CDSISTEMA , SI.NMSISTEMA FROM SISTEMA SI ORDER BY SI.CDSISTEMA", kDadosContTipoSistema},
};
// clang-format on

}  // namespace

void TfrmSolicitaProposta::CreateLocalQueries() {
  for (const QuerySpec& row : kQueries) {
    auto& query = Create<plat::TADOIBQuery>(row.name, &host::dtmDBGeral());
    query.SetSQL(row.sql);
    DeclareFields(query, row.fields);
    this->*row.member = &query;
  }
}

}  // namespace cli_psr41300
