// The server as a child process: ready once it says where it listens, its
// output kept in a log, a clear error when it ends early or says nothing,
// and stopped for good.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <fstream>

#include "host/runtime/server_process.h"
#include "host/runtime/temp_dir.h"
#include "platform/data/errors.h"

using namespace hostapp;

namespace {

class ServerProcessTest : public ::testing::Test {
 protected:
  // A stand-in server: a shell script with the given body.
  std::string Script(const std::string& body) {
    std::string path = dir.File("server.sh");
    std::ofstream(path) << "#!/bin/sh\n" << body << "\n";
    chmod(path.c_str(), 0755);
    return path;
  }
  std::string Error(ServerProcess& server, std::chrono::milliseconds timeout = std::chrono::seconds(5)) {
    try {
      server.Start({"--db", "x.db"}, timeout);
    } catch (const plat::EError& e) {
      return e.what();
    }
    return "(started)";
  }

  TempDir dir{"psr_server_test"};
};

TEST_F(ServerProcessTest, ReadyWhenItSaysWhereItListens) {
  ServerProcess server(Script("echo \"args: $*\"\necho 'listening on 127.0.0.1:47999'\nexec sleep 30"),
                       dir.File("log"));
  server.Start({"--db", "a b.db", "--demo"});
  EXPECT_TRUE(server.Running());
  EXPECT_EQ(server.Host(), "127.0.0.1");
  EXPECT_EQ(server.Port(), 47999);
  EXPECT_EQ(server.Address(), "127.0.0.1:47999");
  std::ifstream log(dir.File("log"));
  std::string first;
  std::getline(log, first);
  EXPECT_EQ(first, "args: --db a b.db --demo");
  server.Stop();
  EXPECT_FALSE(server.Running());
}

TEST_F(ServerProcessTest, AServerThatEndsEarlyIsReportedWithItsOutput) {
  ServerProcess server(Script("echo 'cannot open database x.db' >&2\nexit 3"), dir.File("log"));
  std::string error = Error(server);
  EXPECT_NE(error.find("ended with code 3 before listening"), std::string::npos) << error;
  EXPECT_NE(error.find("cannot open database x.db"), std::string::npos) << error;
  EXPECT_FALSE(server.Running());
}

TEST_F(ServerProcessTest, AProgramThatIsNotThereIsReported) {
  ServerProcess server(dir.File("missing"), dir.File("log"));
  std::string error = Error(server);
  EXPECT_NE(error.find("ended with code 127"), std::string::npos) << error;
  EXPECT_NE(error.find("cannot run"), std::string::npos) << error;
}

TEST_F(ServerProcessTest, ASilentServerTimesOutAndIsStopped) {
  ServerProcess server(Script("exec sleep 30"), dir.File("log"));
  std::string error = Error(server, std::chrono::milliseconds(200));
  EXPECT_NE(error.find("did not say where it listens within 200 ms"), std::string::npos) << error;
  EXPECT_FALSE(server.Running());
}

TEST_F(ServerProcessTest, ABadAddressIsReported) {
  ServerProcess server(Script("echo 'listening on somewhere'\nexec sleep 30"), dir.File("log"));
  std::string error = Error(server);
  EXPECT_NE(error.find("'somewhere', which is not HOST:PORT"), std::string::npos) << error;
  EXPECT_FALSE(server.Running());
}

TEST_F(ServerProcessTest, StartingAgainReadsOnlyTheNewOutput) {
  std::string counter = dir.File("n");
  ServerProcess server(Script("n=$(cat " + counter + " 2>/dev/null || echo 0); n=$((n+1)); echo $n > " + counter +
                              "\necho \"listening on 127.0.0.1:4700$n\"\nexec sleep 30"),
                       dir.File("log"));
  server.Start({});
  EXPECT_EQ(server.Port(), 47001);
  server.Stop();
  server.Start({});
  EXPECT_EQ(server.Port(), 47002);
}

TEST_F(ServerProcessTest, AServerThatIgnoresTheRequestToEndIsKilled) {
  ServerProcess server(Script("trap '' TERM\necho 'listening on 127.0.0.1:1'\nwhile true; do sleep 1; done"),
                       dir.File("log"));
  server.Start({});
  auto started = std::chrono::steady_clock::now();
  server.Stop(std::chrono::milliseconds(200));
  EXPECT_FALSE(server.Running());
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(3));
}

TEST(AppServerArguments, DemoDataOnlyWhenAskedAndAlwaysTheTestOptions) {
  EXPECT_EQ(AppServerArguments("/tmp/s.db", true),
            (std::vector<std::string>{"--db", "/tmp/s.db", "--listen", "127.0.0.1:0", "--demo", "--test-options"}));
  EXPECT_EQ(AppServerArguments("/tmp/s.db", false),
            (std::vector<std::string>{"--db", "/tmp/s.db", "--listen", "127.0.0.1:0", "--test-options"}));
}

}  // namespace
