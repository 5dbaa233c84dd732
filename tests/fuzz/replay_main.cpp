// The replay program of a fuzz target, for builds without libFuzzer: runs
// LLVMFuzzerTestOneInput once on every file given, and on every file of
// every folder given (names starting with '.' left out), in name order.
// A crash, a failed check or an input taking over 10 s (as the fuzzing runs
// allow) ends the program with its signal after naming the input; an
// exception escaping the target is named and fails the run.
//
//   fuzz_replay_packet tests/fuzz/corpus/packet tests/fuzz/regressions/packet
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

namespace fs = std::filesystem;

constexpr unsigned kSecondsPerInput = 10;

// The input being replayed, for the signal handler.
char g_current[4096];

void OnCrash(int signal) {
  const char* prefix = signal == SIGALRM ? "took over 10 s replaying " : "crashed replaying ";
  (void)!::write(STDERR_FILENO, prefix, std::strlen(prefix));
  (void)!::write(STDERR_FILENO, g_current, std::strlen(g_current));
  (void)!::write(STDERR_FILENO, "\n", 1);
  ::signal(signal, SIG_DFL);
  ::raise(signal);
}

// On a stack of its own, so that a stack overflow is reported too.
void NameInputOnCrash() {
  static std::vector<char> stack(1 << 16);
  stack_t alternate{};
  alternate.ss_sp = stack.data();
  alternate.ss_size = stack.size();
  ::sigaltstack(&alternate, nullptr);
  struct sigaction action {};
  action.sa_handler = OnCrash;
  action.sa_flags = SA_ONSTACK;
  for (int signal : {SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGALRM}) ::sigaction(signal, &action, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<fs::path> inputs;
  for (int i = 1; i < argc; ++i) {
    const fs::path arg = argv[i];
    if (fs::is_directory(arg)) {
      std::vector<fs::path> files;
      for (const auto& entry : fs::directory_iterator(arg))
        if (entry.is_regular_file() && entry.path().filename().string().front() != '.') files.push_back(entry.path());
      std::sort(files.begin(), files.end());
      inputs.insert(inputs.end(), files.begin(), files.end());
    } else if (fs::is_regular_file(arg)) {
      inputs.push_back(arg);
    } else {
      std::cerr << arg.string() << ": no such file or folder\n";
      return 2;
    }
  }
  if (inputs.empty()) {
    std::cerr << "usage: " << argv[0] << " FILE-OR-FOLDER...  (no inputs given)\n";
    return 2;
  }

  NameInputOnCrash();
  int failed = 0;
  for (const fs::path& path : inputs) {
    std::snprintf(g_current, sizeof g_current, "%s", path.c_str());
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.good() && !in.eof()) {
      std::cerr << path.string() << ": cannot be read\n";
      return 2;
    }
    ::alarm(kSecondsPerInput);
    try {
      LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    } catch (const std::exception& e) {
      std::cerr << path.string() << ": an exception escaped: " << e.what() << "\n";
      ++failed;
    }
    ::alarm(0);
  }
  std::cout << inputs.size() << " inputs replayed, " << failed << " failed\n";
  return failed == 0 ? 0 : 1;
}
