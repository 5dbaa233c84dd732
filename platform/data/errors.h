// Exceptions shared by the whole platform layer and the screens built on it.
//
// EAbort is the silent abort: it ends the running operation after a message
// has already been shown (or when nothing needs showing); the host's message
// loop swallows it without a second message. Every other failure derives
// from EError and carries a text fit to be shown to the user as it stands.
#pragma once

#include <stdexcept>
#include <string>

namespace plat {

class EAbort : public std::exception {
 public:
  const char* what() const noexcept override { return "Operation aborted"; }
};

class EError : public std::runtime_error {
 public:
  explicit EError(const std::string& message) : std::runtime_error(message) {}
};

// A data-set or field rule was broken (closed data set, not editing, value
// out of range, text too long, ...).
class EDatabaseError : public EError {
 public:
  using EError::EError;
};

// A text could not be converted to the value a field or routine needs.
class EConvertError : public EError {
 public:
  using EError::EError;
};

}  // namespace plat
