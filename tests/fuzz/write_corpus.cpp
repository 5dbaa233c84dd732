// Writes the seed corpus of the fuzz targets with the project's own writers:
// requests as the screen and the host send them (RequestToJson), packets,
// deltas and answers as the server and the screen write them (PacketToJson,
// DeltaToJson, AnswerToJson), and some of them as the frames of a
// connection (WriteFrame). The values are those of the demo data.
//
//   fuzz_write_corpus tests/fuzz/corpus    (writes corpus/{frame,request,packet}/)
#include <sys/socket.h>
#include <sys/types.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "platform/net/frame.h"
#include "platform/net/rpc.h"

namespace {

namespace fs = std::filesystem;
using namespace plat;

constexpr const char* kModule = "PSR41300.rdmSolicitaProposta";

fs::path g_root;

void Write(const std::string& target, const std::string& name, const std::string& bytes) {
  fs::create_directories(g_root / target);
  std::ofstream(g_root / target / name, std::ios::binary) << bytes;
}

// The bytes `write` puts on a connection.
std::string Sent(const std::function<void(TcpSocket&)>& write) {
  int fds[2];
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) != 0) throw std::runtime_error("no socket pair");
  TcpSocket writer(fds[0]), reader(fds[1]);
  std::thread peer([&] {
    write(writer);
    writer.Close();
  });
  std::string bytes;
  char piece[4096];
  for (ssize_t got; (got = ::recv(fds[1], piece, sizeof piece, 0)) > 0;)
    bytes.append(piece, static_cast<std::size_t>(got));
  peer.join();
  return bytes;
}

// The bytes WriteFrame puts on a connection for each message, in order.
std::string Frames(const std::vector<std::string>& messages) {
  return Sent([&](TcpSocket& writer) {
    for (const auto& message : messages) WriteFrame(writer, message);
  });
}

FieldDef Text(const char* name, int size, bool required = false) { return {name, FieldType::String, size, required}; }
FieldDef Float(const char* name) { return {name, FieldType::Float}; }
FieldDef Dec(const char* name) { return {name, FieldType::Decimal, 32}; }
FieldDef Date(const char* name) { return {name, FieldType::DateTime}; }
Variant D(const char* iso) { return Variant(DateTime::ParseIso(iso)); }
Variant N(const char* digits) { return Variant(Decimal::Parse(digits)); }
const Variant kNull;

RpcRequest Call(int64_t id, const char* method, std::vector<RpcArg> args = {}) {
  return {id, kModule, method, std::move(args)};
}

// The proposal header as GetProposta answers it (some of its columns) and
// as SetProposta sends it back.
std::vector<FieldDef> ProposalFields() {
  return {Text("NRPROPOSFAS", 20, true), Text("NRVERPROPFAS", 2, true), Text("CDFILIAL", 4, true),
          Date("DTPROPOSFAS"),           Date("DTVALPROPFAS"),          Date("DTACEPROPFAS"),
          Text("IDCLIENPROSP", 1),       Text("CDCLIENTE", 21),         Text("CDPROSPECT", 21),
          Text("NRCONTATO", 10),         Text("CDOPERSOLI", 12),        Text("DSOBSPROPFAS", 250)};
}

DataPacket ProposalPacket() {
  return {ProposalFields(),
          {{"1001", "1", "0001", D("2026-11-03"), D("2026-12-03"), D("2026-11-20T15:42:10"), "C", "11222333000181",
            kNull, "0000000001", "000000000001", "Primeira versão"},
           {"1002", "2", "0001", D("2026-11-10"), D("2026-12-10"), kNull, "P", kNull, "22334455000186", "0000000005",
            "000000000002", kNull}}};
}

// A product line of an order: texts, floats, decimals and a date with milliseconds.
std::vector<FieldDef> OrderLineFields() {
  return {Text("NRPROPOSFAS", 20, true),
          Text("NRVERPROPFAS", 2, true),
          Text("NRLINPPEDP", 3, true),
          Text("CDLIN", 20),
          Float("QTLINPPEDP"),
          Float("VRMENSPEDP"),
          Date("DTCALUSOPEDP"),
          Dec("NR_USUARIO"),
          Dec("VALOR_MENSAL")};
}

Delta OrderLinesDelta() {
  return {OrderLineFields(),
          {{ChangeKind::Insert,
            {},
            {"1001", "1", "003", "ERP", 2.0, 1350.5, D("2026-12-08T09:30:00.250"), N("25"), N("2701.00")}},
           {ChangeKind::Modify,
            {"1001", "1", "001", "FOLHA", 1.0, 890.0, D("2026-11-03"), N("10"), N("890")},
            {"1001", "1", "001", "FOLHA", 1.5, 890.0, D("2026-11-03"), N("10"), N("1335.0")}},
           {ChangeKind::Delete, {"1001", "1", "002", "CRM", 0.1 + 0.2, kNull, kNull, kNull, kNull}, {}}}};
}

Delta ProposalInsert() {
  return {ProposalFields(),
          {{ChangeKind::Insert,
            {},
            {"1008", "1", "0002", D("2026-12-08"), D("2027-01-07"), kNull, "J", "77888999000181", kNull, "0000000001",
             "000000000003", "Proposta para a Rota Sul – revisão de frota"}}}};
}

Delta ProposalModify() {
  Row old = ProposalPacket().rows[0];
  Row now = old;
  now.back() = "Revisada";
  now[5] = kNull;
  return {ProposalFields(), {{ChangeKind::Modify, old, now}}};
}

Delta MessageDelete() {
  return {{Text("NRPROPOSFAS", 20, true), Text("NRVERPROPFAS", 2, true), Text("CDTXTPROPFAS", 3, true),
           Text("DSTXTPROPFAS", 4000)},
          {{ChangeKind::Delete, {"1001", "1", "002", "Validade de 30 dias."}, {}}}};
}

Delta DueDatesModify() {
  return {{Text("NRPROPOSFAS", 20, true), Text("NRVERPROPFAS", 2, true), Text("NRLINPPEDP", 3, true),
           Date("DTVELUSOPEDP"), Float("VRVELUSOPEDP")},
          {{ChangeKind::Modify,
            {"1001", "1", "001", D("2027-01-10"), 445.0},
            {"1001", "1", "001", D("2027-02-10"), 445.25}}}};
}

DataPacket ProductLines() {
  return {{Text("CDLINPPROP", 20), Text("NMLINPPROP", 50), Float("NRUSUALINPP"), Float("QTLINPPROP"),
           Float("VRMENSPROP"), Dec("VALORTOTALMENSAL"), Text("IDAMBLINPP", 3)},
          {{"ERP", "Gestão Empresarial ERP", 25.0, 2.0, 1350.5, N("4591.00"), "WEB"},
           {"FOLHA", "Folha de Pagamento", 10.0, 1.0, 890.0, N("4591.00"), kNull}}};
}

DataPacket DueDates() {
  return {{Text("NRPROPOSFAS", 20), Text("NRVERPROPFAS", 2), Text("NRLINPPEDP", 3), Date("DTVELUSOPEDP"),
           Float("VRVELUSOPEDP")},
          {{"1001", "1", "001", D("2027-01-10"), 445.0}, {"1001", "1", "001", D("2027-02-10T00:00:00"), 445.25}}};
}

DataPacket Operators(int copies = 1) {
  DataPacket packet{
      {Text("CDOPERADOR", 12, true), Text("NMOPERADOR", 40, true), Text("IDOPERATIVO", 1, true), Text("CDFILIAL", 4)},
      {}};
  const char* names[] = {"Ana Paula Ribeiro", "Carlos Eduardo Mendes", "Fernanda Lima Souza", "João Batista Ferreira"};
  for (int i = 0; i < 4 * copies; ++i) {
    char code[16];
    std::snprintf(code, sizeof code, "%012d", i + 1);
    packet.rows.push_back({code, names[i % 4], i % 4 == 3 ? "I" : "A", i % 2 ? "0002" : "0001"});
  }
  return packet;
}

// Every field type and flag the packets know.
DataPacket AllTypes() {
  return {{{"NRPROPOSFAS", FieldType::String, 20, true},
           {"VLPROPOS", FieldType::Decimal, 32},
           {"PCTAXA", FieldType::Float},
           {"DTPROPOS", FieldType::DateTime, 0, false, true},
           {"NRPARCELAS", FieldType::Integer},
           {"FLATIVO", FieldType::Boolean},
           {"TXANEXO", FieldType::Blob}},
          {{"0001", N("131.50"), 1.25, D("2026-12-08T14:30:00"), int64_t{12}, true, "anexo"},
           {"0002", kNull, kNull, D("2026-12-09T09:00:00.250"), int64_t{-1}, false, kNull}}};
}

std::string Json(const nlohmann::json& json) { return json.dump(); }

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: fuzz_write_corpus CORPUS-FOLDER\n";
    return 2;
  }
  g_root = argv[1];

  // The screen opening proposal 1001, changing it and sending the changes.
  const std::vector<std::pair<std::string, RpcRequest>> requests = {
      {"get-proposta", Call(1, "GetProposta", {"0001", "ADMIN"})},
      {"get-dados-cont-linha-prod", Call(2, "GetDadosContLinhaProd", {"1001", "1"})},
      {"get-sist-linha-prod", Call(3, "GetSistLinhaProd", {"1001", "1", "ERP"})},
      {"get-venc-valor", Call(4, "GetVenc_Valor", {"1001", "1", "ERP", "ERP-01"})},
      {"pedidos-sist", Call(5, "PedidosSist", {"1001", "1", "ERP", "11222333000181", "ERP-01"})},
      {"get-contato", Call(6, "GetContato", {"0001", "C", "11222333000181", ""})},
      {"valida-contato", Call(7, "Valida_Contato", {"0001", "P", "", "22334455000186", "0000000005"})},
      {"get-up-date-valor", Call(8, "GetUpDateValor", {2.5, "1001", "1", "ERP", "ERP"})},
      {"get-up-date-valor-integer", Call(9, "GetUpDateValor", {Variant(int64_t{3}), "1001", "1", "ERP", "ERP"})},
      {"get-up-date-valor-decimal", Call(10, "GetUpDateValor", {N("0.75"), "1001", "1", "FOLHA", "FOLHA"})},
      {"get-contato-null", Call(11, "GetContato", {"0002", "P", kNull, "45612378955"})},
      {"sum-valor-pedido", Call(12, "Sum_ValorPedido", {"1001"})},
      {"prx-proposta", Call(13, "PrxProposta")},
      {"set-proposta-insert", Call(14, "SetProposta", {ProposalInsert()})},
      {"set-proposta-modify", Call(15, "SetProposta", {ProposalModify()})},
      {"set-pedidos-linha-prod", Call(16, "SetPedidosLinhaProd", {OrderLinesDelta()})},
      {"set-venc-valor", Call(17, "SetVenc_Valor", {DueDatesModify()})},
      {"set-mensagem-delete", Call(18, "SetMensagem", {MessageDelete()})},
      {"host-dt-serv", RpcRequest{19, "Host", "DtServ", {}}},
      {"host-get-table", RpcRequest{20, "Host", "GetTable", {"OPERADOR"}}},
      {"host-set-server-date", RpcRequest{21, "Host", "SetServerDate", {D("2026-12-08T00:00:00")}}},
      {"host-fail-next", RpcRequest{22, "Host", "FailNext", {"SetProposta", Variant(true)}}},
  };
  std::vector<std::string> requestTexts;
  for (const auto& [name, request] : requests) {
    requestTexts.push_back(Json(RequestToJson(request)));
    Write("request", name + ".json", requestTexts.back());
  }

  const std::vector<std::pair<std::string, std::string>> packets = {
      {"proposta", Json(PacketToJson(ProposalPacket()))},
      {"dados-cont-linha-prod", Json(PacketToJson(ProductLines()))},
      {"venc-valor", Json(PacketToJson(DueDates()))},
      {"table-operador", Json(PacketToJson(Operators()))},
      {"all-types", Json(PacketToJson(AllTypes()))},
      {"empty", Json(PacketToJson(DataPacket{}))},
      {"delta-proposta-insert", Json(DeltaToJson(ProposalInsert()))},
      {"delta-proposta-modify", Json(DeltaToJson(ProposalModify()))},
      {"delta-pedidos-linha-prod", Json(DeltaToJson(OrderLinesDelta()))},
      {"delta-mensagem-delete", Json(DeltaToJson(MessageDelete()))},
      {"answer-packet", Json(AnswerToJson(RpcAnswer::OfPacket(2, ProductLines())))},
      {"answer-set", Json(AnswerToJson(RpcAnswer::OfPacket(14, DataPacket{})))},
      {"answer-prx-proposta", Json(AnswerToJson(RpcAnswer::OfValue(13, Variant("1008"))))},
      {"answer-dt-serv", Json(AnswerToJson(RpcAnswer::OfValue(19, D("2026-12-08T10:15:00"))))},
      {"answer-error",
       Json(AnswerToJson(RpcAnswer::OfError(
           15,
           "O registro Proposta 1001/1 foi alterado por outro usuário depois de "
           "lido (campo DSOBSPROPFAS: lido 'Primeira versão', gravado agora 'Revisada'). Recarregue os dados e "
           "refaça a alteração. Nenhuma alteração foi gravada.")))},
      {"answer-refusal",
       Json(AnswerToJson(RpcAnswer::OfError(
           0,
           "Mensagem recusada pelo servidor de aplicação: Refused a message of 20971520 bytes: more than 16777216")))},
  };
  for (const auto& [name, text] : packets) Write("packet", name + ".json", text);

  // Frames: single calls and answers, one connection's calls and answers
  // in a row, and a table answer long enough to arrive in several pieces.
  auto packet = [&](const char* name) {
    for (const auto& [n, text] : packets)
      if (n == name) return text;
    return std::string();
  };
  Write("frame", "request-get-proposta.bin", Frames({requestTexts[0]}));
  Write("frame", "request-prx-proposta.bin", Frames({requestTexts[12]}));
  Write("frame", "request-get-up-date-valor.bin", Frames({requestTexts[7]}));
  Write("frame", "request-set-pedidos-linha-prod.bin", Frames({requestTexts[15]}));
  Write("frame", "request-host-dt-serv.bin", Frames({requestTexts[18]}));
  Write("frame", "answer-packet.bin", Frames({packet("answer-packet")}));
  Write("frame", "answer-set.bin", Frames({packet("answer-set")}));
  Write("frame", "answer-prx-proposta.bin", Frames({packet("answer-prx-proposta")}));
  Write("frame", "answer-error.bin", Frames({packet("answer-error")}));
  Write("frame", "answer-refusal.bin", Frames({packet("answer-refusal")}));
  Write("frame", "session-requests.bin",
        Frames({requestTexts[0], requestTexts[1], requestTexts[2], requestTexts[12], requestTexts[14]}));
  Write("frame", "session-answers.bin",
        Frames({Json(AnswerToJson(RpcAnswer::OfPacket(1, ProposalPacket()))), packet("answer-packet"),
                Json(AnswerToJson(RpcAnswer::OfPacket(3, DataPacket{}))), packet("answer-prx-proposta"),
                packet("answer-error")}));
  // A request that takes its answer in pieces, and an answer sent so: three
  // pieces, a restart, then the whole answer.
  Write("frame", "pieces-request-and-answer.bin", Sent([&](TcpSocket& writer) {
          const std::string answer = packet("answer-packet");
          WriteFrame(writer, requestTexts[0], true);
          WritePiece(writer, answer.substr(0, 10), false);
          WritePiece(writer, answer.substr(10, 20), false);
          WriteRestart(writer);
          WritePiece(writer, answer.substr(0, 30), false);
          WritePiece(writer, answer.substr(30), true);
        }));
  Write("frame", "answer-get-table-large.bin", Frames({Json(AnswerToJson(RpcAnswer::OfPacket(20, Operators(350))))}));
  std::cout << "corpus written to " << g_root.string() << "\n";
  return 0;
}
