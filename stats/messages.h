// Message texts of the extended-precision functions, carried by the general exception class.
#pragma once

namespace zudira {

inline constexpr const char* FactorialLimitMessage = "Factorial Calculation cannot exceed 1547";
inline constexpr const char* GammaNonPositiveMessage =
    "Gamma of non-positive integer is undefined!";
inline constexpr const char* FMustBePositiveMessage = "F must be > 0";
inline constexpr const char* DegreesOfFreedomMessage = "Degrees of Freedom must be > 0";
inline constexpr const char* ProbabilityOutOfRangeMessage =
    "Probability must be greater than 0 and less than 1";
inline constexpr const char* FDegreesTooLargeMessage =
    "Degrees of Freedom too large for the F distribution";

}  // namespace zudira
