#include "appserver/session.h"

#include "appserver/number_reservations.h"
#include "appserver/streamed_answer.h"
#include "platform/data/cp1252.h"
#include "platform/data/errors.h"
#include "platform/net/socket.h"

namespace appsrv {

Session::Session(ServerContext& context, int64_t id) : context_(context), id_(id) {}

// What the connection held is let go; when the database cannot be reached
// now, the numbers stay held until this server process ends.
Session::~Session() {
  if (!holdsNumbers_) return;
  try {
    ReleaseNumbers(Db(), HolderName());
  } catch (const std::exception&) {
  }
}

Storage& Session::Db() {
  if (!db_) db_ = context_.Pool().Acquire();
  return *db_;
}

std::string Session::HolderName() {
  holdsNumbers_ = true;
  return context_.ProcessName() + "#" + std::to_string(id_);
}

void Session::NoteProposal(const std::string& number, const std::string& version) {
  if (number.empty() || version.empty()) return;
  // A key longer than the proposal's columns names no proposal: numbering
  // under it would only fill the reservations with keys nothing can use.
  if (!plat::IsUtf8(number) || !plat::IsUtf8(version) || plat::CharCount(number) > kProposalNumberSize ||
      plat::CharCount(version) > kProposalVersionSize) {
    current_.reset();
    return;
  }
  current_ = ProposalKey{number, version};
}

std::string Session::VersionFor(const std::string& number) {
  if (current_ && current_->number == number) return current_->version;
  auto found = Db().Query(
      "SELECT NRVERPROPFAS FROM PROPOSTAFAS WHERE NRPROPOSFAS = ?1 ORDER BY CAST(NRVERPROPFAS AS INTEGER) DESC LIMIT 1",
      {plat::Variant(number)});
  return found.rows.empty() ? std::string() : found.rows[0][0].ToText();
}

template <class Body>
std::optional<plat::RpcAnswer> Session::Run(const plat::RpcRequest& request, Body body) {
  const ServerObject* object = context_.FindObject(request.object);
  if (!object)
    return plat::RpcAnswer::OfError(request.id, "O servidor de aplicação não tem o objeto '" + request.object + "'.");
  const Method* method = object->Find(request.method);
  if (!method)
    return plat::RpcAnswer::OfError(request.id,
                                    "O objeto " + request.object + " não tem o método '" + request.method + "'.");
  if (auto failure = context_.TakeFailure(method->name)) return plat::RpcAnswer::OfError(request.id, *failure);
  // The database connection borrowed by the call goes back when it ends.
  struct GiveBack {
    StoragePool::Lease& lease;
    ~GiveBack() { lease = StoragePool::Lease(); }
  } giveBack{db_};
  try {
    return body(*method, CheckArgs(*method, request.args));
  } catch (const plat::ENetError&) {
    throw;  // the answer's pieces could not be sent
  } catch (const plat::EError& e) {
    return plat::RpcAnswer::OfError(request.id, e.what());
  } catch (const std::exception& e) {
    return plat::RpcAnswer::OfError(request.id,
                                    "Falha interna do servidor de aplicação em " + method->name + ": " + e.what());
  }
}

plat::RpcAnswer Session::Answered(const plat::RpcRequest& request, Answer answer) {
  if (auto* packet = std::get_if<plat::DataPacket>(&answer))
    return plat::RpcAnswer::OfPacket(request.id, std::move(*packet));
  return plat::RpcAnswer::OfValue(request.id, std::get<plat::Variant>(std::move(answer)));
}

plat::RpcAnswer Session::Handle(const plat::RpcRequest& request) {
  return *Run(request, [&](const Method& method, const CallArgs& args) -> std::optional<plat::RpcAnswer> {
    return Answered(request, method.run(*this, args));
  });
}

std::optional<plat::RpcAnswer> Session::Stream(const plat::RpcRequest& request,
                                               const plat::PacketAnswerWriter::Sink& send) {
  return Run(request, [&](const Method& method, const CallArgs& args) -> std::optional<plat::RpcAnswer> {
    if (method.stream) {
      try {
        plat::PacketAnswerWriter out(request.id, method.fields, send);
        method.stream(*this, args, out);
        return std::nullopt;
      } catch (const NotStreamable&) {
      } catch (const plat::JsonUnwritable&) {
      }
    }
    return Answered(request, method.run(*this, args));
  });
}

}  // namespace appsrv
