#pragma once
// Payload framing: records end with "!;" and their fields are separated by "|". Text after the
// last "!;" is not a record. Single-record payloads (login, character) have no terminator.
#include <string>
#include <string_view>
#include <vector>

namespace zorv {

using Fields = std::vector<std::string>;

Fields SplitFields(std::string_view strRecord);
std::vector<Fields> SplitRecords(std::string_view strPayload);

// Joins fields with "|", escaping each one: a single-record payload.
std::string JoinFields(const Fields& fields);
// The same, ended with "!;": one record of a list payload.
std::string JoinRecord(const Fields& fields);

} // namespace zorv
