#pragma once
// Why the server refused a value: the payload of a 991 or 992 names the refusal and its
// parameters after the English sentence, "sentence|refusal|parameter|...", so that a client
// composes the sentence in its user's language from its own translation of the template, and an
// older client shows the sentence (the payload's first field) as before. A parameter is the
// refused value as quoted (cut to 40 characters, "..." after a cut), the caption of what it is
// the value of, or a limit.
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
};

// The table's row of a refusal's number on the wire; null for a number it does not hold (a
// newer server's).
const RefusalText* FindRefusal(long lNumber);

} // namespace zorv
