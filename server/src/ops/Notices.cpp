#include "Notices.h"

#include "CharacterRows.h"
#include "Delivery.h"
#include "NotifyStore.h"

#include "HistoryVocabulary.h"
#include "Numbers.h"
#include "Protocol.h"
#include "Records.h"
#include "ResultCodes.h"
#include "ServerTranslations.h"
#include "Text.h"
#include "Texts.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <utility>

namespace notify {

namespace {

const char* const kKinds[] = {"joins", "departures", "moves", "security", "setup"};

// The sentences a chat message tells a change in. %1, %2, ... stand for names, numbers and the
// phrases below; the translators have them with the client's texts (context "Chat").
const char* const kAdded = ZORV_TEXT("Chat", "%1 added %2 as vassal of %3 (level %4)");
const char* const kRemoved = ZORV_TEXT("Chat", "%1 removed %2%3 from the guild");
const char* const kRemovedVassal =
    ZORV_TEXT("Chat", "%1 removed %2, vassal of %3,%4 from the guild");
const char* const kMoved = ZORV_TEXT("Chat", "%1 moved %2%3 from %4 to %5");
const char* const kMovedFromNone = ZORV_TEXT("Chat", "%1 moved %2%3 from no patron to %4");
const char* const kOneFollower = ZORV_TEXT("Chat", " and 1 follower");
const char* const kFollowers = ZORV_TEXT("Chat", " and %1 followers");
const char* const kMadeAdministrator = ZORV_TEXT("Chat", "%1 made %2 an administrator");
const char* const kMadeMember =
    ZORV_TEXT("Chat", "%1 made %2 a member (no longer an administrator)");
const char* const kSetUp = ZORV_TEXT("Chat", "%1 changed the guild's set-up:%2");
const char* const kNewDefaultPassword = ZORV_TEXT("Chat", " a new default password");
const char* const kSquadOn = ZORV_TEXT("Chat", " the rescue squad on");
const char* const kSquadOff = ZORV_TEXT("Chat", " the rescue squad off");
const char* const kGuildNameFrom = ZORV_TEXT("Chat", " the guild's name from \"%1\" to \"%2\"");
const char* const kSquadNameFrom =
    ZORV_TEXT("Chat", " the rescue squad's name from \"%1\" to \"%2\"");
const char* const kOtherSetting = ZORV_TEXT("Chat", " %1");
const char* const kUndidAddition = ZORV_TEXT("Chat", "%1 undid %2's addition of %3");
const char* const kUndidRemoval = ZORV_TEXT("Chat", "%1 undid %2's removal of %3%4");
const char* const kUndidMove = ZORV_TEXT("Chat", "%1 undid %2's move of %3");
const char* const kUndidLevel = ZORV_TEXT("Chat", "%1 undid %2's security level change of %3");
const char* const kUndidSetup = ZORV_TEXT("Chat", "%1 undid %2's change of the guild's set-up");
const char* const kTestMessage = ZORV_TEXT("Chat", "Test message from ZORV for %1");

// A sentence: its template and what stands for its placeholders. Texts are UTF-8.
struct Phrase;
struct Part {
    enum class Kind { Name, Plain, Phrases } kind;
    std::string strText;         // a name, which each format escapes, or a word or number
    std::vector<Phrase> phrases; // each its own sentence, joined by ";"
};
struct Phrase {
    const char* szTemplate = nullptr;
    std::vector<Part> parts;
};

Part Name(std::string strName) {
    return {Part::Kind::Name, std::move(strName), {}};
}
Part Plain(std::string strText) {
    return {Part::Kind::Plain, std::move(strText), {}};
}
Part Phrases(std::vector<Phrase> phrases) {
    return {Part::Kind::Phrases, {}, std::move(phrases)};
}

// One change as a message tells it.
struct Notice {
    const char* szKind;
    std::string strActor;
    std::string strSubject;
    Phrase sentence;
    std::vector<std::pair<std::string, std::string>> strings; // more JSON fields
    std::vector<std::pair<std::string, std::int64_t>> numbers;
};

std::string Json(const std::string& strUtf8) {
    std::string strOut = "\"";
    for (unsigned char c : strUtf8) {
        if (c == '"' || c == '\\') {
            strOut += '\\';
            strOut += static_cast<char>(c);
        } else if (c < 0x20) {
            const char kHex[] = "0123456789abcdef";
            strOut += "\\u00";
            strOut += kHex[c >> 4];
            strOut += kHex[c & 15];
        } else {
            strOut += static_cast<char>(c);
        }
    }
    return strOut + "\"";
}

const char kZeroWidthSpace[] = "\xe2\x80\x8b";

// A name in Discord's markdown: every character that formats, quotes, spoils or links is
// escaped, "@" is kept from ever starting a mention and "://" from making a link; a line break
// would start a heading or a quote, so there is none.
std::string DiscordName(const std::string& strUtf8) {
    std::string strOut;
    for (std::size_t i = 0; i < strUtf8.size(); ++i) {
        const char c = strUtf8[i];
        if (c == '\r' || c == '\n') {
            strOut += ' ';
        } else if (std::string_view("\\*_~`|>[]()#<:").find(c) != std::string_view::npos) {
            strOut += '\\';
            strOut += c;
        } else {
            strOut += c;
        }
        if (c == '@' || (c == ':' && strUtf8.compare(i + 1, 2, "//") == 0))
            strOut += kZeroWidthSpace;
    }
    return strOut;
}

// Slack reads "&", "<" and ">" as its own control sequences (links, mentions); the message is
// sent with markdown off, so that nothing else in a name formats.
std::string SlackText(const std::string& strUtf8) {
    std::string strOut;
    for (char c : strUtf8) {
        if (c == '&')
            strOut += "&amp;";
        else if (c == '<')
            strOut += "&lt;";
        else if (c == '>')
            strOut += "&gt;";
        else if (c == '\r' || c == '\n')
            strOut += ' ';
        else
            strOut += c;
    }
    return strOut;
}

using Escape = std::string (*)(const std::string&);

// The phrase in the language strLanguage, its names escaped for the format (none: as they are).
std::string Said(const Phrase& phrase, const std::string& strLanguage, Escape escape) {
    std::vector<std::string> params;
    for (const Part& part : phrase.parts) {
        if (part.kind == Part::Kind::Phrases) {
            std::string strJoined;
            for (const Phrase& item : part.phrases)
                strJoined += (strJoined.empty() ? "" : ";") + Said(item, strLanguage, escape);
            params.push_back(std::move(strJoined));
        } else {
            params.push_back(part.kind == Part::Kind::Name && escape ? escape(part.strText)
                                                                     : part.strText);
        }
    }
    return zorv::FillTemplate(lang::Translated(strLanguage, "Chat", phrase.szTemplate), params);
}

std::string Iso(std::time_t at) {
    std::tm tmAt{};
    gmtime_r(&at, &tmAt);
    char szBuffer[32];
    std::strftime(szBuffer, sizeof szBuffer, "%Y-%m-%dT%H:%M:%SZ", &tmAt);
    return szBuffer;
}

// The body for one format. A JSON message carries its delivery id.
std::string Body(const std::string& strFormat, const std::string& strLanguage, const Notice& notice,
                 const std::string& strGuild, std::time_t at, std::int64_t lId) {
    const std::string strWhen = " (" + UtcStamp(at, false) + " UTC)";
    // A test message names the guild in its sentence already.
    const bool bTest = std::string(notice.szKind) == "test";
    if (strFormat == "discord")
        return "{\"content\":" +
               Json((bTest ? "" : "**" + DiscordName(strGuild) + "**: ") +
                    Said(notice.sentence, strLanguage, DiscordName) + strWhen) +
               ",\"allowed_mentions\":{\"parse\":[]}}";
    if (strFormat == "slack")
        return "{\"text\":" +
               Json((bTest ? "" : SlackText(strGuild) + ": ") +
                    Said(notice.sentence, strLanguage, SlackText) + strWhen) +
               ",\"mrkdwn\":false}";
    std::string strBody = "{\"id\":" + std::to_string(lId) + ",\"guild\":" + Json(strGuild) +
                          ",\"kind\":" + Json(notice.szKind) + ",\"at\":" + Json(Iso(at)) +
                          ",\"actor\":" + Json(notice.strActor) +
                          ",\"subject\":" + Json(notice.strSubject) +
                          ",\"text\":" + Json(Said(notice.sentence, strLanguage, nullptr));
    for (const auto& [strKey, strValue] : notice.strings)
        strBody += "," + Json(strKey) + ":" + Json(strValue);
    for (const auto& [strKey, lValue] : notice.numbers)
        strBody += "," + Json(strKey) + ":" + std::to_string(lValue);
    return strBody + "}";
}

bool Wants(const Target& target, const char* szKind) {
    for (const std::string& strKind : SplitList(target.strKinds, ','))
        if (strKind == szKind)
            return true;
    return false;
}

// " and 3 followers", or nothing for none.
Part Followers(int n) {
    if (n < 1)
        return Plain("");
    return Phrases(
        {n == 1 ? Phrase{kOneFollower, {}} : Phrase{kFollowers, {Plain(std::to_string(n))}}});
}

std::string Old(const history::Entry& entry, const char* szField) {
    const history::Change* pChange = history::FindChange(entry.changes, szField);
    return pChange ? pChange->strOld : std::string();
}
std::string New(const history::Entry& entry, const char* szField) {
    const history::Change* pChange = history::FindChange(entry.changes, szField);
    return pChange ? pChange->strNew : std::string();
}

// How the set-up's message names one changed setting.
Phrase SettingPhrase(const history::Change& change) {
    if (change.strField == zorv::history::kDefaultPasswordField)
        return {kNewDefaultPassword, {}};
    if (change.strField == "use_rescue_squad")
        return {change.strNew == "1" ? kSquadOn : kSquadOff, {}};
    if (change.strField == "guild_name")
        return {kGuildNameFrom, {Name(change.strOld), Name(change.strNew)}};
    if (change.strField == "rescue_squad_name")
        return {kSquadNameFrom, {Name(change.strOld), Name(change.strNew)}};
    return {kOtherSetting, {Plain(change.strField)}};
}

// An undo is told as the reverse of what it undid: the undoing of an addition is a departure, of
// a removal a join (with the followers that came back).
template <typename Wanted>
std::optional<Notice> UndoNotice(Call& call, const history::Entry& entry, Notice notice,
                                 const Wanted& wanted) {
    std::optional<history::StoredEntry> undone = history::FindEntry(call.db, entry.lUndoes);
    if (!undone)
        return std::nullopt;
    const std::string strWho = undone->strActor;
    const int nMembers = static_cast<int>(std::count_if(
        entry.changes.begin(), entry.changes.end(), [](const history::Change& change) {
            return change.strField == zorv::history::kMemberField;
        }));
    const char* szTemplate = nullptr;
    switch (undone->kind) {
    case history::Kind::Add:
        notice.szKind = "departures";
        szTemplate = kUndidAddition;
        break;
    case history::Kind::Remove:
        notice.szKind = "joins";
        szTemplate = kUndidRemoval;
        break;
    case history::Kind::Patron:
        notice.szKind = "moves";
        szTemplate = kUndidMove;
        break;
    case history::Kind::Level:
        notice.szKind = "security";
        szTemplate = kUndidLevel;
        break;
    case history::Kind::Setup:
        notice.szKind = "setup";
        notice.strSubject.clear();
        szTemplate = kUndidSetup;
        break;
    default:
        return std::nullopt;
    }
    if (!wanted(notice.szKind))
        return std::nullopt;
    notice.sentence = {szTemplate, {Name(notice.strActor), Name(strWho)}};
    if (!notice.strSubject.empty())
        notice.sentence.parts.push_back(Name(notice.strSubject));
    if (undone->kind == history::Kind::Remove) {
        notice.sentence.parts.push_back(Followers(nMembers - 1));
        notice.numbers = {{"followers", std::max(0, nMembers - 1)}};
    }
    notice.strings = {{"undid", strWho}};
    return notice;
}

// The notice of one change, or none when it is of no kind a chat hears of. What it says of a
// member is what the web roster shows of anyone: the name, and the level.
std::optional<Notice> NoticeOf(Call& call, const history::Entry& entry,
                               const std::vector<Target>& targets) {
    const std::string strActor = call.me.strName;
    const std::string strSubject = entry.strCharacter;
    auto wanted = [&](const char* szKind) {
        return std::any_of(targets.begin(), targets.end(),
                           [&](const Target& target) { return Wants(target, szKind); });
    };
    Notice notice{nullptr, strActor, strSubject, {}, {}, {}};
    switch (entry.kind) {
    case history::Kind::Add: {
        if (!wanted("joins"))
            return std::nullopt;
        const std::string strPatron = New(entry, zorv::history::kPatronNameField);
        std::optional<long> lPatron = zorv::ParseWholeNumber(New(entry, "patron_id"));
        const std::string strLevel =
            lPatron ? ReadColumn(call.db, static_cast<int>(*lPatron), "level") : "0";
        notice.szKind = "joins";
        notice.sentence = {kAdded,
                           {Name(strActor), Name(strSubject), Name(strPatron), Plain(strLevel)}};
        notice.strings = {{"patron", strPatron}};
        notice.numbers = {{"patron_level", std::atoll(strLevel.c_str())}};
        return notice;
    }
    case history::Kind::Remove: {
        if (!wanted("departures"))
            return std::nullopt;
        const std::string strPatron = Old(entry, zorv::history::kPatronNameField);
        notice.szKind = "departures";
        notice.sentence =
            strPatron.empty()
                ? Phrase{kRemoved, {Name(strActor), Name(strSubject), Followers(entry.nFollowers)}}
                : Phrase{kRemovedVassal,
                         {Name(strActor), Name(strSubject), Name(strPatron),
                          Followers(entry.nFollowers)}};
        notice.strings = {{"patron", strPatron}};
        notice.numbers = {{"followers", entry.nFollowers}};
        return notice;
    }
    case history::Kind::Patron: {
        if (!wanted("moves"))
            return std::nullopt;
        const std::string strFrom = Old(entry, zorv::history::kPatronNameField);
        const std::string strTo = New(entry, zorv::history::kPatronNameField);
        const int nFollowers = static_cast<int>(call.store.Branch(entry.iCharacter).size()) - 1;
        notice.szKind = "moves";
        notice.sentence =
            strFrom.empty()
                ? Phrase{kMovedFromNone,
                         {Name(strActor), Name(strSubject), Followers(nFollowers), Name(strTo)}}
                : Phrase{kMoved,
                         {Name(strActor), Name(strSubject), Followers(nFollowers), Name(strFrom),
                          Name(strTo)}};
        notice.strings = {{"from", strFrom}, {"to", strTo}};
        notice.numbers = {{"followers", nFollowers}};
        return notice;
    }
    case history::Kind::Level: {
        const std::string strOld = Old(entry, "security_level");
        const std::string strNew = New(entry, "security_level");
        if (strOld == strNew || !wanted("security"))
            return std::nullopt;
        const bool bAdmin = strNew == std::to_string(zorv::kSecurityAdministrator);
        notice.szKind = "security";
        notice.sentence = {bAdmin ? kMadeAdministrator : kMadeMember,
                           {Name(strActor), Name(strSubject)}};
        notice.strings = {{"level", bAdmin ? "administrator" : "member"}};
        return notice;
    }
    case history::Kind::Setup: {
        if (!wanted("setup") || entry.changes.empty())
            return std::nullopt;
        notice.szKind = "setup";
        notice.strSubject.clear();
        std::string strSettings;
        std::vector<Phrase> settings;
        for (const history::Change& change : entry.changes) {
            strSettings += (strSettings.empty() ? "" : ",") + change.strField;
            settings.push_back(SettingPhrase(change));
        }
        notice.sentence = {kSetUp, {Name(strActor), Phrases(std::move(settings))}};
        notice.strings = {{"settings", strSettings}};
        return notice;
    }
    case history::Kind::Undo:
        return UndoNotice(call, entry, notice, wanted);
    default:
        return std::nullopt;
    }
}

std::string Host(const std::string& strUrl, std::string* pScheme = nullptr) {
    const std::size_t iScheme = strUrl.find("://");
    if (iScheme == std::string::npos)
        return "";
    if (pScheme)
        *pScheme = strUrl.substr(0, iScheme);
    const std::size_t iStart = iScheme + 3;
    const std::size_t iEnd = strUrl.find_first_of("/?#", iStart);
    return strUrl.substr(iStart, iEnd == std::string::npos ? std::string::npos : iEnd - iStart);
}

// The host without its port: "[::1]" stays bracketed.
std::string HostName(const std::string& strHost) {
    if (!strHost.empty() && strHost[0] == '[') {
        const std::size_t iClose = strHost.find(']');
        return iClose == std::string::npos ? strHost : strHost.substr(0, iClose + 1);
    }
    return strHost.substr(0, strHost.find(':'));
}

// Whether what follows the host name is no port, or a port from 1 to 65535.
bool SoundPort(const std::string& strHost) {
    const std::string strRest = strHost.substr(HostName(strHost).size());
    if (strRest.empty())
        return true;
    const std::string strPort = strRest.substr(1);
    if (strRest[0] != ':' || strPort.empty() || strPort.size() > 5 ||
        strPort.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const int nPort = std::stoi(strPort);
    return nPort >= 1 && nPort <= 65535;
}

// A loopback address as an address, never a name a resolver could answer for: 127.0.0.0/8 in
// its four dotted decimal parts (no leading zeros, none above 255), localhost, or [::1].
bool IsLoopback(const std::string& strName) {
    if (strName == "localhost" || strName == "[::1]")
        return true;
    const std::vector<std::string> parts = SplitList(strName, '.');
    if (parts.size() != 4 || parts[0] != "127")
        return false;
    for (const std::string& strPart : parts)
        if (strPart.empty() || strPart.size() > 3 ||
            strPart.find_first_not_of("0123456789") != std::string::npos ||
            (strPart.size() > 1 && strPart[0] == '0') || std::stoi(strPart) > 255)
            return false;
    return true;
}

std::string GuildName(Call& call) {
    return call.store.Setting("guild_name").value_or("");
}

std::string Shown(std::int64_t lEpoch) {
    return lEpoch > 0 ? UtcStamp(static_cast<std::time_t>(lEpoch), true) : std::string();
}

} // namespace

std::string CheckedKinds(const std::string& strKinds) {
    std::vector<std::string> kinds;
    for (const std::string& strPiece : SplitList(Trim(strKinds), ',')) {
        const std::string strKind = Trim(strPiece);
        if (std::find(std::begin(kKinds), std::end(kKinds), strKind) == std::end(kKinds))
            return "";
        if (std::find(kinds.begin(), kinds.end(), strKind) == kinds.end())
            kinds.push_back(strKind);
    }
    std::string strOut;
    for (const std::string& strKind : kinds)
        strOut += (strOut.empty() ? "" : ",") + strKind;
    return strOut;
}

bool IsFormat(const std::string& strFormat) {
    return strFormat == "discord" || strFormat == "slack" || strFormat == "json";
}

bool IsPlainHttp(const std::string& strUrl) {
    std::string strScheme;
    Host(strUrl, &strScheme);
    return strScheme == "http";
}

std::optional<Fault> UrlFault(const std::string& strUrl, bool bPlainLoopback) {
    using R = zorv::Refusal;
    auto Why = [](R why, std::vector<std::string> params = {}) {
        return std::optional<Fault>(Fault{why, std::move(params)});
    };
    if (strUrl.empty())
        return Why(R::NoUrl);
    if (strUrl.size() > kMaxUrlLength)
        return Why(R::UrlTooLong, {std::to_string(kMaxUrlLength)});
    for (unsigned char c : strUrl)
        if (c <= 0x20 || c >= 0x7f)
            return Why(R::UrlUnsafeCharacter);
    std::string strScheme;
    const std::string strHost = Host(strUrl, &strScheme);
    if (strScheme != "https" && strScheme != "http")
        return Why(R::UrlScheme);
    if (HostName(strHost).empty())
        return Why(R::UrlNoHost);
    if (strHost.find('@') != std::string::npos)
        return Why(R::UrlCredentials);
    if (!SoundPort(strHost))
        return Why(R::UrlPort, {"1", "65535"});
    if (strScheme == "http" && !IsLoopback(HostName(strHost)))
        return Why(R::UrlPlainElsewhere);
    if (strScheme == "http" && !bPlainLoopback)
        return Why(R::UrlPlainNotAllowed);
    return std::nullopt;
}

std::string StatusOnly(const std::string& strResult) {
    if (strResult.rfind("HTTP ", 0) != 0)
        return strResult;                             // no answer, and why
    return strResult.substr(0, strResult.find(": ")); // Describe's status, and its note
}

std::string MaskedUrl(const std::string& strUrl) {
    std::string strScheme;
    const std::string strHost = Host(strUrl, &strScheme);
    if (strHost.empty() || strHost.find('@') != std::string::npos)
        return "..."; // nothing of a URL that would not be taken
    return strScheme + "://" + strHost + "/...";
}

int WriteNotices(Call& call) {
    if (call.changes.empty() && call.undone.empty())
        return 0;
    const std::vector<Target> targets = ListTargets(call.db);
    if (targets.empty())
        return 0;
    const std::time_t at = std::time(nullptr);
    std::string strGuild;
    std::vector<NewMessage> messages;
    std::int64_t lNextId = 0;
    for (const std::vector<history::Entry>* pEntries : {&call.changes, &call.undone}) {
        for (const history::Entry& entry : *pEntries) {
            std::optional<Notice> notice = NoticeOf(call, entry, targets);
            if (!notice)
                continue;
            if (lNextId == 0) // the guild's name as it is after the change (a set-up's new one)
                lNextId = NextMessageId(call.db, strGuild);
            for (const Target& target : targets) {
                if (!Wants(target, notice->szKind))
                    continue;
                messages.push_back(
                    {lNextId, target.id,
                     Body(target.strFormat, target.strLanguage, *notice, strGuild, at, lNextId)});
                ++lNextId;
            }
        }
    }
    Enqueue(call.db, messages, at);
    return static_cast<int>(messages.size());
}

std::string TestBody(const Target& target, const std::string& strGuild) {
    Notice notice{"test", "", "", {kTestMessage, {Name(strGuild)}}, {}, {}};
    return Body(target.strFormat, target.strLanguage, notice, strGuild, std::time(nullptr), 0);
}

Reply NotifyTargetsOp(Call& call) {
    const std::int64_t lNow = std::time(nullptr);
    std::string strPayload;
    for (const Target& target : ListTargets(call.db)) {
        const bool bFailing = target.lFailingSince > 0 && lNow - target.lFailingSince >= 86400;
        strPayload +=
            zorv::JoinRecord({std::to_string(target.id), target.strFormat, target.strKinds,
                              MaskedUrl(target.strUrl), bFailing ? Shown(target.lFailingSince) : "",
                              std::to_string(target.nQueued), std::to_string(target.nDropped),
                              StatusOnly(target.strLastResult), target.strLanguage});
    }
    return Ok(strPayload);
}

std::optional<Fault> FullFault(Database& db) {
    if (CountTargets(db) < kMaxTargets)
        return std::nullopt;
    return Fault{zorv::Refusal::TooManyTargets, {std::to_string(kMaxTargets)}};
}

Reply NotifyAddOp(Call& call) {
    const std::string strUrl = Trim(FormValue(call.form, zorv::form::kUrl));
    const std::string strFormat = Trim(FormValue(call.form, zorv::form::kFormat));
    const std::string strKinds = CheckedKinds(FormValue(call.form, zorv::form::kKinds));
    const std::string strLanguage = HasField(call.form, zorv::form::kLanguage)
                                        ? Trim(FormValue(call.form, zorv::form::kLanguage))
                                        : std::string("en");
    if (std::optional<Fault> fault = UrlFault(strUrl, call.options.bPlainLoopback))
        return RefuseValue(zorv::CodeNotifyInvalidUrl, *fault);
    if (!IsFormat(strFormat))
        return {zorv::CodeNotifyInvalidFormat, ""};
    if (strKinds.empty())
        return {zorv::CodeNotifyInvalidKinds, ""};
    if (!lang::Known(strLanguage))
        return {zorv::CodeNotifyInvalidLanguage, ""};
    if (std::optional<Fault> fault = FullFault(call.db))
        return RefuseValue(zorv::CodeNotifyInvalidUrl, *fault);
    return Ok(std::to_string(AddTarget(call.db, strUrl, strFormat, strKinds, strLanguage)));
}

Reply NotifyRemoveOp(Call& call) {
    std::optional<int> id = IdField(call.form, zorv::form::kTarget);
    if (!id || !RemoveTarget(call.db, *id))
        return {zorv::CodeNotifyNoSuchTarget, ""};
    return Ok();
}

Reply NotifyTestOp(Call& call) {
    std::optional<int> id = IdField(call.form, zorv::form::kTarget);
    std::optional<Target> target = id ? FindTarget(call.db, *id) : std::nullopt;
    if (!target)
        return {zorv::CodeNotifyNoSuchTarget, ""};
    // A receiver on this machine in plain http:// is any local service: an administrator may
    // reach one only where the operator allows it, and sees no more of any answer than its
    // status.
    if (IsPlainHttp(target->strUrl) && !call.options.bPlainLoopback)
        return RefuseValue(zorv::CodeNotifyTestFailed,
                           Fault{zorv::Refusal::PlainTestNotAllowed, {}});
    PostResult result = Post(target->strUrl, TestBody(*target, GuildName(call)), "test", {5, 10});
    const std::string strWhat = StatusOnly(Describe(result));
    if (Classify(result) != Outcome::Delivered)
        return RefuseValue(zorv::CodeNotifyTestFailed, strWhat);
    return Ok(zorv::JoinFields({strWhat}));
}

} // namespace notify
