#include "WebRoster.h"

#include "CharacterRows.h"
#include "Database.h"
#include "Escape.h"
#include "Numbers.h"
#include "Records.h"
#include "ServerTranslations.h"
#include "Skills.h"
#include "Store.h"
#include "Text.h"
#include "TreeRecord.h"
#include "WebAssets.h"
#include "WebPages.h"

#include <cstdio>
#include <map>
#include <sys/stat.h>
#include <zlib.h>

const char WebRoster::kContentSecurityPolicy[] =
    "default-src 'none'; script-src 'self'; style-src 'self'; img-src 'self'; "
    "base-uri 'self'; form-action 'none'; frame-ancestors 'none'";

struct WebRoster::Snapshot {
    std::string strKey; // what the pages depend on; equal keys, equal pages
    std::shared_ptr<const WebGuild> pGuild;
    std::map<std::string, Page> pages;
};

namespace {

const char kHtml[] = "text/html; charset=utf-8";
const char kRevalidate[] = "no-cache";

std::string Hex(std::uint64_t lValue) {
    char szText[17];
    std::snprintf(szText, sizeof szText, "%016llx", static_cast<unsigned long long>(lValue));
    return szText;
}

std::uint64_t Fnv1a(std::string_view strText) {
    std::uint64_t lHash = 1469598103934665603ull;
    for (unsigned char c : strText) {
        lHash ^= c;
        lHash *= 1099511628211ull;
    }
    return lHash;
}

std::optional<int> MemberId(std::string_view strText) {
    if (strText.empty() || strText.size() > 5 || strText[0] == '0')
        return std::nullopt;
    int id = 0;
    for (char c : strText) {
        if (c < '0' || c > '9')
            return std::nullopt;
        id = id * 10 + (c - '0');
    }
    return id <= 32767 ? std::optional<int>(id) : std::nullopt;
}

// The guild's names as the pages show them, and a digest of them for the ETags.
struct Names {
    std::string strGuild, strSquad;
    bool bSquad = false;
    std::string Digest() const {
        return Hex(Fnv1a(strGuild + '\n' + strSquad + '\n' + (bSquad ? "1" : "0")));
    }
};

Names ReadNames(Database& db) {
    Store store(db);
    Names names;
    names.strGuild = store.Setting("guild_name").value_or("");
    names.strSquad = store.Setting("rescue_squad_name").value_or("");
    names.bSquad = store.Setting("use_rescue_squad").value_or("") == "1";
    return names;
}

struct Extra {
    int iRace, iSex;
    bool bPrivate;
};

// The roster from a tree payload, with what the payload does not carry from extras.
void ReadPayload(const std::string& strPayload, const std::unordered_map<int, Extra>& extras,
                 WebGuild& guild) {
    std::vector<std::string_view> fields;
    zorv::ForEachRecord(strPayload, [&](std::string_view strRecord) {
        zorv::FieldViews(strRecord, fields);
        if (fields.size() < zorv::kTreeFieldCount)
            return;
        auto Field = [&](zorv::TreeField field) { return fields[zorv::At(field)]; };
        auto Number = [&](zorv::TreeField field) {
            return zorv::ReadInt16(std::string(Field(field)));
        };
        WebMember member;
        member.id = Number(zorv::TreeField::Id);
        member.strName = zorv::UnescapeValue(Field(zorv::TreeField::Name));
        member.iLevel = Number(zorv::TreeField::Level);
        member.iPatron = Number(zorv::TreeField::Patron);
        for (const std::string& strId : SplitList(Field(zorv::TreeField::Vassals), ','))
            member.vassals.push_back(zorv::ReadInt16(strId));
        member.bMule = Field(zorv::TreeField::Mule) == "1";
        member.bPK = Field(zorv::TreeField::PK) == "1";
        member.bRescue = Field(zorv::TreeField::Rescue) == "1";
        auto extra = extras.find(member.id);
        if (extra != extras.end()) {
            member.iRace = extra->second.iRace;
            member.iSex = extra->second.iSex;
            member.bPrivate = extra->second.bPrivate;
        } else {
            member.bPrivate = true; // not seen beside the payload: show no more than the tree
        }
        guild.members.push_back(std::move(member));
    });
}

bool ListsTag(const std::string& strIfNoneMatch, const std::string& strTag) {
    for (const std::string& strPiece : SplitList(strIfNoneMatch, ',')) {
        std::string strEntry = Trim(strPiece);
        if (strEntry.rfind("W/", 0) == 0)
            strEntry = strEntry.substr(2);
        if (strEntry == "*" || strEntry == strTag)
            return true;
    }
    return false;
}

std::vector<ListRow> ListRows(Database& db, WebList list) {
    std::vector<ListRow> rows;
    CharacterFilter shown;
    shown.bPublic = true;
    const zorv::GuildList& table = TableOf(list);
    if (table.flag == zorv::RecordField::Count) { // the trade skills
        shown.bWithSkills = true;
        ForEachCharacter(db, {"id", "skills"}, shown, [&](const std::vector<std::string>& values) {
            std::optional<std::vector<long>> skills = TradeSkillListValues(values[1]);
            if (!skills)
                return;
            ListRow row{std::stoi(values[0]), "", {}};
            for (std::size_t i = 0; i < table.nColumns; ++i)
                if (table.pColumns[i].szWebKey)
                    row.cells.push_back(std::to_string((*skills)[i]));
            rows.push_back(std::move(row));
        });
        return rows;
    }
    shown.szFlag = ColumnOf(table.flag)->szName;
    std::vector<std::string> columns = {"id"};
    std::vector<bool> flags; // of each column after the id: a flag shown as Yes or No
    for (std::size_t i = 0; i < table.nColumns; ++i)
        if (const zorv::ListColumn& column = table.pColumns[i]; column.szWebKey) {
            columns.push_back(ColumnOf(column.field)->szName);
            flags.push_back(zorv::FieldInfo(column.field).kind == zorv::RecordKind::Flag);
        }
    ForEachCharacter(db, columns, shown, [&](const std::vector<std::string>& values) {
        ListRow row{std::stoi(values[0]), "", {}};
        for (std::size_t i = 1; i < values.size(); ++i)
            row.cells.push_back(flags[i - 1] ? (values[i] == "1" ? "Yes" : "No") : values[i]);
        rows.push_back(std::move(row));
    });
    return rows;
}

} // namespace

std::string Gzip(const std::string& strText) {
    z_stream stream{};
    if (deflateInit2(&stream, 6, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::runtime_error("zlib cannot start");
    std::string strOut(deflateBound(&stream, strText.size()), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(strText.data()));
    stream.avail_in = static_cast<uInt>(strText.size());
    stream.next_out = reinterpret_cast<Bytef*>(strOut.data());
    stream.avail_out = static_cast<uInt>(strOut.size());
    int iResult = deflate(&stream, Z_FINISH);
    strOut.resize(stream.total_out);
    deflateEnd(&stream);
    if (iResult != Z_STREAM_END)
        throw std::runtime_error("zlib cannot compress the page");
    return strOut;
}

std::string PageLanguage(const std::string& strAcceptLanguage) {
    std::string strBest = "en";
    double dBest = 0;
    for (const std::string& strPiece : SplitList(strAcceptLanguage, ',')) {
        std::vector<std::string> parts = SplitList(strPiece, ';');
        if (parts.empty())
            continue;
        // "de-AT" asks for German as "de" does.
        const std::string strTag = NameKey(Trim(parts[0]));
        const std::string strCode = strTag.substr(0, strTag.find('-'));
        double dQuality = 1;
        for (std::size_t i = 1; i < parts.size(); ++i) {
            std::string strParam = Trim(parts[i]);
            if (strParam.rfind("q=", 0) == 0)
                dQuality = std::strtod(strParam.c_str() + 2, nullptr);
        }
        if (lang::Known(strCode) && dQuality > dBest) {
            strBest = strCode;
            dBest = dQuality;
        }
    }
    return strBest;
}

bool AcceptsGzip(const std::string& strAcceptEncoding) {
    for (const std::string& strPiece : SplitList(strAcceptEncoding, ',')) {
        std::vector<std::string> parts = SplitList(strPiece, ';');
        if (parts.empty())
            continue;
        std::string strName = NameKey(Trim(parts[0]));
        if (strName != "gzip" && strName != "x-gzip")
            continue;
        bool bRefused = false;
        for (std::size_t i = 1; i < parts.size(); ++i) {
            std::string strParam = Trim(parts[i]);
            if (strParam.rfind("q=", 0) == 0)
                bRefused = std::strtod(strParam.c_str() + 2, nullptr) <= 0;
        }
        return !bRefused;
    }
    return false;
}

WebRoster::WebRoster(std::string strDbPath, std::string strBase)
    : m_strDbPath(std::move(strDbPath)), m_strBase(std::move(strBase)) {}

WebRoster::~WebRoster() = default;

Database& WebRoster::Connection() {
    struct stat info {};
    if (stat(m_strDbPath.c_str(), &info) != 0)
        throw DbError("the guild file " + m_strDbPath + " cannot be found");
    std::pair<unsigned long, unsigned long> identity{info.st_dev, info.st_ino};
    if (!m_pDb || identity != m_fileIdentity) {
        m_pDb.reset();
        m_pDb = std::make_unique<Database>(OpenGuildDatabase(m_strDbPath, false));
        m_fileIdentity = identity;
        m_lDataVersion = -1;
    }
    return *m_pDb;
}

std::shared_ptr<WebRoster::Snapshot> WebRoster::Current() {
    Database& db = Connection();
    // Changes by any other connection, in this process or another, move data_version; this
    // connection itself only reads the characters.
    long long lVersion = db.DataVersion();
    if (m_pSnapshot && lVersion == m_lDataVersion)
        return m_pSnapshot;

    std::optional<TreeCache::Built> toKeep;
    std::shared_ptr<Snapshot> pSnapshot;
    {
        Transaction tx(db, Transaction::Kind::Read);
        // Revisions only grow, and a member joining or leaving moves the tree's generation, so
        // the sum of the revisions with the generation changes whenever a page could.
        std::unordered_map<int, Extra> extras;
        std::int64_t lRevisions = 0;
        ForEachCharacter(
            db, {"id", "race", "sex", "is_private", "revision"}, {},
            [&](const std::vector<std::string>& values) {
                extras.emplace(std::stoi(values[0]),
                               Extra{std::stoi(values[1]), std::stoi(values[2]), values[3] == "1"});
                lRevisions += std::stoll(values[4]);
            });
        Names names = ReadNames(db);
        std::string strKey = std::to_string(TreeGeneration(db)) + "." + std::to_string(lRevisions) +
                             "." + std::to_string(extras.size()) + "." + names.Digest();
        if (m_pSnapshot && m_pSnapshot->strKey == strKey) {
            m_lDataVersion = lVersion;
            return m_pSnapshot;
        }
        std::shared_ptr<const std::string> pPayload = m_treeCache.Payload(db, toKeep);
        auto pGuild = std::make_shared<WebGuild>();
        pGuild->strGuildName = names.strGuild;
        pGuild->strSquadName = names.strSquad;
        pGuild->bRescueSquad = names.bSquad;
        ReadPayload(*pPayload, extras, *pGuild);
        pGuild->Complete();
        pSnapshot = std::make_shared<Snapshot>();
        pSnapshot->strKey = strKey;
        pSnapshot->pGuild = std::move(pGuild);
    }
    if (toKeep)
        TreeCache::Keep(db, *toKeep);
    m_pSnapshot = pSnapshot;
    m_lDataVersion = lVersion;
    return pSnapshot;
}

WebRoster::Page WebRoster::GuildPage(const std::string& strRoute, const std::string& strLanguage) {
    std::shared_ptr<Snapshot> pSnapshot = Current();
    const std::string strKey = strRoute + "-" + strLanguage;
    auto found = pSnapshot->pages.find(strKey);
    if (found != pSnapshot->pages.end())
        return found->second;
    const WebGuild& guild = *pSnapshot->pGuild;
    std::string strHtml;
    if (strRoute == "tree")
        strHtml = TreePage(guild, m_strBase, std::nullopt, strLanguage);
    else if (strRoute == "members")
        strHtml = MemberListPage(guild, m_strBase, strLanguage);
    else if (strRoute == "rescue")
        strHtml = ListPage(guild, m_strBase, WebList::Rescue, ListRows(*m_pDb, WebList::Rescue),
                           strLanguage);
    else if (strRoute == "portals")
        strHtml = ListPage(guild, m_strBase, WebList::Portals, ListRows(*m_pDb, WebList::Portals),
                           strLanguage);
    else
        strHtml = ListPage(guild, m_strBase, WebList::TradeSkills,
                           ListRows(*m_pDb, WebList::TradeSkills), strLanguage);
    Page page{strKey + "-" + Hex(Fnv1a(pSnapshot->strKey)),
              std::make_shared<const std::string>(std::move(strHtml)), nullptr};
    pSnapshot->pages[strKey] = page;
    return page;
}

std::optional<WebReply> WebRoster::MemberReply(const WebRequest& request, int id) {
    const std::string strLanguage = PageLanguage(request.strAcceptLanguage);
    Database& db = Connection();
    std::string strTag;
    PublicSheet sheet;
    int iRace = 0, iSex = 0;
    bool bPrivate = true;
    {
        Transaction tx(db, Transaction::Kind::Read);
        // Only the columns a page may show are read: real-life and contact details never are.
        std::vector<std::string> row =
            ReadColumns(db, id,
                        {"revision", "is_private", "race", "sex", "rank", "class", "mule_for",
                         "lifestone", "tied_to", "bio", "main_char", "awards", "can_summon",
                         "num_followers", "modified_at", "skills"});
        if (row.empty())
            return std::nullopt;
        auto Int = [&row](int i) { return std::stoi(row[i]); };
        // The page shows the member's own row, and names and ranks from the tree.
        strTag = "m" + std::to_string(id) + "-" + strLanguage + "-" + row[0] + "-" +
                 std::to_string(TreeGeneration(db)) + "-" + ReadNames(db).Digest();
        bPrivate = Int(1) == 1;
        iRace = Int(2);
        iSex = Int(3);
        sheet.iRank = Int(4);
        sheet.strClass = row[5];
        sheet.strMuleFor = row[6];
        sheet.strLifestone = row[7];
        sheet.strTiedTo = row[8];
        sheet.strBio = row[9];
        sheet.strMainChar = row[10];
        sheet.strAwards = row[11];
        sheet.bCanSummon = Int(12) == 1;
        sheet.nFollowersEntered = Int(13);
        sheet.strModifiedAt = row[14];
        if (std::optional<SkillMap> skills = ParseSkillString(row[15]))
            for (const auto& [iSkill, entry] : *skills)
                if (entry.iTraining >= 1)
                    sheet.skills.push_back({iSkill, {entry.iTraining, entry.lValue}});
    }
    Page page{strTag, nullptr, nullptr};
    if (ListsTag(request.strIfNoneMatch, "\"" + strTag + "\"") ||
        ListsTag(request.strIfNoneMatch, "\"" + strTag + "-gz\"")) {
        page.pPlain = std::make_shared<const std::string>();
        return Send(request, page, kHtml, kRevalidate, strLanguage);
    }
    std::shared_ptr<Snapshot> pSnapshot = Current();
    const WebMember* pMember = pSnapshot->pGuild->Find(id);
    if (!pMember)
        return std::nullopt;
    WebMember member = *pMember;
    member.iRace = iRace;
    member.iSex = iSex;
    member.bPrivate = bPrivate;
    page.pPlain = std::make_shared<const std::string>(MemberPage(
        *pSnapshot->pGuild, m_strBase, member,
        bPrivate ? std::nullopt : std::optional<PublicSheet>(std::move(sheet)), strLanguage));
    return Send(request, page, kHtml, kRevalidate, strLanguage);
}

WebReply WebRoster::Send(const WebRequest& request, Page& page, const char* szContentType,
                         const char* szCacheControl, const std::string& strLanguage) {
    WebReply reply;
    bool bGzip = AcceptsGzip(request.strAcceptEncoding);
    std::string strTag = "\"" + page.strETag + (bGzip ? "-gz\"" : "\"");
    reply.headers = {
        {"Content-Type", szContentType},
        {"Content-Security-Policy", kContentSecurityPolicy},
        {"X-Content-Type-Options", "nosniff"},
        {"Referrer-Policy", "no-referrer"},
        {"Cache-Control", szCacheControl},
        {"Vary", strLanguage.empty() ? "Accept-Encoding" : "Accept-Encoding, Accept-Language"},
        {"ETag", strTag}};
    // A page of the guild's is written in the language the browser prefers.
    if (!strLanguage.empty())
        reply.headers.emplace_back("Content-Language", strLanguage);
    if (ListsTag(request.strIfNoneMatch, strTag)) {
        reply.iStatus = 304;
        return reply;
    }
    if (bGzip) {
        if (!page.pGzip)
            page.pGzip = std::make_shared<const std::string>(Gzip(*page.pPlain));
        reply.headers.emplace_back("Content-Encoding", "gzip");
    }
    if (request.strMethod != "HEAD")
        reply.strBody = bGzip ? *page.pGzip : *page.pPlain;
    return reply;
}

WebReply WebRoster::Handle(const WebRequest& request) {
    if (request.strMethod != "GET" && request.strMethod != "HEAD")
        return {405, {{"Allow", "GET, HEAD, POST"}, {"Content-Type", "text/plain"}}, ""};
    std::string strPath = request.strSubPath;
    if (!strPath.empty() && strPath[0] == '/')
        strPath.erase(0, 1);
    if (const WebAsset* pAsset = FindWebAsset(strPath)) {
        Page page{"a-" + Hex(Fnv1a(pAsset->strBody)),
                  std::make_shared<const std::string>(pAsset->strBody), nullptr};
        return Send(request, page, std::string(pAsset->strContentType).c_str(),
                    "public, max-age=3600");
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    const std::string strLanguage = PageLanguage(request.strAcceptLanguage);
    try {
        std::string strRoute = strPath.empty() ? "tree" : strPath;
        if (strRoute == "tree" || strRoute == "members" || strRoute == "portals" ||
            strRoute == "tradeskills" ||
            (strRoute == "rescue" && Current()->pGuild->bRescueSquad)) {
            Page page = GuildPage(strRoute, strLanguage);
            WebReply reply = Send(request, page, kHtml, kRevalidate, strLanguage);
            Page& kept = m_pSnapshot->pages[strRoute + "-" + strLanguage];
            if (page.pGzip && !kept.pGzip && kept.strETag == page.strETag)
                kept.pGzip = page.pGzip;
            return reply;
        }
        std::optional<int> id;
        bool bBranch = strPath.rfind("branch/", 0) == 0;
        if (bBranch)
            id = MemberId(std::string_view(strPath).substr(7));
        else if (strPath.rfind("member/", 0) == 0)
            id = MemberId(std::string_view(strPath).substr(7));
        if (id && bBranch) {
            std::shared_ptr<Snapshot> pSnapshot = Current();
            if (pSnapshot->pGuild->Find(*id)) {
                Page page{"b" + std::to_string(*id) + "-" + strLanguage + "-" +
                              Hex(Fnv1a(pSnapshot->strKey)),
                          nullptr, nullptr};
                if (ListsTag(request.strIfNoneMatch, "\"" + page.strETag + "\"") ||
                    ListsTag(request.strIfNoneMatch, "\"" + page.strETag + "-gz\"")) {
                    page.pPlain = std::make_shared<const std::string>();
                } else {
                    page.pPlain = std::make_shared<const std::string>(
                        TreePage(*pSnapshot->pGuild, m_strBase, *id, strLanguage));
                }
                return Send(request, page, kHtml, kRevalidate, strLanguage);
            }
        } else if (id) {
            if (std::optional<WebReply> reply = MemberReply(request, *id))
                return *reply;
        }
        WebReply reply{404, {}, ""};
        reply.headers = {{"Content-Type", kHtml},
                         {"Content-Security-Policy", kContentSecurityPolicy},
                         {"X-Content-Type-Options", "nosniff"},
                         {"Cache-Control", kRevalidate},
                         {"Content-Language", strLanguage},
                         {"Vary", "Accept-Language"}};
        if (request.strMethod != "HEAD")
            reply.strBody = NotFoundPage(*Current()->pGuild, m_strBase, strLanguage);
        return reply;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zorv-server: web roster: %s\n", e.what());
        m_pDb.reset();
        return {503,
                {{"Content-Type", "text/plain; charset=utf-8"}, {"Cache-Control", "no-store"}},
                "The roster is not available.\n"};
    }
}
