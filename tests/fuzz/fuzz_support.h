// What the fuzz targets share: a check that stops the run when a property
// of a reader does not hold, and reading a message's text as JSON the way
// the server (AnswerFrame) and the screen's connection do.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <optional>
#include <string_view>

namespace fuzz {

// libFuzzer keeps the input that stopped the run; the replay names it.
inline void Check(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "fuzz check failed: %s\n", what);
  std::abort();
}

// nullopt for a text that is not JSON: both ends answer such a message as
// unreadable without reading it further.
inline std::optional<nlohmann::json> ParseJson(std::string_view text) {
  try {
    return nlohmann::json::parse(text);
  } catch (const nlohmann::json::exception&) {
    return std::nullopt;
  }
}

}  // namespace fuzz
