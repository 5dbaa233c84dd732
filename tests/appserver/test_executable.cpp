// The psr_appserver program as a test harness runs it: a child process that
// announces its port, serves over TCP and stops cleanly on SIGTERM.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <optional>

#include "host/netconnection.h"
#include "test_database.h"

namespace fs = std::filesystem;

namespace {

// The program is built next to the test program.
fs::path Program() { return fs::read_symlink("/proc/self/exe").parent_path() / "psr_appserver"; }

class Child {
 public:
  explicit Child(const std::vector<std::string>& args) {
    int out[2], err[2];
    if (pipe(out) != 0 || pipe(err) != 0) throw std::runtime_error("pipe");
    pid_ = fork();
    if (pid_ == 0) {
      dup2(out[1], 1);
      dup2(err[1], 2);
      close(out[0]);
      close(err[0]);
      std::vector<std::string> words = args;
      words.insert(words.begin(), Program().string());
      std::vector<char*> argv;
      for (auto& word : words) argv.push_back(word.data());
      argv.push_back(nullptr);
      execv(argv[0], argv.data());
      _exit(127);
    }
    close(out[1]);
    close(err[1]);
    out_ = out[0];
    err_ = err[0];
  }
  ~Child() {
    if (pid_ > 0 && !status_) {
      kill(pid_, SIGKILL);
      Wait();
    }
    close(out_);
    close(err_);
  }
  // The first line the program writes to stdout, waiting up to 10 s.
  std::string FirstLine() {
    std::string line;
    char c;
    while (line.find('\n') == std::string::npos) {
      pollfd p{out_, POLLIN, 0};
      if (poll(&p, 1, 10000) <= 0 || read(out_, &c, 1) != 1) break;
      line += c;
    }
    return line;
  }
  std::string Errors() {
    std::string text;
    char buffer[512];
    ssize_t n;
    while ((n = read(err_, buffer, sizeof buffer)) > 0) text.append(buffer, std::size_t(n));
    return text;
  }
  void Signal(int signal) { kill(pid_, signal); }
  int Wait() {
    if (!status_) {
      int status = 0;
      waitpid(pid_, &status, 0);
      status_ = status;
    }
    return *status_;
  }

 private:
  pid_t pid_ = -1;
  int out_ = -1, err_ = -1;
  std::optional<int> status_;
};

// A connection to the module of a server announced by the line.
std::unique_ptr<host::TNetConnection> ConnectTo(const std::string& listeningLine) {
  auto net = std::make_unique<host::TNetConnection>(nullptr, "netProposta");
  net->ServerName = "PSR41300.rdmSolicitaProposta";
  net->Port = std::stoi(listeningLine.substr(listeningLine.rfind(':') + 1));
  net->ThrowException = false;
  net->SetConnected(true);
  return net;
}

class Executable : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fs::exists(Program())) GTEST_SKIP() << "psr_appserver is not built next to the tests";
    database_ = std::make_unique<apptest::TestDatabase>();
    db_ = database_->Name();
  }
  void TearDown() override { database_.reset(); }
  std::unique_ptr<apptest::TestDatabase> database_;
  std::string db_;
};

TEST_F(Executable, AnnouncesItsPortServesAndStopsCleanlyOnSigterm) {
  Child server({"--db", db_, "--listen", "127.0.0.1:0", "--demo"});
  std::string line = server.FirstLine();
  ASSERT_EQ(line.rfind("listening on 127.0.0.1:", 0), 0u) << line << server.Errors();
  auto net = ConnectTo(line);
  auto list = net->AppServer("GetProposta", {"0002", "ADMIN"});
  ASSERT_FALSE(list.Failed()) << list.error;
  EXPECT_EQ(list.packet.rows.size(), 3u);
  EXPECT_TRUE(net->Call("Host", "Sql", {"SELECT 1"}).Failed());  // no test options

  server.Signal(SIGTERM);
  int status = server.Wait();
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

TEST_F(Executable, CreateOnlyFillsTheDatabaseWithExtraProposalsAndExits) {
  Child create({"--db", db_, "--demo-proposals", "50", "--create-only"});
  EXPECT_EQ(create.Wait(), 0) << create.Errors();
  Child server({"--db", db_, "--listen", "127.0.0.1:0", "--test-options"});
  std::string line = server.FirstLine();
  ASSERT_EQ(line.rfind("listening on", 0), 0u) << server.Errors();
  auto net = ConnectTo(line);
  auto count = net->Call("Host", "Sql", {"SELECT COUNT(*) FROM PROPOSTAFAS"});
  ASSERT_FALSE(count.Failed()) << count.error;
  EXPECT_EQ(count.packet.rows[0][0].ToInt(), 8 + 50);
  EXPECT_EQ(net->AppServer("PrxProposta").value.ToText(), "1058");
  server.Signal(SIGINT);
  EXPECT_EQ(server.Wait(), 0);
}

TEST_F(Executable, ABadCommandLineExitsWithUsage) {
  Child bad({"--listen", "127.0.0.1:0"});
  EXPECT_EQ(WEXITSTATUS(bad.Wait()), 2);
  std::string errors = bad.Errors();
  EXPECT_NE(errors.find("--db FILE is required"), std::string::npos) << errors;
  EXPECT_NE(errors.find("usage: psr_appserver"), std::string::npos) << errors;
}

}  // namespace
