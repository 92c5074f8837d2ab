#pragma once
// Numbers typed by users and received from the server are read by their leading decimal number:
// leading blanks skipped, an optional sign, digits, an optional fraction and exponent; no digits
// reads as 0.
// A fraction is rounded to the nearest integer with halves going to the even neighbour.
#include <cstdint>
#include <optional>
#include <string_view>

namespace zorv {

// The leading number as written (before rounding); nullopt when the text has no digits.
std::optional<double> LeadingNumber(std::string_view strText);

// Rounded half to even and saturated to the 16-bit range.
std::int16_t ReadInt16(std::string_view strText);
// Rounded half to even and saturated to the 32-bit range.
std::int32_t ReadInt32(std::string_view strText);

// Strict whole-number parse for server-side validation: optional sign and digits only.
std::optional<long> ParseWholeNumber(std::string_view strText);

} // namespace zorv
