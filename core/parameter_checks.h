// The checks a request passes before any library call: a parameter for which no distribution
// exists, or a field value that is no finite number, ends in an input error naming it.
#pragma once

#include "core/request.h"

namespace zudira {

// The input error's text, or nullptr when the request may be evaluated.
const char* CheckRequestParameters(const ProbabilityRequest& request);

}  // namespace zudira
