#include "appserver/options.h"

#include <charconv>
#include <chrono>

#include "platform/data/errors.h"

namespace appsrv {

namespace {

int ParseCount(const std::string& option, const std::string& text, int low, int high) {
  int value = 0;
  auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size() || value < low || value > high)
    throw plat::EError(option + " expects a whole number from " + std::to_string(low) + " to " + std::to_string(high) +
                       ", not '" + text + "'");
  return value;
}

}  // namespace

std::pair<std::string, int> ParseListenAddress(const std::string& text) {
  auto colon = text.rfind(':');
  if (colon == std::string::npos || colon == 0)
    throw plat::EError("--listen expects HOST:PORT (for example 127.0.0.1:47130), not '" + text + "'");
  std::string host = text.substr(0, colon);
  if (host.size() > 2 && host.front() == '[' && host.back() == ']') host = host.substr(1, host.size() - 2);
  return {host, ParseCount("--listen", text.substr(colon + 1), 0, 65535)};
}

std::string Usage() {
  return "usage: psr_appserver --db FILE|URI [--listen HOST:PORT] [--demo] [--demo-proposals N]\n"
         "                     [--create-only] [--test-options] [--max-connections N] [--db-connections N]\n"
         "                     [--idle-timeout S] [--frame-timeout S] [--max-frame-mb N]\n"
         "  --db FILE            SQLite database; created with its schema when missing\n"
         "  --db URI             PostgreSQL database (postgresql://user@host:port/name); its tables\n"
         "                       are created when missing, as for a file\n"
         "  --listen HOST:PORT   address to serve (default 127.0.0.1:47130; port 0 picks a free port)\n"
         "  --demo               fill a new database with the demo data\n"
         "  --demo-proposals N   the demo data plus N more simple proposals (benchmarks)\n"
         "  --create-only        create and fill the database, then exit\n"
         "  --test-options       serve the test-only methods Host.SetServerDate, FailNext and Sql\n"
         "  --max-connections N  clients served at once (default 500); one more is refused\n"
         "  --db-connections N   database connections the server opens at most, shared by its clients'\n"
         "                       calls (default 16)\n"
         "  --idle-timeout S     seconds a connection may send nothing before it is closed (default 28800)\n"
         "  --frame-timeout S    seconds a started message has to arrive whole (default 120)\n"
         "  --max-frame-mb N     largest message taken, in MiB (default 256)\n";
}

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  CommandLine line;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string option = args[i];
    std::string value;
    bool hasValue = false;
    if (auto equals = option.find('='); option.rfind("--", 0) == 0 && equals != std::string::npos) {
      value = option.substr(equals + 1);
      option = option.substr(0, equals);
      hasValue = true;
    }
    auto takeValue = [&]() -> std::string {
      if (hasValue) return value;
      if (i + 1 >= args.size()) throw plat::EError(option + " needs a value");
      return args[++i];
    };
    if (option == "--db") {
      line.server.dbPath = takeValue();
    } else if (option == "--listen") {
      std::tie(line.server.host, line.server.port) = ParseListenAddress(takeValue());
    } else if (option == "--demo") {
      line.server.setup.demo = true;
    } else if (option == "--demo-proposals") {
      line.server.setup.demo = true;
      line.server.setup.extraProposals = ParseCount(option, takeValue(), 0, 10000000);
    } else if (option == "--create-only") {
      line.createOnly = true;
    } else if (option == "--max-connections") {
      line.server.maxConnections = ParseCount(option, takeValue(), 1, 100000);
    } else if (option == "--db-connections") {
      line.server.dbConnections = ParseCount(option, takeValue(), 1, 10000);
    } else if (option == "--idle-timeout") {
      line.server.idleTimeout = std::chrono::seconds(ParseCount(option, takeValue(), 1, 604800));
    } else if (option == "--frame-timeout") {
      line.server.frameTimeout = std::chrono::seconds(ParseCount(option, takeValue(), 1, 86400));
    } else if (option == "--max-frame-mb") {
      line.server.maxFrameBytes = std::size_t(ParseCount(option, takeValue(), 1, 256)) << 20;
    } else if (option == "--test-options") {
      line.server.testOptions = true;
    } else if (option == "--help" || option == "-h") {
      line.help = true;
    } else {
      throw plat::EError("unknown option '" + args[i] + "'");
    }
    if (hasValue && (option == "--demo" || option == "--create-only" || option == "--test-options"))
      throw plat::EError(option + " takes no value");
  }
  if (!line.help && line.server.dbPath.empty()) throw plat::EError("--db FILE is required");
  return line;
}

}  // namespace appsrv
