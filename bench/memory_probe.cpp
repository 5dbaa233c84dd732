#include "memory_probe.h"

#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "Cli_psr41300/cli_psr41300.h"
#include "Cli_psr41300/frm_solicita_proposta.h"
#include "appserver/server_context.h"
#include "host/application.h"
#include "host/dtmdbgeral.h"
#include "platform/net/frame.h"
#include "platform/net/wire.h"
#include "screen_host.h"

namespace psrbench {

namespace {

// Resident and peak resident memory of this process, in bytes.
struct Resident {
  long long now = 0, peak = 0;
};

Resident ReadResident() {
  Resident resident;
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) resident.now = std::stoll(line.substr(6)) * 1024;
    if (line.rfind("VmHWM:", 0) == 0) resident.peak = std::stoll(line.substr(6)) * 1024;
  }
  return resident;
}

double Mib(long long bytes) { return double(bytes) / (1024.0 * 1024.0); }

}  // namespace

int RunMemoryProbe(int port) {
  try {
    ScreenHost screenHost("127.0.0.1", port);
    host::OpenLocalDatabase(":memory:");
    malloc_trim(0);
    const Resident before = ReadResident();
    CriaSolicitacaoProposta();
    if (!boIdCriado || !frmSolicitaProposta) throw std::runtime_error("the screen did not open" + screenHost.Shown());
    // What stays once the call's buffers are given back.
    malloc_trim(0);
    const Resident after = ReadResident();
    std::printf("%lld %lld %lld %d\n", before.now, after.now, after.peak,
                frmSolicitaProposta->cdsProposta->RecordCount());
    frmSolicitaProposta->CloseScreen();
    host::TApplication::Current().ProcessMessages();
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "memory probe: %s\n", e.what());
    return 1;
  }
}

void ReportMemory(const BenchEnv& env, const char* program) {
  // The packet's bytes: GetProposta's answer frame as the server sends it.
  const std::chrono::milliseconds timeout{60000};
  plat::TcpSocket socket = plat::TcpSocket::Connect("127.0.0.1", env.Port(), timeout);
  plat::WriteFrame(
      socket, plat::RequestText({1, appsrv::kModuleObject, "GetProposta", {BenchEnv::kBranch, BenchEnv::kOperator}}));
  const std::size_t packetBytes = plat::ReadFrame(socket, timeout).value_or("").size();
  socket.Close();

  const std::string command =
      std::filesystem::read_symlink(program).string() + " --memory-probe=" + std::to_string(env.Port());
  long long before = 0, after = 0, peak = 0;
  int records = 0;
  FILE* probe = popen(command.c_str(), "r");
  bool read = probe && std::fscanf(probe, "%lld %lld %lld %d", &before, &after, &peak, &records) == 4;
  if (probe) pclose(probe);
  std::printf("\nMemory of the screen with its list loaded (own process)\n");
  if (!read) {
    std::printf("FAILED memory probe: no figures from %s\n", command.c_str());
    return;
  }
  const long long loaded = after - before;
  std::printf(
      "  %d proposals; packet %.1f MiB; resident memory grown by %.1f MiB (%.2fx the packet);"
      " peak while loading %.1f MiB over the start\n",
      records, Mib((long long)packetBytes), Mib(loaded), double(loaded) / double(packetBytes), Mib(peak - before));
}

}  // namespace psrbench
