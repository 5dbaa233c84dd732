// CallLog: the calls the screen made to its remote data module, as the
// scripted host recorded them, and the text form in which a scenario writes
// them: Method("text", 12.5, null, delta(3), *). Expected calls are compared
// with recorded ones argument by argument; * matches any one argument.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/server_result.h"
#include "platform/net/rpc.h"

namespace hostapp {

struct RecordedCall {
  std::string method;
  std::vector<std::string> args;  // each in its scenario form
  std::string error;              // the failure the call ended in, if any
};

struct ExpectedCall {
  std::string method;
  std::vector<std::string> args;  // scenario forms; "*" for any
};

// The scenario form of one argument: "text" quoted, numbers in their
// shortest form, true/false, null, datetime("2026-12-08T00:00:00"),
// decimal("10.50"), delta(N) for a delta of N changes.
std::string ArgumentText(const plat::RpcArg& arg);
std::string CallText(const std::string& method, const std::vector<std::string>& args);

// Parses zero or more calls written one after another; throws SyntaxError.
std::vector<ExpectedCall> ParseCalls(std::string_view text);
bool CallMatches(const ExpectedCall& expected, const RecordedCall& actual);

class CallLog {
 public:
  void Record(const plat::RpcRequest& request, const host::ServerResult& result);
  // The calls recorded since the last Take.
  std::vector<RecordedCall> Take();
  const std::vector<RecordedCall>& All() const { return calls_; }

 private:
  std::vector<RecordedCall> calls_;
  std::size_t taken_ = 0;
};

}  // namespace hostapp
