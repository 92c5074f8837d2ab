// The client's list payload parsers (ParseRescueRows, ParseListRows for the portal and trade
// skill lists, ParseSearchRows). Every row a parser gives must have a cell for each column of
// its grid, which fills its cells by column.
//
// The first byte chooses what the rest of the input is. Even: a payload as the server sent it,
// read by every parser. Odd: records, separated by CR, of fields, separated by LF, that the
// server's writer (zorv::JoinRecord) joins into a payload; ParseListRows, with as many columns
// as the first byte says, must give each record back as a row of fields 1 onwards. Fields lose
// their "(" first, since text holding an escape as it is written cannot travel unchanged, and a
// record's last field its trailing blanks, since blanks around a record are not part of it.
#include "ListPayloads.h"

#include "Records.h"

#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void CheckWidth(const char* szParser, const ListRows& rows, int nColumns) {
    for (const QStringList& row : rows) {
        if (row.size() != nColumns) {
            std::fprintf(stderr, "fuzz_lists: %s gives a row of %d cells for %d columns\n",
                         szParser, static_cast<int>(row.size()), nColumns);
            std::abort();
        }
    }
}

void RoundTrip(const std::string& strInput, int nColumns) {
    std::vector<zorv::Fields> records(1, zorv::Fields(1));
    for (char c : strInput) {
        if (c == '\r')
            records.emplace_back(1);
        else if (c == '\n')
            records.back().emplace_back();
        else if (c != '(')
            records.back().back() += c;
    }
    std::string strPayload;
    for (zorv::Fields& fields : records) {
        std::string& strLast = fields.back();
        strLast.erase(strLast.find_last_not_of(' ') + 1);
        strPayload += zorv::JoinRecord(fields);
    }
    const ListRows rows = ParseListRows(
        QString::fromLatin1(strPayload.data(), static_cast<qsizetype>(strPayload.size())),
        nColumns);
    if (rows.size() != static_cast<qsizetype>(records.size())) {
        std::fprintf(stderr, "fuzz_lists: %zu records sent, %d rows read\n", records.size(),
                     static_cast<int>(rows.size()));
        std::abort();
    }
    CheckWidth("ParseListRows", rows, nColumns);
    for (std::size_t r = 0; r < records.size(); ++r) {
        for (int c = 0; c < nColumns; ++c) {
            const std::size_t i = static_cast<std::size_t>(c) + 1;
            const std::string strSent = i < records[r].size() ? records[r][i] : std::string();
            const QString& strRead = rows[static_cast<qsizetype>(r)][c];
            if (strRead !=
                QString::fromLatin1(strSent.data(), static_cast<qsizetype>(strSent.size()))) {
                std::fprintf(stderr, "fuzz_lists: record %zu field %zu sent \"%s\" reads \"%s\"\n",
                             r, i, strSent.c_str(), strRead.toLatin1().constData());
                std::abort();
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    if (nSize == 0)
        return 0;
    const std::string strInput(reinterpret_cast<const char*>(pData + 1), nSize - 1);
    if (pData[0] % 2) {
        RoundTrip(strInput, 1 + (pData[0] >> 1) % 10);
        return 0;
    }
    const QString strPayload =
        QString::fromLatin1(strInput.data(), static_cast<qsizetype>(strInput.size()));
    CheckWidth("ParseRescueRows", ParseRescueRows(strPayload), kRescueColumns);
    CheckWidth("ParseListRows", ParseListRows(strPayload, kPortalColumns), kPortalColumns);
    CheckWidth("ParseListRows", ParseListRows(strPayload, kTradeSkillColumns), kTradeSkillColumns);
    CheckWidth("ParseSearchRows", ParseSearchRows(strPayload), kSearchColumns);
    return 0;
}
