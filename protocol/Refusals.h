#pragma once
// Why the server refused a value (991, 992), an undo (1063) or a chat target (1080, 1084): the
// payload names the refusal and its parameters after the English sentence,
// "sentence|refusal|parameter|...", so that a client composes the sentence in its user's language
// from its own translation of the template, and an older client shows the sentence (the payload's
// first field) as before. A parameter is the refused value as quoted (cut to 40 characters, "..."
// after a cut), the caption of what it is the value of (for an undo, a history field's or setting's
// name, as HistoryVocabulary.h names it), a name or a number.
#include "Texts.h"

#include <string>
#include <string_view>
#include <vector>

namespace zorv {

enum class Refusal {
    ValueNotWhole = 1,
    ValueNotBetween,
    SkillNumberNotWhole,
    SkillNumberNotBetween,
    TrainingNotWhole,
    TrainingNotBetween,
    MinimumNotWhole,
    MinimumNotBetween,
    NotAName,
    ReservedName,
    TextTooLong,
    HoldsMarker,
    NotAFlag,
    ListTooLong,
    SkillTwice,
    NotASkillEntry,
    NotASearchEntry,
    NotAcceptable,
    // Why an undo (119) cannot be made: 1063's payload.
    NoLongerInGuild,
    NowCalled,
    PatronGone,
    PatronFull,
    ChangedSince,
    OldValueUnfit,
    NameTaken,
    OnlyAdministrator,
    NothingToPutBack,
    OwnLogin,
    MovedToAnotherPatron,
    HasVassalsNow,
    SavedSince,
    MadeAdministratorSince,
    NoRemovedRecord,
    NoRoom,
    IdTaken,
    NoPlaceKnown,
    MovedAgain,
    OldPatronBelow,
    SettingChangedSince,
    DefaultPasswordStays,
    // Why a chat target's address is refused (124): 1080's payload.
    NoUrl,
    UrlTooLong,
    UrlUnsafeCharacter,
    UrlScheme,
    UrlNoHost,
    UrlCredentials,
    UrlPort,
    UrlPlainElsewhere,
    UrlPlainNotAllowed,
    TooManyTargets,
    // Why a test message did not reach its target (126): 1084's payload.
    PlainTestNotAllowed,
};

struct RefusalText {
    Refusal refusal;
    const char* szEnglish; // %1, %2, ... stand for the parameters in their order
    int iCaption;          // which parameter (from 1) is a caption to translate; 0 none
};

inline constexpr RefusalText kRefusalTexts[] = {
    {Refusal::ValueNotWhole, ZORV_TEXT("Refusal", "The value '%1' of %2 is not a whole number"), 2},
    {Refusal::ValueNotBetween,
     ZORV_TEXT("Refusal", "The value '%1' of %2 is not between %3 and %4"), 2},
    {Refusal::SkillNumberNotWhole,
     ZORV_TEXT("Refusal", "The skill number '%1' of %2 is not a whole number"), 2},
    {Refusal::SkillNumberNotBetween,
     ZORV_TEXT("Refusal", "The skill number '%1' of %2 is not between %3 and %4"), 2},
    {Refusal::TrainingNotWhole,
     ZORV_TEXT("Refusal", "The training '%1' of %2 is not a whole number"), 2},
    {Refusal::TrainingNotBetween,
     ZORV_TEXT("Refusal", "The training '%1' of %2 is not between %3 and %4"), 2},
    {Refusal::MinimumNotWhole, ZORV_TEXT("Refusal", "The minimum '%1' of %2 is not a whole number"),
     2},
    {Refusal::MinimumNotBetween,
     ZORV_TEXT("Refusal", "The minimum '%1' of %2 is not between %3 and %4"), 2},
    {Refusal::NotAName, ZORV_TEXT("Refusal", "The value '%1' of %2 is not a valid name"), 2},
    {Refusal::ReservedName, ZORV_TEXT("Refusal", "The value '%1' of %2 is a reserved name"), 2},
    {Refusal::TextTooLong, ZORV_TEXT("Refusal", "The value '%1' of %2 is longer than %3 bytes"), 2},
    {Refusal::HoldsMarker, ZORV_TEXT("Refusal", "The value of %1 holds a reply marker"), 1},
    {Refusal::NotAFlag, ZORV_TEXT("Refusal", "The value '%1' of %2 is not 0 or 1"), 2},
    {Refusal::ListTooLong, ZORV_TEXT("Refusal", "The value of %1 is longer than %2 bytes"), 1},
    {Refusal::SkillTwice, ZORV_TEXT("Refusal", "%1 comes twice in %2"), 2},
    {Refusal::NotASkillEntry,
     ZORV_TEXT("Refusal", "The entry '%1' of %2 is not skill,training,value"), 2},
    {Refusal::NotASearchEntry, ZORV_TEXT("Refusal", "The entry '%1' of %2 is not skill,minimum"),
     2},
    {Refusal::NotAcceptable, ZORV_TEXT("Refusal", "The value '%1' of %2 is not acceptable"), 2},
    {Refusal::NoLongerInGuild, ZORV_TEXT("Refusal", "%1 is no longer in the guild"), 0},
    {Refusal::NowCalled, ZORV_TEXT("Refusal", "%1 is now %2"), 0},
    {Refusal::PatronGone, ZORV_TEXT("Refusal", "%1, %2's patron, is no longer in the guild"), 0},
    {Refusal::PatronFull, ZORV_TEXT("Refusal", "%1 has %2 vassals, the most the guild allows"), 0},
    {Refusal::ChangedSince, ZORV_TEXT("Refusal", "the %1 of %2 has been changed since"), 1},
    {Refusal::OldValueUnfit, ZORV_TEXT("Refusal", "the entry's old %1 is not %2"), 1},
    {Refusal::NameTaken, ZORV_TEXT("Refusal", "the name %1 has been taken since"), 0},
    {Refusal::OnlyAdministrator, ZORV_TEXT("Refusal", "%1 is the guild's only administrator"), 0},
    {Refusal::NothingToPutBack,
     ZORV_TEXT("Refusal", "the entry changed nothing that can be put back"), 0},
    {Refusal::OwnLogin, ZORV_TEXT("Refusal", "nobody removes their own login"), 0},
    {Refusal::MovedToAnotherPatron, ZORV_TEXT("Refusal", "%1 has moved to another patron since"),
     0},
    {Refusal::HasVassalsNow, ZORV_TEXT("Refusal", "%1 has vassals now"), 0},
    {Refusal::SavedSince, ZORV_TEXT("Refusal", "%1's record has been saved since"), 0},
    {Refusal::MadeAdministratorSince,
     ZORV_TEXT("Refusal", "%1 has been made an administrator since"), 0},
    {Refusal::NoRemovedRecord, ZORV_TEXT("Refusal", "the entry holds no removed record"), 0},
    {Refusal::NoRoom, ZORV_TEXT("Refusal", "the guild has no room for %1 members"), 0},
    {Refusal::IdTaken, ZORV_TEXT("Refusal", "the id %1 of %2 belongs to %3 now"), 0},
    {Refusal::NoPlaceKnown, ZORV_TEXT("Refusal", "the entry does not say where %1 was"), 0},
    {Refusal::MovedAgain, ZORV_TEXT("Refusal", "%1 has moved again since"), 0},
    {Refusal::OldPatronBelow, ZORV_TEXT("Refusal", "the old patron is now among %1's followers"),
     0},
    {Refusal::SettingChangedSince, ZORV_TEXT("Refusal", "the setting %1 has been changed since"),
     1},
    {Refusal::DefaultPasswordStays, ZORV_TEXT("Refusal", "a new default password cannot be undone"),
     0},
    {Refusal::NoUrl, ZORV_TEXT("Refusal", "no URL"), 0},
    {Refusal::UrlTooLong, ZORV_TEXT("Refusal", "the URL is longer than %1 characters"), 0},
    {Refusal::UrlUnsafeCharacter,
     ZORV_TEXT("Refusal", "the URL holds a blank, a control character or a letter outside ASCII"),
     0},
    {Refusal::UrlScheme, ZORV_TEXT("Refusal", "the URL must begin with https://"), 0},
    {Refusal::UrlNoHost, ZORV_TEXT("Refusal", "the URL names no host"), 0},
    {Refusal::UrlCredentials,
     ZORV_TEXT("Refusal", "the URL must not carry a user name or password"), 0},
    {Refusal::UrlPort, ZORV_TEXT("Refusal", "the URL's port must be a number from %1 to %2"), 0},
    {Refusal::UrlPlainElsewhere,
     ZORV_TEXT("Refusal", "http:// is for a receiver on this machine only (127.0.0.1, localhost, "
                          "[::1]); use https://"),
     0},
    {Refusal::UrlPlainNotAllowed,
     ZORV_TEXT("Refusal", "this server takes no http:// receivers; use https:// (its operator may "
                          "allow receivers on its own machine)"),
     0},
    {Refusal::TooManyTargets,
     ZORV_TEXT("Refusal", "the guild sends to at most %1 targets; remove one first"), 0},
    {Refusal::PlainTestNotAllowed,
     ZORV_TEXT("Refusal", "this server takes no http:// receivers; use https://"), 0},
};

// The table's row of a refusal's number on the wire; null for a number it does not hold (a
// newer server's).
const RefusalText* FindRefusal(long lNumber);

} // namespace zorv
