#include "appserver/storage_pool.h"

namespace appsrv {

StoragePool::StoragePool(std::string database, int size, std::chrono::milliseconds wait)
    : database_(std::move(database)), size_(size < 1 ? 1 : size), wait_(wait) {}

StoragePool::Lease& StoragePool::Lease::operator=(Lease&& other) noexcept {
  if (this != &other) {
    if (pool_ && storage_) pool_->GiveBack(std::move(storage_));
    pool_ = other.pool_;
    storage_ = std::move(other.storage_);
    other.pool_ = nullptr;
  }
  return *this;
}

StoragePool::Lease::~Lease() {
  if (pool_ && storage_) pool_->GiveBack(std::move(storage_));
}

StoragePool::Lease StoragePool::Acquire() {
  std::unique_lock lock(mutex_);
  if (!freed_.wait_for(lock, wait_, [&] { return !idle_.empty() || open_ < size_; }))
    throw EStorageError(StorageFailure::Busy, "Todas as " + std::to_string(size_) +
                                                  " conexões do servidor de aplicação com o banco de dados estão em "
                                                  "uso; tente novamente.");
  if (!idle_.empty()) {
    auto storage = std::move(idle_.back());
    idle_.pop_back();
    return Lease(this, std::move(storage));
  }
  ++open_;
  lock.unlock();
  try {
    return Lease(this, OpenStorage(database_));
  } catch (...) {
    lock.lock();
    --open_;
    freed_.notify_one();
    throw;
  }
}

void StoragePool::GiveBack(std::unique_ptr<Storage> storage) {
  std::lock_guard lock(mutex_);
  idle_.push_back(std::move(storage));
  freed_.notify_one();
}

}  // namespace appsrv
