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
    using zorv::RecordField;
    for (RecordField field :
         {RecordField::Id, RecordField::Level, RecordField::Rank, RecordField::NumFollowers,
          RecordField::Race, RecordField::Sex, RecordField::IsMule, RecordField::IsPK,
          RecordField::IsRescue, RecordField::IsPrivate, RecordField::CanSummon,
          RecordField::ModifiedBy})
        zorv::ReadInt16(c[field].toStdString());
    zorv::ReadInt32(c[RecordField::Revision].toStdString());
    const QStringList titles = RankTitles(c[RecordField::Race], c[RecordField::Sex]);
    const int iPosition = ComboPosition(c[RecordField::Rank], static_cast<int>(titles.size()));
    if (iPosition < 0 || iPosition >= std::max<int>(1, static_cast<int>(titles.size()))) {
        std::fprintf(stderr, "fuzz_character: rank \"%s\" selects %d of %d titles\n",
                     qPrintable(c[RecordField::Rank]), iPosition, static_cast<int>(titles.size()));
        std::abort();
    }
    for (const SkillEntry& entry : SkillEntries(c[RecordField::Skills], catalogue)) {
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
    // Every field of the record comes back at the place the record's table gives it.
    for (const zorv::RecordFieldInfo& info : zorv::kRecordFields) {
        const std::size_t i = static_cast<std::size_t>(info.iPayload);
        if (i < fields.size() &&
            QString::fromLatin1(fields[i].data(), static_cast<qsizetype>(fields[i].size())) !=
                c[info.field])
            Lost(i, fields[i], c[info.field]);
    }
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
