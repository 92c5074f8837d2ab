#include "Records.h"

#include "Escape.h"
#include "Protocol.h"

namespace zorv {

Fields SplitFields(std::string_view strRecord) {
    Fields fields;
    std::size_t iStart = 0;
    while (true) {
        std::size_t iBar = strRecord.find(kFieldSeparator, iStart);
        if (iBar == std::string_view::npos) {
            fields.emplace_back(strRecord.substr(iStart));
            return fields;
        }
        fields.emplace_back(strRecord.substr(iStart, iBar - iStart));
        iStart = iBar + 1;
    }
}

std::vector<Fields> SplitRecords(std::string_view strPayload) {
    std::vector<Fields> records;
    std::size_t iStart = 0;
    while (true) {
        std::size_t iEnd = strPayload.find(kRecordEnd, iStart);
        if (iEnd == std::string_view::npos)
            return records;
        records.push_back(SplitFields(strPayload.substr(iStart, iEnd - iStart)));
        iStart = iEnd + 2;
    }
}

std::string JoinFields(const Fields& fields) {
    std::string strOut;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i)
            strOut += kFieldSeparator;
        strOut += EscapeValue(fields[i]);
    }
    return strOut;
}

std::string JoinRecord(const Fields& fields) {
    return JoinFields(fields) + kRecordEnd;
}

} // namespace zorv
