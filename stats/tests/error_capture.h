// What a call raises, for tests that check the library's error codes and messages.
#pragma once

#include <cstdint>
#include <string>

#include "stats/exception.h"

namespace zudira {

// The EStStatError code the call raises, 0 when it raises nothing.
inline std::int32_t CodeOf(void (*call)()) {
  try {
    call();
  } catch (const EStStatError& e) {
    return e.ErrorCode;
  }
  return 0;
}

// The message of the library error the call raises, "(no error)" when it raises nothing.
inline std::string MessageOf(void (*call)()) {
  try {
    call();
  } catch (const Exception& e) {
    return e.what();
  }
  return "(no error)";
}

}  // namespace zudira
