#pragma once
// Payload framing, the one reading of it that both sides use. A list payload is a run of records,
// each ended by "!;"; text after the last "!;" is not a record, and blanks (spaces only) around a
// record are not part of it. A record's fields are separated by "|". A single-record payload
// (login, character) has no terminator and its fields arrive escaped.
#include <string>
#include <string_view>
#include <vector>

namespace zorv {

using Fields = std::vector<std::string>;

// Leading and trailing spaces removed; other white space stays.
std::string_view TrimBlanks(std::string_view strText);

// Calls onRecord(view) for every record of a list payload, trimmed, in payload order. The views
// point into strPayload.
template <typename OnRecord> void ForEachRecord(std::string_view strPayload, OnRecord&& onRecord);

// The fields of one record as views into it, written into `fields` (cleared first), so that a
// caller reading many records reuses one vector.
void FieldViews(std::string_view strRecord, std::vector<std::string_view>& fields);

// Fields as sent: escapes are left as they are.
Fields SplitFields(std::string_view strRecord);
std::vector<Fields> SplitRecords(std::string_view strPayload);

// A single-record payload: split at "|", each field unescaped.
Fields UnescapedFields(std::string_view strPayload);

// Joins fields with "|", escaping each one: a single-record payload.
std::string JoinFields(const Fields& fields);
// The same, ended with "!;": one record of a list payload.
std::string JoinRecord(const Fields& fields);

template <typename OnRecord> void ForEachRecord(std::string_view strPayload, OnRecord&& onRecord) {
    std::size_t iStart = 0;
    while (true) {
        std::size_t iEnd = strPayload.find("!;", iStart);
        if (iEnd == std::string_view::npos)
            return;
        onRecord(TrimBlanks(strPayload.substr(iStart, iEnd - iStart)));
        iStart = iEnd + 2;
    }
}

} // namespace zorv
