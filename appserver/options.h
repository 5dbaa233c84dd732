// The command line of psr_appserver:
//   --db FILE             the SQLite database (created with its schema when missing)
//   --listen HOST:PORT    address to listen on (default 127.0.0.1:47130; port 0 picks one)
//   --demo                fill a new database with the demo data
//   --demo-proposals N    the demo data plus N more simple proposals
//   --create-only         create and fill the database, then exit
//   --test-options        serve the test-only controls of the Host object
//   --max-connections N, --idle-timeout S, --frame-timeout S, --max-frame-mb N
//                         the limits of AppServer (server.h)
//   --help
// Options take their value as the next word or after '=' ("--db=x.db").
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "appserver/server.h"

namespace appsrv {

struct CommandLine {
  ServerOptions server;
  bool createOnly = false;
  bool help = false;
};

// Throws plat::EError with a message for the user on a bad command line.
CommandLine ParseCommandLine(const std::vector<std::string>& args);
// "HOST:PORT" or "[IPv6]:PORT"; throws plat::EError.
std::pair<std::string, int> ParseListenAddress(const std::string& text);
std::string Usage();

}  // namespace appsrv
