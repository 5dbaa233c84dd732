#include "platform/data/component.h"

#include <algorithm>

#include "platform/data/errors.h"

namespace plat {

TComponent::TComponent(TComponent* owner, std::string name) : owner_(owner), name_(std::move(name)) {}

TComponent::~TComponent() {
  // Destroy in reverse order of creation, as later components may refer to
  // earlier ones (a control to its data source, a data source to its data set).
  while (!owned_.empty()) owned_.pop_back();
}

void TComponent::Destroy(TComponent& component) {
  auto it = std::find_if(owned_.begin(), owned_.end(), [&](auto& p) { return p.get() == &component; });
  if (it != owned_.end()) owned_.erase(it);
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (auto& c : owned_)
    if (c->name_ == name) return c.get();
  for (auto& c : owned_)
    if (auto* found = c->FindComponent(name)) return found;
  return nullptr;
}

void TComponent::ThrowNotFound(std::string_view name) const {
  throw EError("Component '" + std::string(name) + "' not found in '" + name_ + "'");
}

}  // namespace plat
