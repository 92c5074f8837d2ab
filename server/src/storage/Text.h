#pragma once
// Text helpers for the server. Inside the server every text is UTF-8: the database's, the
// operations', the web's and the notifications'. The wire's Latin-1 (one byte a character) is
// met only at the borders, where Latin1.h converts: the request form and the reply
// (ops/Guild.cpp), the dump file (main.cpp) and the password hash (Passwords.cpp). A text that came
// from the wire holds no character past U+00FF, so its length in characters is its length in the
// wire's bytes. Names are compared without regard to case through NameKey.
#include "Refusals.h"

#include <cstddef>
#include <ctime>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The number of characters of a UTF-8 text: the bytes it takes on the wire.
std::size_t TextLength(std::string_view strText);
// Its first nCharacters characters, never cutting one in two.
std::string CutText(std::string_view strText, std::size_t nCharacters);

std::string Trim(std::string_view strText);
// The lower-case form of a name, for lookups that ignore case: A to Z and the Latin-1 capitals
// (U+00C0 to U+00DE but the multiplication sign) are lowered, nothing else.
std::string NameKey(std::string_view strName);

// A character name: 1 to 24 characters, letters (Latin-1 letters included), blanks,
// apostrophes and hyphens, not blank. strName is already trimmed.
bool IsValidName(std::string_view strName);
// Names the client uses as markers of its own ("Unknown", "None", ...), in any case.
bool IsReservedName(std::string_view strName);

// The text less every reply marker ("<START_HERE>", "<STOP_HERE>"), which would cut a reply short
// if a payload echoed it.
std::string WithoutMarkers(std::string strText);
// Text that is stored and later sent inside a reply may hold neither marker: the client cuts the
// payload out by them alone.
bool HoldsMarker(const std::string& strText);
// A value as a sentence for the member who sent it quotes it: without reply markers, cut to 40
// characters and "...".
std::string Quoted(const std::string& strValue);

// A refused value: why, and the parameters its sentence names (Refusals.h).
struct Fault {
    zorv::Refusal why;
    std::vector<std::string> params;
};
// The fault's sentence in English, e.g. "The value '12.5' of Sword is not a whole number".
std::string English(const Fault& fault);

// Which number of a request a fault names.
enum class Quantity { Value, SkillNumber, Training, Minimum };
// Why a value (blanks around it allowed) is not a whole number from lLow to lHigh: the fault that
// names it as the `what` of strOf (Value of "Sword"), or nothing when it is one.
std::optional<Fault> WholeNumberFault(const std::string& strValue, Quantity what,
                                      const std::string& strOf, long lLow, long lHigh);

// Splits "a,b,c" into its pieces; an empty text gives no piece.
std::vector<std::string> SplitList(std::string_view strText, char cSeparator);

// The request body "name=value&..." with each value unescaped and read as Latin-1 into UTF-8; a
// later duplicate wins.
std::map<std::string, std::string> ParseForm(std::string_view strBody);

// The current UTC time as "YYYY-MM-DD HH:MM".
std::string NowStamp();
// A UTC time as "YYYY-MM-DD HH:MM", or with ":SS" as well.
std::string UtcStamp(std::time_t at, bool bSeconds);
