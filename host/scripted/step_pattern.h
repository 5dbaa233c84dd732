// Step patterns: checks a step's arguments against the argument pattern of
// its table row (see step_type.h) and says, for a person, what is wrong.
#pragma once

#include <string_view>
#include <vector>

#include "host/scripted/scenario_tokens.h"

namespace hostapp {

// Whether the pattern ends with RAW (the rest of the line, not tokenized),
// and whether that part may be empty ([RAW]).
bool PatternTakesRaw(std::string_view pattern);
bool PatternRawOptional(std::string_view pattern);

// Throws SyntaxError naming the argument that does not fit, or the count.
void CheckArguments(std::string_view pattern, const std::vector<Token>& args);

// The checks behind the placeholders, also used by the run functions.
bool IsName(std::string_view text);      // a component, field or method name
bool IsInteger(std::string_view text);   // optional minus, digits
bool IsFieldRef(std::string_view text);  // DATASET.FIELD
bool IsDate(std::string_view text);      // yyyy-mm-dd[Thh:mm:ss]

}  // namespace hostapp
