#pragma once
// Text helpers for the server. Request and reply text is Latin-1 (one byte a character); the
// database holds UTF-8. Names are compared without regard to case through NameKey.
#include <ctime>
#include <map>
#include <string>
#include <string_view>
#include <vector>

std::string Latin1ToUtf8(std::string_view strLatin1);
// Characters beyond Latin-1 become "?".
std::string Utf8ToLatin1(std::string_view strUtf8);

std::string Trim(std::string_view strText);
// The lower-case form of a Latin-1 name, for lookups that ignore case.
std::string NameKey(std::string_view strLatin1);

// A character name: 1 to 24 characters, letters (Latin-1 letters included), blanks,
// apostrophes and hyphens, not blank. strName is Latin-1, already trimmed.
bool IsValidName(std::string_view strName);
// Names the client uses as markers of its own ("Unknown", "None", ...), in any case.
bool IsReservedName(std::string_view strName);

// The text less every reply marker ("<START_HERE>", "<STOP_HERE>"), which would cut a reply short
// if a payload echoed it.
std::string WithoutMarkers(std::string strText);
// Text that is stored and later sent inside a reply may hold neither marker: the client cuts the
// payload out by them alone.
bool HoldsMarker(const std::string& strText);
// A value quoted in a sentence for the member who sent it: 'value', without reply markers, cut to
// 40 bytes and "...".
std::string Quoted(const std::string& strValue);
// Why a value (blanks around it allowed) is not a whole number from lLow to lHigh, as a sentence
// that names it, e.g. "The value '12.5' of Sword is not a whole number" (szWhat "value", strOf
// "Sword"); an empty text when it is one.
std::string WholeNumberFault(const std::string& strValue, const char* szWhat,
                             const std::string& strOf, long lLow, long lHigh);

// Splits "a,b,c" into its pieces; an empty text gives no piece.
std::vector<std::string> SplitList(std::string_view strText, char cSeparator);

// The request body "name=value&..." with each value unescaped; a later duplicate wins.
std::map<std::string, std::string> ParseForm(std::string_view strBody);

// The current UTC time as "YYYY-MM-DD HH:MM".
std::string NowStamp();
// A UTC time as "YYYY-MM-DD HH:MM", or with ":SS" as well.
std::string UtcStamp(std::time_t at, bool bSeconds);
