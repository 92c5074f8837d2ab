#include "Records.h"

#include "Escape.h"
#include "Protocol.h"

namespace zorv {

std::string_view TrimBlanks(std::string_view strText) {
    while (!strText.empty() && strText.front() == ' ')
        strText.remove_prefix(1);
    while (!strText.empty() && strText.back() == ' ')
        strText.remove_suffix(1);
    return strText;
}

void FieldViews(std::string_view strRecord, std::vector<std::string_view>& fields) {
    fields.clear();
    std::size_t iStart = 0;
    while (true) {
        std::size_t iBar = strRecord.find(kFieldSeparator, iStart);
        if (iBar == std::string_view::npos) {
            fields.push_back(strRecord.substr(iStart));
            return;
        }
        fields.push_back(strRecord.substr(iStart, iBar - iStart));
        iStart = iBar + 1;
    }
}

Fields SplitFields(std::string_view strRecord) {
    std::vector<std::string_view> views;
    FieldViews(strRecord, views);
    return Fields(views.begin(), views.end());
}

std::vector<Fields> SplitRecords(std::string_view strPayload) {
    std::vector<Fields> records;
    ForEachRecord(strPayload,
                  [&](std::string_view strRecord) { records.push_back(SplitFields(strRecord)); });
    return records;
}

Fields UnescapedFields(std::string_view strPayload) {
    std::vector<std::string_view> views;
    FieldViews(strPayload, views);
    Fields fields;
    fields.reserve(views.size());
    for (std::string_view strField : views)
        fields.push_back(UnescapeValue(strField));
    return fields;
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
