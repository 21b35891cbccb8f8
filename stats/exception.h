// The library's exception family: the general exception carries a message text; the
// incomplete-function layer raises EStStatError with a numeric code.
#pragma once

#include <cstdint>
#include <exception>
#include <string>

namespace zudira {

// The general exception class: every error the program reports carries one of these.
class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}
  const std::string& Message() const noexcept { return message_; }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};

class EStException : public Exception {
 public:
  EStException(std::string message, std::int32_t code)
      : Exception(std::move(message)), ErrorCode(code) {}
  std::int32_t ErrorCode;
};

inline constexpr std::int32_t StatBadParam = 171;
inline constexpr std::int32_t StatNoConverge = 173;

// Looks its message up by code in the library's string table.
class EStStatError : public EStException {
 public:
  explicit EStStatError(std::int32_t code);
};

}  // namespace zudira
