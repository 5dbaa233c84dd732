// StoragePool: the database connections of one server process, shared by
// its client connections. A call borrows one for as long as it runs, so an
// idle client holds none and the database sees at most the pool's size of
// connections from this server, however many clients are connected.
//
// Connections are opened when first needed and kept. A call that finds
// every connection in use waits for one up to the wait given, then fails
// with a message asking to try again. Thread-safe.
#pragma once

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "appserver/storage.h"

namespace appsrv {

class StoragePool {
 public:
  StoragePool(std::string database, int size, std::chrono::milliseconds wait = std::chrono::seconds(30));

  // A borrowed connection, given back when the lease ends.
  class Lease {
   public:
    Lease() = default;
    Lease(Lease&& other) noexcept : pool_(other.pool_), storage_(std::move(other.storage_)) { other.pool_ = nullptr; }
    Lease& operator=(Lease&& other) noexcept;
    ~Lease();
    Storage& operator*() const { return *storage_; }
    Storage* operator->() const { return storage_.get(); }
    explicit operator bool() const { return storage_ != nullptr; }

   private:
    friend class StoragePool;
    Lease(StoragePool* pool, std::unique_ptr<Storage> storage) : pool_(pool), storage_(std::move(storage)) {}
    StoragePool* pool_ = nullptr;
    std::unique_ptr<Storage> storage_;
  };

  // Throws EStorageError when none is free within the wait, or when a new
  // connection cannot be opened.
  Lease Acquire();
  const std::string& Database() const { return database_; }

 private:
  void GiveBack(std::unique_ptr<Storage> storage);

  std::string database_;
  int size_;
  std::chrono::milliseconds wait_;
  std::mutex mutex_;
  std::condition_variable freed_;
  std::vector<std::unique_ptr<Storage>> idle_;
  int open_ = 0;  // connections opened, lent or idle
};

}  // namespace appsrv
