#include "appserver/server.h"

#include <iostream>
#include <variant>

#include "appserver/request_reader.h"
#include "appserver/session.h"
#include "platform/data/cp1252.h"
#include "platform/net/frame.h"
#include "platform/net/wire.h"

namespace appsrv {

namespace {

// The JSON text of an answer; an answer that cannot be written (a value
// unfit for its field) becomes an error answer saying so.
std::string SentText(const plat::RpcAnswer& answer) {
  try {
    return plat::AnswerText(answer);
  } catch (const std::exception& e) {
    // An error text that quotes what a client sent may hold bytes that are
    // not UTF-8: it is sent with those bytes replaced.
    if (answer.kind == plat::RpcAnswer::Kind::Error)
      return plat::AnswerText(plat::RpcAnswer::OfError(answer.id, plat::WellFormedUtf8(answer.error)));
    return plat::AnswerText(plat::RpcAnswer::OfError(
        answer.id, "Falha do servidor de aplicação ao montar a resposta: " + plat::WellFormedUtf8(e.what())));
  }
}

}  // namespace

plat::RpcAnswer AnswerFrame(Session& session, const std::string& frame) {
  auto request = ReadRequest(frame);
  if (auto* refused = std::get_if<plat::RpcAnswer>(&request)) return std::move(*refused);
  return session.Handle(std::get<plat::RpcRequest>(request));
}

namespace {

// Answers one message: in pieces while the rows are read, when the client
// takes an answer so and the method answers a list; otherwise whole.
void SendAnswer(Session& session, const plat::Message& message, plat::TcpSocket& socket) {
  auto request = ReadRequest(message.text);
  if (auto* refused = std::get_if<plat::RpcAnswer>(&request)) {
    plat::WriteFrame(socket, SentText(*refused));
    return;
  }
  const auto& call = std::get<plat::RpcRequest>(request);
  if (!message.takesPieces) {
    plat::WriteFrame(socket, SentText(session.Handle(call)));
    return;
  }
  bool sent = false;
  std::optional<plat::RpcAnswer> whole = session.Stream(call, [&](std::string_view piece, bool last) {
    plat::WritePiece(socket, piece, last);
    sent = true;
  });
  if (!whole) return;
  if (sent) plat::WriteRestart(socket);
  plat::WriteFrame(socket, SentText(*whole));
}

}  // namespace

AppServer::AppServer(const ServerOptions& options)
    : host_(options.host),
      maxConnections_(options.maxConnections),
      limits_{options.maxFrameBytes, options.idleTimeout, options.frameTimeout},
      context_(options.dbPath, options.testOptions, options.dbConnections) {
  created_ = PrepareDatabase(options.dbPath, options.setup);
  // A burst of connections waits in the backlog rather than for SYN retries.
  listener_ = plat::TcpSocket::Listen(options.host, options.port, 1024);
  port_ = listener_.LocalPort();
}

AppServer::~AppServer() { Stop(); }

void AppServer::Stop() {
  stopping_ = true;
  listener_.Shutdown();
}

void AppServer::Run() {
  while (!stopping_) {
    plat::TcpSocket socket = listener_.Accept();
    if (!socket.Valid()) break;
    std::lock_guard lock(mutex_);
    ReapFinished();
    if (stopping_) break;
    if (static_cast<int>(clients_.size()) >= maxConnections_) {
      Refuse(socket, "O servidor de aplicação já atende o número máximo de conexões (" +
                         std::to_string(maxConnections_) + "). Tente novamente mais tarde.");
      continue;
    }
    auto client = std::make_unique<Client>();
    client->socket = std::move(socket);
    Client& ref = *client;
    clients_.push_back(std::move(client));
    ref.thread = std::thread(&AppServer::Serve, this, std::ref(ref), nextId_++);
  }
  std::lock_guard lock(mutex_);
  for (auto& client : clients_) client->socket.Shutdown();
  for (auto& client : clients_) client->thread.join();
  clients_.clear();
}

void AppServer::ReapFinished() {
  for (auto it = clients_.begin(); it != clients_.end();) {
    if ((*it)->done) {
      (*it)->thread.join();
      it = clients_.erase(it);
    } else {
      ++it;
    }
  }
}

// An error answer not bound to any call (id 0), then the end of the
// connection. A peer that does not read it cannot hold the server: the
// socket is closed whatever happens.
void AppServer::Refuse(plat::TcpSocket& socket, const std::string& why) {
  try {
    plat::WriteFrame(socket, SentText(plat::RpcAnswer::OfError(0, why)));
  } catch (const plat::ENetError&) {
  }
  socket.Shutdown();
}

void AppServer::Serve(Client& client, int64_t id) {
  try {
    Session session(context_, id);
    for (;;) {
      auto message = plat::ReadMessage(client.socket, limits_);
      if (!message) break;
      SendAnswer(session, *message, client.socket);
    }
  } catch (const plat::EFrameRefused& e) {
    Refuse(client.socket, std::string("Mensagem recusada pelo servidor de aplicação: ") + e.what());
  } catch (const plat::ETimeout&) {
    // Idle for longer than allowed: closed.
  } catch (const plat::ENetError&) {
    // The client went away or the server is stopping.
  } catch (const std::exception& e) {
    std::cerr << "psr_appserver: connection " << id << " closed: " << e.what() << std::endl;
  }
  client.socket.Shutdown();  // the peer sees the end; the socket closes when the thread is joined
  client.done = true;
}

}  // namespace appsrv
