// Session: one client connection's instance of the served objects. It
// borrows a database connection from the server's pool for each call that
// needs one, and remembers the proposal the client is working on, so that the methods that take no proposal key (the
// next order-line and service numbers) or only a proposal number (the duplicate checks, the sum of due values) know
// which proposal version is meant.
//
// Used by the one thread serving the connection.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "appserver/server_context.h"
#include "appserver/server_object.h"
#include "appserver/storage.h"
#include "platform/net/packet_answer_writer.h"
#include "platform/net/rpc.h"

namespace appsrv {

struct ProposalKey {
  std::string number;   // NRPROPOSFAS
  std::string version;  // NRVERPROPFAS
};
// The sizes of those columns, in characters.
inline constexpr std::size_t kProposalNumberSize = 20, kProposalVersionSize = 2;

class Session {
 public:
  Session(ServerContext& context, int64_t id);
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Runs one call. Every failure comes back as an error answer whose message
  // a user can act on; nothing is thrown.
  plat::RpcAnswer Handle(const plat::RpcRequest& request);
  // Runs one call whose answer may go out in pieces: a method that answers
  // a list writes it into pieces handed to `send` while it reads the rows,
  // and nothing is returned. Any other answer comes back whole, as Handle
  // gives it, also when the list could not be streamed after all (pieces
  // handed on before are then void). A failure of `send` is thrown.
  std::optional<plat::RpcAnswer> Stream(const plat::RpcRequest& request, const plat::PacketAnswerWriter::Sink& send);

  // The database connection of the call in work, borrowed on first use and
  // given back when the call ends. Throws EStorageError when none is free.
  Storage& Db();
  // The name the numbers this connection holds go by in the database
  // (this server process's and the connection's); noted as used.
  std::string HolderName();
  ServerContext& Context() { return context_; }
  int64_t Id() const { return id_; }

  // The proposal of the connection's last call that named a full proposal
  // key (number and version, both not empty).
  void NoteProposal(const std::string& number, const std::string& version);
  const std::optional<ProposalKey>& CurrentProposal() const { return current_; }
  // The version meant by a call that names only the proposal number: the
  // current proposal's version when the number is the current one, else the
  // highest stored version of that number ("" when there is none).
  std::string VersionFor(const std::string& number);

 private:
  // Finds the call's method and runs `body` with its checked arguments; the
  // database connection borrowed for the call goes back after it. Every
  // failure becomes an error answer a user can act on.
  template <class Body>
  std::optional<plat::RpcAnswer> Run(const plat::RpcRequest& request, Body body);
  static plat::RpcAnswer Answered(const plat::RpcRequest& request, Answer answer);

  ServerContext& context_;
  int64_t id_;
  StoragePool::Lease db_;
  bool holdsNumbers_ = false;
  std::optional<ProposalKey> current_;
};

}  // namespace appsrv
