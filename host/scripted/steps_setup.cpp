// Setup steps: the server's database, the host's identity and endpoint, the
// server's date, SQL on the server's database, a fault for the next call of
// a method, and stopping and starting the server.
#include "host/scripted/scenario.h"
#include "host/scripted/step_context.h"
#include "host/scripted/step_type.h"
#include "platform/data/datetime.h"

namespace hostapp {

namespace {

// Calls a host-level service of the server; a failure fails the step.
host::ServerResult ServerCall(StepContext& context, const std::string& what, const std::string& method,
                              std::vector<plat::RpcArg> args) {
  host::ServerResult result = context.host.CallServer(method, std::move(args));
  if (result.Failed()) Fail("the server to " + what, "error: " + result.error);
  return result;
}

void Database(const Step& step, StepContext& context) { context.host.UseDemoData(step.Arg(0) == "demo"); }

void HostSetting(const Step& step, StepContext& context) { context.host.SetHostSetting(step.Arg(0), step.Arg(1)); }

void ServerDate(const Step& step, StepContext& context) {
  ServerCall(context, "set its date", "SetServerDate", {plat::Variant(plat::DateTime::ParseIso(step.Arg(0)))});
}

void Sql(const Step& step, StepContext& context) { ServerCall(context, "run the SQL", "Sql", {step.tail}); }

void FailNext(const Step& step, StepContext& context) {
  ServerCall(context, "accept the fault for " + step.Arg(0), "FailNext", {step.Arg(0), step.Arg(1)});
}

void Server(const Step& step, StepContext& context) {
  if (step.Arg(0) == "stop")
    context.host.StopServer();
  else
    context.host.StartServer();
}

}  // namespace

const std::vector<StepType>& SetupSteps() {
  static const std::vector<StepType> steps = {
      {"database", "demo|empty",
       "the server's database: the demo data (the default) or the bare schema; before the server starts", Database},
      {"host", "branch|operator|operator-name|server VALUE",
       "a host setting; server takes HOST:PORT or running (the scenario's server)", HostSetting},
      {"server-date", "DATE", "the date the server gives as today (yyyy-mm-dd)", ServerDate},
      {"sql", "RAW", "runs the rest of the line as SQL on the server's database", Sql},
      {"fail-next", "METHOD VALUE", "the next call of the method answers this error", FailNext},
      {"server", "stop|start",
       "stops the server, or starts it again on the same database (the host follows its new port)", Server},
  };
  return steps;
}

}  // namespace hostapp
