// TComponent: a named object owned by another; the owner destroys what it
// owns. A form owns every component of its screen (data sets, fields,
// queries, data sources, controls, menu items), so each one is reachable by
// name from it, however deep the ownership chain.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace plat {

class TComponent {
 public:
  explicit TComponent(TComponent* owner = nullptr, std::string name = {});
  virtual ~TComponent();
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  TComponent* Owner() const { return owner_; }

  // Creates a component owned by this one.
  template <class T, class... Args>
  T& Create(Args&&... args) {
    auto made = std::make_unique<T>(this, std::forward<Args>(args)...);
    T& ref = *made;
    owned_.push_back(std::move(made));
    return ref;
  }
  // Destroys an owned component now.
  void Destroy(TComponent& component);

  // Searches the owned components and, below them, what they own.
  // Returns nullptr when no component has that name (case-sensitive).
  TComponent* FindComponent(std::string_view name) const;
  // As FindComponent, but throws EError naming the component when absent
  // or of another type.
  template <class T>
  T& Get(std::string_view name) const {
    auto* found = dynamic_cast<T*>(FindComponent(name));
    if (!found) ThrowNotFound(name);
    return *found;
  }
  const std::vector<std::unique_ptr<TComponent>>& Components() const { return owned_; }

 private:
  [[noreturn]] void ThrowNotFound(std::string_view name) const;

  TComponent* owner_;
  std::string name_;
  std::vector<std::unique_ptr<TComponent>> owned_;
};

}  // namespace plat
