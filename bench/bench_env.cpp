#include "bench_env.h"

#include <unistd.h>

namespace psrbench {

namespace {

std::filesystem::path FreshFolder(int listed) {
  auto folder =
      std::filesystem::temp_directory_path() / ("psr_bench_" + std::to_string(getpid()) + "_" + std::to_string(listed));
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder;
}

}  // namespace

BenchEnv::BenchEnv(int listedProposals)
    : folder_(FreshFolder(listedProposals)), dbPath_((folder_ / "bench.db").string()) {
  appsrv::ServerOptions options;
  options.dbPath = dbPath_;
  options.port = 0;
  options.setup.demo = true;
  // Generated proposals alternate between the two branches, starting with
  // this one, which the demo data already gives five proposal versions.
  // The count actually listed is read back below and reported.
  options.setup.extraProposals = 2 * (listedProposals - 5) - 1;
  server_ = std::make_unique<appsrv::AppServer>(options);
  auto count = OpenStorage()->Query("SELECT COUNT(*) FROM PROPOSTAFAS WHERE CDFILIAL = ?1", {plat::Variant(kBranch)});
  listed_ = static_cast<int>(count.rows.at(0).at(0).ToInt());
  runner_ = std::thread([this] { server_->Run(); });
}

BenchEnv::~BenchEnv() {
  server_->Stop();
  runner_.join();
  server_.reset();
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

std::unique_ptr<host::TNetConnection> BenchEnv::Connect() const {
  auto net = std::make_unique<host::TNetConnection>(nullptr, "netBench");
  net->ServerName = appsrv::kModuleObject;
  net->Host = "127.0.0.1";
  net->Port = Port();
  net->ThrowException = false;
  net->SetConnected(true);
  return net;
}

}  // namespace psrbench
