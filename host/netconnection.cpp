#include "host/netconnection.h"

#include "platform/data/errors.h"
#include "platform/net/frame.h"
#include "platform/net/wire.h"

namespace host {

TNetConnection::TNetConnection(plat::TComponent* owner, std::string name) : TComponent(owner, std::move(name)) {}

void TNetConnection::SetConnected(bool connected) {
  lost_ = false;
  if (connected == Connected()) return;
  if (connected) {
    if (BeforeConnect) BeforeConnect(*this);
    socket_ = plat::TcpSocket::Connect(Host, Port, Timeout);
  } else {
    socket_.Close();
    if (AfterDisconnect) AfterDisconnect(*this);
  }
}

ServerResult TNetConnection::Fail(const std::string& message) {
  if (ThrowException) throw plat::EError(message);
  return ServerResult::OfFailure(message);
}

ServerResult TNetConnection::AppServer(const std::string& method, std::vector<plat::RpcArg> args) {
  return Call(ServerName, method, std::move(args));
}

ServerResult TNetConnection::Call(const std::string& object, const std::string& method,
                                  std::vector<plat::RpcArg> args) {
  plat::RpcRequest request{nextId_++, object, method, std::move(args)};
  // Written first: a value the wire cannot carry (a number that is not
  // finite) fails the call here, the client's own fault, with nothing sent
  // and the connection kept.
  std::string text;
  try {
    text = plat::RequestText(request);
  } catch (const std::exception& e) {
    const ServerResult refused = ServerResult::OfFailure("A chamada " + method + " não pôde ser enviada: " + e.what());
    if (OnCall) OnCall(request, refused);
    return Fail(refused.error);
  }
  ServerResult result;
  std::string notConnected;
  if (!Connected() && lost_) {
    // Lost by an earlier call: connected again, as a user reopening would.
    try {
      if (BeforeConnect) BeforeConnect(*this);
      socket_ = plat::TcpSocket::Connect(Host, Port, Timeout);
      lost_ = false;
    } catch (const std::exception& e) {
      notConnected = e.what();
    }
  }
  if (!Connected()) {
    result = ServerResult::OfFailure(notConnected.empty()
                                         ? "Sem conexão com o servidor de aplicação (" + object + "." + method + ")"
                                         : notConnected + " (" + method + ")");
  } else {
    try {
      // A list's answer may come in pieces: each is read as it arrives.
      plat::WriteFrame(socket_, text, true);
      plat::AnswerReader reader;
      if (!plat::ReadPieces(socket_, plat::FrameLimits{plat::kMaxFrame, Timeout, Timeout}, reader))
        throw plat::ENetError("O servidor de aplicação fechou a conexão");
      plat::RpcAnswer answer = reader.Finish();
      // An error answer bound to no call is the server refusing the
      // connection or the message; it closes the connection after it.
      if (answer.id == 0 && answer.kind == plat::RpcAnswer::Kind::Error) throw plat::ENetError(answer.error);
      if (answer.id != request.id) throw plat::ENetError("O servidor de aplicação respondeu a outra chamada");
      switch (answer.kind) {
        case plat::RpcAnswer::Kind::Packet:
          result = ServerResult::OfPacket(std::move(answer.packet));
          break;
        case plat::RpcAnswer::Kind::Value:
          result = ServerResult::OfValue(std::move(answer.value));
          break;
        case plat::RpcAnswer::Kind::Error:
          result = ServerResult::OfFailure(answer.error);
          break;
      }
    } catch (const plat::ENetError& e) {
      socket_.Close();  // a late answer must not be read as the next call's
      lost_ = true;
      result = ServerResult::OfFailure(std::string(e.what()) + " (" + method + ")");
    } catch (const std::exception& e) {  // malformed answer
      socket_.Close();
      lost_ = true;
      result = ServerResult::OfFailure("Resposta ilegível do servidor de aplicação a " + method + ": " + e.what());
    }
  }
  if (OnCall) OnCall(request, result);
  if (result.Failed()) return Fail(result.error);
  return result;
}

}  // namespace host
