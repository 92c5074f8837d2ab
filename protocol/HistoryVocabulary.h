#pragma once
// The change history's words, as the server stores and sends them (operations 117 and 118) and
// the client reads them: the kinds of change, and the fields a recorded value is about, each
// with the caption the client shows (a sheet's field has the record's caption).
#include "CharacterRecord.h"

namespace zorv::history {

inline constexpr const char* kInit = "init"; // the first set-up
inline constexpr const char* kAdd = "add";
inline constexpr const char* kRemove = "remove";
inline constexpr const char* kPatron = "patron"; // a move to another patron
inline constexpr const char* kSave = "save";
inline constexpr const char* kPassword = "password"; // a member's own new password
inline constexpr const char* kReset = "reset";       // an administrator's reset of one
inline constexpr const char* kLevel = "level";       // a security level
inline constexpr const char* kSetup = "setup";       // the guild's set-up
inline constexpr const char* kUndo = "undo";

struct Field {
    const char* szName; // a sheet's column, or one of the others below
    const char* szCaption;
    bool bSheet; // a column of the sheet that a save writes
};

constexpr Field SheetField(const char* szColumn, RecordField field) {
    return {szColumn, FieldInfo(field).szCaption, true};
}

inline constexpr Field kFields[] = {
    SheetField("name", RecordField::Name),
    SheetField("level", RecordField::Level),
    SheetField("class", RecordField::Class),
    SheetField("race", RecordField::Race),
    SheetField("rank", RecordField::Rank),
    SheetField("sex", RecordField::Sex),
    SheetField("is_mule", RecordField::IsMule),
    SheetField("mule_for", RecordField::MuleFor),
    SheetField("lifestone", RecordField::Lifestone),
    SheetField("tied_to", RecordField::TiedTo),
    SheetField("bio", RecordField::Bio),
    SheetField("num_followers", RecordField::NumFollowers),
    SheetField("skills", RecordField::Skills),
    SheetField("real_name", RecordField::RealName),
    SheetField("city_state", RecordField::CityState),
    SheetField("misc_info", RecordField::MiscInfo),
    SheetField("email", RecordField::Email),
    SheetField("icq", RecordField::ICQ),
    SheetField("is_pk", RecordField::IsPK),
    SheetField("is_rescue", RecordField::IsRescue),
    SheetField("is_private", RecordField::IsPrivate),
    SheetField("can_summon", RecordField::CanSummon),
    SheetField("main_char", RecordField::MainChar),
    SheetField("awards", RecordField::Awards),
    // Not the sheet's.
    {"patron_id", ZORV_TEXT("Field", "Patron Id"), false}, // the patron's id (add, patron change)
    {"patron_name", ZORV_TEXT("Field", "Patron"), false},  // the patron's name then, to tell a
                                                           // patron gone from an id used again
    {"join_seq", ZORV_TEXT("Field", "Place among Vassals"), false},
    {"security_level", ZORV_TEXT("Field", "Security Level"), false},
    {"member", ZORV_TEXT("Field", "Member"),
     false}, // a whole record, as the dump writes it without its hash
    {"password", ZORV_TEXT("Field", "Password"), false}, // an event: both values always empty
    {"default_password", ZORV_TEXT("Field", "Default Password"), false},
    {"guild_name", ZORV_TEXT("Field", "Guild Name"), false},
    {"use_rescue_squad", ZORV_TEXT("Field", "Use Rescue Squad"), false},
    {"rescue_squad_name", ZORV_TEXT("Field", "Rescue Squad Name"), false},
};

// The fields whose values are events without a value.
inline constexpr const char* kPasswordField = "password";
inline constexpr const char* kDefaultPasswordField = "default_password";
inline constexpr const char* kMemberField = "member";
inline constexpr const char* kPatronNameField = "patron_name";

} // namespace zorv::history
