#pragma once
// The character record as both sides see it, written once: every field of the character payload
// (the reply to operation 107, 33 escaped fields in this order) and every field the save
// (operation 106) may carry, with its form key, what it may hold and how long it may be. The
// server's columns and the client's controls are tables over this one; a new field is a row here,
// a column there and a control on the sheet.
#include "Texts.h"

#include <cstddef>

namespace zorv {

enum class RecordKind {
    Id,        // a character id
    Name,      // a character's name, kept unique in the guild
    Number,    // a whole number
    Text,      // free text up to the field's limit
    Race,      // an index into the race list
    Sex,       // an index into the sex list
    Rank,      // an index into the rank titles
    Flag,      // 0 or 1
    Skills,    // the skill string
    VassalIds, // computed: the vassals' ids, "7,3"
    Patron,    // computed: the patron's name
    Path,      // computed: "Self > Patron > ... > Monarch"
};

enum class RecordField {
    Id,
    Name,
    Level,
    Rank,
    PatronId,
    VassalIds,
    NumFollowers,
    SecurityLevel,
    Class,
    Race,
    Sex,
    IsMule,
    MuleFor,
    Lifestone,
    TiedTo,
    Bio,
    Skills,
    RealName,
    CityState,
    MiscInfo,
    Email,
    ICQ,
    Revision,
    ModifiedAt,
    PatronName,
    Path,
    IsPK,
    IsRescue,
    IsPrivate,
    CanSummon,
    MainChar,
    ModifiedBy,
    Awards,
    Count
};

struct RecordFieldInfo {
    RecordField field;
    int iPayload;          // position in the character payload
    const char* szSaveKey; // the save's form key; null for a field the save never carries
    RecordKind kind;
    int nMaxLength; // characters (the wire's bytes), for Name, Text and Skills
    // The field's one caption: the sheet's label without its colon, the history's name for it,
    // and what a refused save calls it.
    const char* szCaption;
    // The values a member may give it, for Number, Race, Sex, Rank and Flag; both 0 for the rest.
    int nLow = 0;
    int nHigh = 0;
};

// In payload order, so that kRecordFields[i].iPayload == i.
inline constexpr RecordFieldInfo kRecordFields[] = {
    {RecordField::Id, 0, nullptr, RecordKind::Id, 0, ZORV_TEXT("Field", "ID")},
    {RecordField::Name, 1, "NAME", RecordKind::Name, 24, ZORV_TEXT("Field", "Name")},
    {RecordField::Level, 2, "LEVEL", RecordKind::Number, 0, ZORV_TEXT("Field", "Level"), 0, 32767},
    {RecordField::Rank, 3, "RANK", RecordKind::Rank, 0, ZORV_TEXT("Field", "Rank"), 0, 10},
    {RecordField::PatronId, 4, nullptr, RecordKind::Id, 0, ZORV_TEXT("Field", "Patron")},
    {RecordField::VassalIds, 5, nullptr, RecordKind::VassalIds, 0, ZORV_TEXT("Field", "Vassals")},
    {RecordField::NumFollowers, 6, "NUMFOLLOWERS", RecordKind::Number, 0,
     ZORV_TEXT("Field", "Number of Followers"), 0, 32767},
    {RecordField::SecurityLevel, 7, nullptr, RecordKind::Number, 0,
     ZORV_TEXT("Field", "Security Level")},
    {RecordField::Class, 8, "CLASS", RecordKind::Text, 128, ZORV_TEXT("Field", "Class")},
    {RecordField::Race, 9, "RACE", RecordKind::Race, 0, ZORV_TEXT("Field", "Race"), 0, 3},
    {RecordField::Sex, 10, "SEX", RecordKind::Sex, 0, ZORV_TEXT("Field", "Sex"), 0, 2},
    {RecordField::IsMule, 11, "ISMULE", RecordKind::Flag, 0, ZORV_TEXT("Field", "Is Mule"), 0, 1},
    {RecordField::MuleFor, 12, "MULEFOR", RecordKind::Text, 128, ZORV_TEXT("Field", "Mule for")},
    {RecordField::Lifestone, 13, "LSAT", RecordKind::Text, 128,
     ZORV_TEXT("Field", "Lifestoned At")},
    {RecordField::TiedTo, 14, "TIEDTO", RecordKind::Text, 128, ZORV_TEXT("Field", "Tied To")},
    {RecordField::Bio, 15, "BIO", RecordKind::Text, 4096, ZORV_TEXT("Field", "Bio")},
    {RecordField::Skills, 16, "SKILLS", RecordKind::Skills, 1024, ZORV_TEXT("Field", "Skills")},
    {RecordField::RealName, 17, "REALNAME", RecordKind::Text, 128, ZORV_TEXT("Field", "Real Name")},
    {RecordField::CityState, 18, "CITYSTATE", RecordKind::Text, 128,
     ZORV_TEXT("Field", "City, State, Country")},
    {RecordField::MiscInfo, 19, "MISCINFO", RecordKind::Text, 4096,
     ZORV_TEXT("Field", "Other Info")},
    {RecordField::Email, 20, "EMAIL", RecordKind::Text, 128, ZORV_TEXT("Field", "Email Address")},
    {RecordField::ICQ, 21, "ICQ", RecordKind::Text, 128, ZORV_TEXT("Field", "ICQ Number")},
    // Beyond the original 22 fields: older servers send fewer, and older clients read fewer.
    {RecordField::Revision, 22, nullptr, RecordKind::Number, 0, ZORV_TEXT("Field", "Revision")},
    {RecordField::ModifiedAt, 23, nullptr, RecordKind::Text, 64,
     ZORV_TEXT("Field", "Last Modified")},
    {RecordField::PatronName, 24, nullptr, RecordKind::Patron, 0, ZORV_TEXT("Field", "Patron")},
    {RecordField::Path, 25, nullptr, RecordKind::Path, 0, ZORV_TEXT("Field", "Path to Monarch")},
    {RecordField::IsPK, 26, "ISPK", RecordKind::Flag, 0, ZORV_TEXT("Field", "Player Killer"), 0, 1},
    {RecordField::IsRescue, 27, "ISRESCUE", RecordKind::Flag, 0,
     ZORV_TEXT("Field", "Rescue Squad Member"), 0, 1},
    {RecordField::IsPrivate, 28, "ISPRIVATE", RecordKind::Flag, 0,
     ZORV_TEXT("Field", "Hide Info on Web"), 0, 1},
    {RecordField::CanSummon, 29, "CAN_SUMMON", RecordKind::Flag, 0,
     ZORV_TEXT("Field", "Can Summon"), 0, 1},
    {RecordField::MainChar, 30, "MAIN_CHAR", RecordKind::Text, 128,
     ZORV_TEXT("Field", "Main Character Name")},
    {RecordField::ModifiedBy, 31, nullptr, RecordKind::Id, 0, ZORV_TEXT("Field", "Modified By")},
    {RecordField::Awards, 32, "ADMIN_ONLY", RecordKind::Text, 4096, ZORV_TEXT("Field", "Awards")},
};

inline constexpr int kCharacterPayloadFields = static_cast<int>(RecordField::Count);
static_assert(sizeof kRecordFields / sizeof kRecordFields[0] == kCharacterPayloadFields,
              "one row for every field of the character payload");

constexpr const RecordFieldInfo& FieldInfo(RecordField field) {
    return kRecordFields[static_cast<int>(field)];
}

constexpr bool RowsInPayloadOrder() {
    for (int i = 0; i < kCharacterPayloadFields; ++i) {
        if (kRecordFields[i].iPayload != i || static_cast<int>(kRecordFields[i].field) != i)
            return false;
    }
    return true;
}
static_assert(RowsInPayloadOrder(), "rows are in payload order, one per field");

// The names of the race and sex numbers, by number (0: not given).
inline constexpr const char* kRaceNames[] = {
    ZORV_TEXT("Race", "Unknown"), ZORV_TEXT("Race", "Aluvian"), ZORV_TEXT("Race", "Gharu'ndim"),
    ZORV_TEXT("Race", "Sho")};
inline constexpr const char* kSexNames[] = {ZORV_TEXT("Sex", "Unknown"), ZORV_TEXT("Sex", "Male"),
                                            ZORV_TEXT("Sex", "Female")};
static_assert(sizeof kRaceNames / sizeof kRaceNames[0] == FieldInfo(RecordField::Race).nHigh + 1,
              "a name for each race number");
static_assert(sizeof kSexNames / sizeof kSexNames[0] == FieldInfo(RecordField::Sex).nHigh + 1,
              "a name for each sex number");
// The name of a race or sex number; "Unknown" for one out of range.
constexpr const char* RaceName(long lRace) {
    return lRace >= 0 && lRace <= FieldInfo(RecordField::Race).nHigh ? kRaceNames[lRace]
                                                                     : kRaceNames[0];
}
constexpr const char* SexName(long lSex) {
    return lSex >= 0 && lSex <= FieldInfo(RecordField::Sex).nHigh ? kSexNames[lSex] : kSexNames[0];
}

// The order in which the save carries the fields it sends, and in which the server checks them:
// the sheet's order.
inline constexpr RecordField kSaveOrder[] = {
    RecordField::Name,      RecordField::Level,    RecordField::Class,
    RecordField::Race,      RecordField::Rank,     RecordField::Sex,
    RecordField::IsMule,    RecordField::MuleFor,  RecordField::Lifestone,
    RecordField::TiedTo,    RecordField::Bio,      RecordField::NumFollowers,
    RecordField::Skills,    RecordField::RealName, RecordField::CityState,
    RecordField::MiscInfo,  RecordField::Email,    RecordField::ICQ,
    RecordField::IsPK,      RecordField::IsRescue, RecordField::IsPrivate,
    RecordField::CanSummon, RecordField::MainChar, RecordField::Awards,
};

constexpr bool SaveOrderComplete() {
    int nSaved = 0;
    for (const RecordFieldInfo& info : kRecordFields)
        nSaved += info.szSaveKey ? 1 : 0;
    if (nSaved != static_cast<int>(sizeof kSaveOrder / sizeof kSaveOrder[0]))
        return false;
    for (RecordField field : kSaveOrder)
        if (!FieldInfo(field).szSaveKey)
            return false;
    return true;
}
static_assert(SaveOrderComplete(), "the save order holds every saved field once");

// The save's other form keys, which are not fields of the record.
inline constexpr const char* kSaveTarget = "updateid";
inline constexpr const char* kSaveRevision = "revision";

} // namespace zorv
