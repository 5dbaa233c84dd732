#include "appserver/set_methods.h"

#include "appserver/delta_applier.h"
#include "appserver/packet_shape.h"
#include "appserver/session.h"

namespace appsrv {

namespace {

struct SetDef {
  const char* method;
  TableDef table;
};

const std::vector<SetDef>& Tables() {
  static const std::vector<SetDef> tables = {
      {"SetProposta", {"PROPOSTAFAS", {"NRPROPOSFAS", "NRVERPROPFAS"}, ""}},
      // An ordered line names its contract line by code, with no foreign key
      // (it may name a line of the customer's instead).
      {"SetDadosContLinhaProd",
       {"PROPOSTALINP",
        {"NRPROPOSFAS", "NRVERPROPFAS", "CDLINPPROP"},
        "PROPOSTAFAS",
        {{"PEDILINPPROP",
          {"NRPROPOSFAS", "NRVERPROPFAS", "CDLINPPROP"},
          "A Linha de Produto {3} da proposta {1}/{2} está no pedido: retire-a do pedido antes de excluí-la ou de "
          "mudar o seu código."}}}},
      {"SetSistLinhaProd",
       {"SISTPROPLINP", {"NRPROPOSFAS", "NRVERPROPFAS", "CDLINPPROP", "CDSISTEMA"}, "PROPOSTALINP"}},
      {"SetDadosContServico", {"PROPOSTASERV", {"NRPROPOSFAS", "NRVERPROPFAS", "CDTIPOSERV"}, "PROPOSTAFAS"}},
      {"SetPedidosLinhaProd", {"PEDILINPPROP", {"NRPROPOSFAS", "NRVERPROPFAS", "NRLINPPEDP"}, "PROPOSTAFAS"}},
      {"SetPedidosServico", {"PEDISERVPROP", {"NRPROPOSFAS", "NRVERPROPFAS", "NRSERVPEDP"}, "PROPOSTAFAS"}},
      {"SetVenc_Valor",
       {"VENCLUSOPROP", {"NRPROPOSFAS", "NRVERPROPFAS", "NRLINPPEDP", "DTVELUSOPEDP"}, "PEDILINPPROP"}},
      {"SetMensagem", {"TXTPROPFAS", {"NRPROPOSFAS", "NRVERPROPFAS", "CDTXTPROPFAS"}, "PROPOSTAFAS"}},
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
