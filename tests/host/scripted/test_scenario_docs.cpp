// The scenario documentation names every step the table knows.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "host/scripted/step_type.h"

namespace {

std::string ReadDocs() {
  std::string here = __FILE__;  // <root>/tests/host/scripted/this file
  std::string root = here.substr(0, here.rfind("/tests/host/scripted/"));
  std::ifstream in(root + "/docs/scenarios.md");
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(ScenarioDocs, EveryStepIsDocumented) {
  std::string docs = ReadDocs();
  ASSERT_FALSE(docs.empty()) << "docs/scenarios.md not found";
  for (const hostapp::StepType& type : hostapp::AllSteps()) {
    std::string key(type.key);
    std::string last = key.substr(key.rfind(' ') + 1);
    // Pairs of expectations share a row: `expect enabled\|disabled CONTROL`.
    bool documented = false;
    for (const std::string& form : {"`" + key + " ", "`" + key + "`", "`" + key + "\\|", "\\|" + last + " "})
      documented = documented || docs.find(form) != std::string::npos;
    EXPECT_TRUE(documented) << key;
  }
}

}  // namespace
