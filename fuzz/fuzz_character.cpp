// The client's character payload parser (ParseCharacterPayload), then what the sheet reads
// from the fields it gives: the numbers by their leading number, the rank title list and its
// position, the skill string's entries and training codes.
//
// The first byte chooses what the rest of the input is. Even: a payload as the server sent it.
// Odd: fields, separated by LF, that the server's writer (zorv::JoinFields) joins into a
// payload; the parser must give each field back as it was. Fields lose their "(" first, since
// text holding an escape as it is written cannot travel unchanged.
#include "CharacterPayload.h"
#include "RankTitles.h"
#include "SkillCatalogue.h"

#include "Numbers.h"
#include "Records.h"

#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void ReadAsTheSheetDoes(const CharacterPayload& c) {
    static const Skills catalogue = [] {
        Skills skills;
        AddSkills(skills);
        return skills;
    }();
    for (const QString* pNumber : {&c.strID, &c.strLevel, &c.strRank, &c.strNumFollowers,
                                   &c.strRace, &c.strSex, &c.strIsMule, &c.strIsPK, &c.strIsRescue,
                                   &c.strIsPrivate, &c.strCanSummon, &c.strModifiedBy})
        zorv::ReadInt16(pNumber->toStdString());
    zorv::ReadInt32(c.strRevision.toStdString());
    const QStringList titles = RankTitles(c.strRace, c.strSex);
    const int iPosition = ComboPosition(c.strRank, static_cast<int>(titles.size()));
    if (iPosition < 0 || iPosition >= std::max<int>(1, static_cast<int>(titles.size()))) {
        std::fprintf(stderr, "fuzz_character: rank \"%s\" selects %d of %d titles\n",
                     qPrintable(c.strRank), iPosition, static_cast<int>(titles.size()));
        std::abort();
    }
    for (const SkillEntry& entry : SkillEntries(c.strSkills, catalogue)) {
        catalogue.Item(entry.iNumber);
        TrainingOf(entry.strTraining);
    }
}

[[noreturn]] void Lost(std::size_t i, const std::string& strSent, const QString& strRead) {
    std::fprintf(stderr, "fuzz_character: field %zu sent \"%s\" reads \"%s\"\n", i, strSent.c_str(),
                 strRead.toLatin1().constData());
    std::abort();
}

void RoundTrip(const std::string& strInput) {
    zorv::Fields fields(1);
    for (char c : strInput) {
        if (c == '\n')
            fields.emplace_back();
        else if (c != '(')
            fields.back() += c;
    }
    const std::string strPayload = zorv::JoinFields(fields);
    const CharacterPayload c = ParseCharacterPayload(
        QString::fromLatin1(strPayload.data(), static_cast<qsizetype>(strPayload.size())));
    if (c.nFields != static_cast<int>(fields.size())) {
        std::fprintf(stderr, "fuzz_character: %zu fields sent, %d read\n", fields.size(),
                     c.nFields);
        std::abort();
    }
    const std::pair<std::size_t, const QString*> places[] = {
        {0, &c.strID}, {1, &c.strName}, {15, &c.strBio}, {16, &c.strSkills}, {32, &c.strAwards}};
    for (const auto& [i, pRead] : places)
        if (i < fields.size() &&
            QString::fromLatin1(fields[i].data(), static_cast<qsizetype>(fields[i].size())) !=
                *pRead)
            Lost(i, fields[i], *pRead);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    if (nSize == 0)
        return 0;
    const std::string strInput(reinterpret_cast<const char*>(pData + 1), nSize - 1);
    if (pData[0] % 2) {
        RoundTrip(strInput);
        return 0;
    }
    ReadAsTheSheetDoes(ParseCharacterPayload(
        QString::fromLatin1(strInput.data(), static_cast<qsizetype>(strInput.size()))));
    return 0;
}
