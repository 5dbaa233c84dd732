// ServerObject: an object the application server serves (the proposal
// module, the host services), as a table of methods found by name.
//
// Each method states the arguments it takes, in call order, with a name
// and a kind. A call is checked against them before the method runs, so a
// method reads its arguments without checking again; a wrong count or kind
// is refused with a message naming the method, the argument and what it
// should have been. Method names are found without regard to letter case.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/data/packet.h"
#include "platform/net/packet_answer_writer.h"
#include "platform/net/rpc.h"

namespace appsrv {

class Session;

// What a method answers: a data packet, or (PrxProposta, DtServ) one value.
using Answer = std::variant<plat::DataPacket, plat::Variant>;

enum class ArgKind {
  Text,      // text; null is taken as an empty text
  Number,    // float, integer or decimal; null is taken as 0
  DateTime,  // date-time or ISO text; null allowed
  Delta,     // a delta (the Set methods)
};

struct ArgDef {
  std::string name;
  ArgKind kind = ArgKind::Text;
};

// The checked arguments of one call.
class CallArgs {
 public:
  explicit CallArgs(const std::vector<plat::RpcArg>& args) : args_(args) {}
  std::size_t Size() const { return args_.size(); }
  std::string Text(std::size_t i) const;
  double Number(std::size_t i) const;
  std::optional<plat::DateTime> Date(std::size_t i) const;
  const plat::Delta& DeltaAt(std::size_t i) const;
  // Every argument as a text value, in order (statement parameters).
  std::vector<plat::Variant> Texts() const;

 private:
  const std::vector<plat::RpcArg>& args_;
};

struct Method {
  std::string name;
  std::vector<ArgDef> args;
  std::function<Answer(Session&, const CallArgs&)> run;
  // For a method that answers a list: its answer's fields, and the same
  // call writing its rows into the answer's pieces as it reads them (the
  // answer run gives, or NotStreamable, streamed_answer.h).
  std::vector<plat::FieldDef> fields = {};
  std::function<void(Session&, const CallArgs&, plat::PacketAnswerWriter&)> stream = {};
};

class ServerObject {
 public:
  explicit ServerObject(std::string name) : name_(std::move(name)) {}
  const std::string& Name() const { return name_; }

  // Throws std::logic_error when the name is taken (a fault of the tables).
  void Add(Method method);
  const Method* Find(std::string_view name) const;
  const std::vector<Method>& Methods() const { return methods_; }

 private:
  std::string name_;
  std::vector<Method> methods_;
};

// Throws plat::EError when the arguments do not suit the method.
CallArgs CheckArgs(const Method& method, const std::vector<plat::RpcArg>& args);

}  // namespace appsrv
