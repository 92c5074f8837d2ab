#include "WebPages.h"

#include "Catalogue.h"
#include "CharacterRecord.h"
#include "Ranks.h"
#include "ServerTranslations.h"
#include "Texts.h"

#include <algorithm>
#include <unordered_set>

namespace {

std::string Attr(std::string_view strText) {
    return HtmlEscape(strText);
}

std::string MemberLink(const WebMember& member) {
    return "<a href=\"member/" + std::to_string(member.id) + "\">" + HtmlEscape(member.strName) +
           "</a>";
}

// The picture of a node, chosen as the client chooses it; a private member's flags stay hidden.
int Picture(const WebMember& member) {
    if (member.bPrivate)
        return 4;
    if (member.bMule)
        return 1;
    if (member.bRescue)
        return 3;
    if (member.bPK)
        return 2;
    return 4;
}

// A text of the pages (context Web) in the page's language.
std::string W(std::string_view strLanguage, const char* szEnglish) {
    return lang::Translated(strLanguage, "Web", szEnglish);
}

std::string YesNo(std::string_view strLanguage, bool b) {
    return b ? W(strLanguage, ZORV_TEXT("Web", "Yes")) : W(strLanguage, ZORV_TEXT("Web", "No"));
}

std::string SquadTitle(const WebGuild& guild, std::string_view strLanguage) {
    return guild.strSquadName.empty() ? W(strLanguage, ZORV_TEXT("Web", "Rescue Squad"))
                                      : guild.strSquadName;
}

std::string Caption(std::string_view strLanguage, zorv::RecordField field) {
    return lang::Translated(strLanguage, "Field", zorv::FieldInfo(field).szCaption);
}

std::string Race(std::string_view strLanguage, int iRace) {
    return lang::Translated(strLanguage, "Race", zorv::RaceName(iRace));
}

std::string Sex(std::string_view strLanguage, int iSex) {
    return lang::Translated(strLanguage, "Sex", zorv::SexName(iSex));
}

std::string None(std::string_view strLanguage) {
    //: No patron, or no vassals
    return W(strLanguage, ZORV_TEXT("Web", "None"));
}

} // namespace

std::string HtmlEscape(std::string_view strText) {
    std::string strOut;
    strOut.reserve(strText.size() + 16);
    for (char c : strText) {
        switch (c) {
        case '&':
            strOut += "&amp;";
            break;
        case '<':
            strOut += "&lt;";
            break;
        case '>':
            strOut += "&gt;";
            break;
        case '"':
            strOut += "&quot;";
            break;
        case '\'':
            strOut += "&#39;";
            break;
        case '\0':
            break;
        default:
            strOut += c;
        }
    }
    return strOut;
}

std::string RankTitle(int iRace, int iSex, int iRank) {
    // An unknown race reads as Aluvian, an unknown sex as male, as in the client.
    int iR = iRace == 0 || iRace == -1 ? 1 : iRace;
    int iS = iSex == 0 || iSex == -1 ? 1 : iSex;
    if (iRank < 1 || iRank > 10 || iR < 1 || iR > 3 || iS < 1 || iS > 2)
        return "Unknown";
    return zorv::kRankTitles[iR - 1][iS - 1][iRank - 1];
}

std::string_view RaceName(int iRace) {
    return zorv::RaceName(iRace);
}

const WebMember* WebGuild::Find(int id) const {
    auto found = m_index.find(id);
    return found == m_index.end() ? nullptr : &members[static_cast<std::size_t>(found->second)];
}

void WebGuild::Complete() {
    m_index.clear();
    roots.clear();
    for (std::size_t i = 0; i < members.size(); ++i)
        m_index.emplace(members[i].id, static_cast<int>(i));
    for (std::size_t i = 0; i < members.size(); ++i)
        if (members[i].iPatron == -1)
            roots.push_back(static_cast<int>(i));
    // Post-order over the forest with an explicit stack: ranks and counts come up from the
    // leaves. A member met twice (a damaged file) is counted once.
    std::vector<char> seen(members.size(), 0);
    auto Walk = [&](int iRoot) {
        std::vector<std::pair<int, std::size_t>> stack{{iRoot, 0}};
        seen[static_cast<std::size_t>(iRoot)] = 1;
        while (!stack.empty()) {
            auto& [iAt, nNext] = stack.back();
            WebMember& member = members[static_cast<std::size_t>(iAt)];
            if (nNext < member.vassals.size()) {
                const WebMember* pVassal = Find(member.vassals[nNext++]);
                if (!pVassal)
                    continue;
                int iVassal = static_cast<int>(pVassal - members.data());
                if (seen[static_cast<std::size_t>(iVassal)])
                    continue;
                seen[static_cast<std::size_t>(iVassal)] = 1;
                stack.emplace_back(iVassal, 0);
                continue;
            }
            zorv::domain::Allegiance allegiance;
            for (int idVassal : member.vassals) {
                const WebMember* pVassal = Find(idVassal);
                if (pVassal && pVassal->iPatron == member.id)
                    allegiance.AddVassal(pVassal->iComputedRank, pVassal->nFollowers);
            }
            member.iComputedRank = allegiance.Rank();
            member.nFollowers = allegiance.Followers();
            stack.pop_back();
        }
    };
    for (int iRoot : roots)
        Walk(iRoot);
    // Members that no monarch reaches (a patron missing, or a loop) are shown at the top level
    // rather than not at all.
    for (std::size_t i = 0; i < members.size(); ++i)
        if (!seen[i]) {
            roots.push_back(static_cast<int>(i));
            Walk(static_cast<int>(i));
            members[i].iComputedRank = 0;
        }
}

std::string WebPage(const WebGuild& guild, const std::string& strBase, std::string_view strTitle,
                    std::string_view strCurrent, const std::string& strContent,
                    std::string_view strLanguage) {
    std::string strGuild = HtmlEscape(guild.strGuildName.empty() ? "ZORV" : guild.strGuildName);
    std::string strPage;
    strPage.reserve(strContent.size() + 2048);
    strPage += "<!DOCTYPE html>\n<html lang=\"" + std::string(strLanguage) +
               "\"><head><meta charset=\"utf-8\">"
               "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
               "<meta name=\"referrer\" content=\"no-referrer\"><title>";
    strPage += HtmlEscape(strTitle) + " - " + strGuild + "</title><base href=\"" +
               Attr(strBase.empty() || strBase.back() != '/' ? strBase + "/" : strBase) +
               "\"><link rel=\"stylesheet\" href=\"web.css\"><script src=\"web.js\" "
               "defer></script></head>\n<body><header><h1>" +
               strGuild + "</h1><nav>";
    struct Entry {
        std::string strHref, strLabel;
    };
    std::vector<Entry> entries = {{"./", W(strLanguage, ZORV_TEXT("Web", "Allegiance Tree"))},
                                  {"members", W(strLanguage, ZORV_TEXT("Web", "Members"))}};
    if (guild.bRescueSquad)
        entries.push_back({"rescue", SquadTitle(guild, strLanguage)});
    entries.push_back({"portals", W(strLanguage, ZORV_TEXT("Web", "Summonable Portals"))});
    entries.push_back({"tradeskills", W(strLanguage, ZORV_TEXT("Web", "Trade Skills"))});
    for (const Entry& entry : entries) {
        strPage += "<a href=\"" + entry.strHref + "\"";
        if (entry.strHref == strCurrent)
            strPage += " aria-current=\"page\"";
        strPage += ">" + HtmlEscape(entry.strLabel) + "</a>";
    }
    strPage += "</nav></header>\n<main>";
    strPage += strContent;
    strPage += "</main>\n<footer>" +
               HtmlEscape(zorv::FillTemplate(
                   W(strLanguage, ZORV_TEXT("Web", "%1 members. Members who hide their info on "
                                                   "the web show only their name, level and "
                                                   "place in the tree.")),
                   {std::to_string(guild.members.size())})) +
               "</footer></body></html>\n";
    return strPage;
}

std::string TreePage(const WebGuild& guild, const std::string& strBase, std::optional<int> idBranch,
                     std::string_view strLanguage) {
    std::string strOut;
    strOut.reserve(guild.members.size() * 110 + 512);
    std::vector<int> starts;
    std::string strHeading = W(strLanguage, ZORV_TEXT("Web", "Allegiance Tree"));
    if (idBranch) {
        const WebMember* pTop = guild.Find(*idBranch);
        if (!pTop)
            return NotFoundPage(guild, strBase, strLanguage);
        starts.push_back(static_cast<int>(pTop - guild.members.data()));
        strHeading =
            zorv::FillTemplate(W(strLanguage, ZORV_TEXT("Web", "Branch of %1")), {pTop->strName});
    } else {
        starts = guild.roots;
    }
    strOut += "<h2>" + HtmlEscape(strHeading) +
              "</h2><div class=\"tools\" id=\"tree-tools\" hidden><button type=\"button\" "
              "data-open=\"1\">" +
              HtmlEscape(W(strLanguage, ZORV_TEXT("Web", "Expand all"))) +
              "</button><button type=\"button\" data-open=\"0\">" +
              HtmlEscape(W(strLanguage, ZORV_TEXT("Web", "Collapse all"))) +
              "</button></div>\n<ul class=\"tree\">\n";
    const std::string strLevelOf = W(strLanguage, ZORV_TEXT("Web", "%1 - Level %2"));
    const std::string strMoreBelow = W(strLanguage, ZORV_TEXT("Web", "%1 more below"));
    std::vector<char> shown(guild.members.size(), 0);
    auto Open = [&](const WebMember& member, int iDepth) {
        std::string strId = std::to_string(member.id);
        std::string strNode =
            "<a class=\"p" + std::to_string(Picture(member)) + "\" href=\"member/" + strId + "\">" +
            HtmlEscape(
                zorv::FillTemplate(strLevelOf, {member.strName, std::to_string(member.iLevel)})) +
            "</a>";
        strOut += "<li id=\"c" + strId + "\">";
        if (member.vassals.empty()) {
            strOut += strNode + "</li>\n";
            return false;
        }
        if (iDepth >= kTreeDepthPerPage) {
            strOut +=
                strNode + " <a class=\"more\" href=\"branch/" + strId + "\">" +
                HtmlEscape(zorv::FillTemplate(strMoreBelow, {std::to_string(member.nFollowers)})) +
                "</a></li>\n";
            return false;
        }
        strOut += "<details open><summary>" + strNode + "</summary><ul>\n";
        return true;
    };
    for (int iStart : starts) {
        // Depth first with an explicit stack, vassals in the tree's order.
        std::vector<std::pair<int, std::size_t>> stack;
        shown[static_cast<std::size_t>(iStart)] = 1;
        if (Open(guild.members[static_cast<std::size_t>(iStart)], 0))
            stack.emplace_back(iStart, 0);
        while (!stack.empty()) {
            auto& [iAt, nNext] = stack.back();
            const WebMember& member = guild.members[static_cast<std::size_t>(iAt)];
            if (nNext == member.vassals.size()) {
                strOut += "</ul></details></li>\n";
                stack.pop_back();
                continue;
            }
            const WebMember* pVassal = guild.Find(member.vassals[nNext++]);
            if (!pVassal || shown[static_cast<std::size_t>(pVassal - guild.members.data())])
                continue;
            int iVassal = static_cast<int>(pVassal - guild.members.data());
            shown[static_cast<std::size_t>(iVassal)] = 1;
            if (Open(*pVassal, static_cast<int>(stack.size())))
                stack.emplace_back(iVassal, 0);
        }
    }
    strOut += "</ul>\n";
    return WebPage(guild, strBase, strHeading, idBranch ? "" : "./", strOut, strLanguage);
}

std::string MemberListPage(const WebGuild& guild, const std::string& strBase,
                           std::string_view strLanguage) {
    std::string strOut;
    strOut.reserve(guild.members.size() * 160 + 512);
    const std::string strTitle = W(strLanguage, ZORV_TEXT("Web", "Members"));
    strOut += "<h2>" + HtmlEscape(strTitle) +
              "</h2>\n<table class=\"sortable\" id=\"members\"><thead><tr>";
    for (auto [szKey, field] : {std::pair{"name", zorv::RecordField::Name},
                                {"level", zorv::RecordField::Level},
                                {"rank", zorv::RecordField::Rank},
                                {"patron", zorv::RecordField::PatronName},
                                {"race", zorv::RecordField::Race}})
        strOut += std::string("<th data-key=\"") + szKey + "\">" +
                  HtmlEscape(Caption(strLanguage, field)) + "</th>";
    strOut += "</tr></thead><tbody>\n";
    for (const WebMember& member : guild.members) {
        const WebMember* pPatron = member.iPatron == -1 ? nullptr : guild.Find(member.iPatron);
        strOut += "<tr><td>" + MemberLink(member) + "</td><td class=\"n\">" +
                  std::to_string(member.iLevel) + "</td>";
        if (member.bPrivate)
            strOut += "<td data-v=\"\"></td>";
        else
            strOut += "<td data-v=\"" + std::to_string(member.iComputedRank) + "\">" +
                      HtmlEscape(RankTitle(member.iRace, member.iSex, member.iComputedRank)) +
                      "</td>";
        strOut +=
            "<td>" + (pPatron ? MemberLink(*pPatron) : HtmlEscape(None(strLanguage))) + "</td><td>";
        if (!member.bPrivate)
            strOut += HtmlEscape(Race(strLanguage, member.iRace));
        strOut += "</td></tr>\n";
    }
    strOut += "</tbody></table>\n";
    return WebPage(guild, strBase, strTitle, "members", strOut, strLanguage);
}

const zorv::GuildList& TableOf(WebList list) {
    switch (list) {
    case WebList::Rescue:
        return zorv::kRescueList;
    case WebList::Portals:
        return zorv::kPortalList;
    case WebList::TradeSkills:
        break;
    }
    return zorv::kTradeSkillList;
}

std::string ListPage(const WebGuild& guild, const std::string& strBase, WebList list,
                     const std::vector<ListRow>& rows, std::string_view strLanguage) {
    struct Column {
        const char* szKey;
        std::string strHeader;
        bool bNumber; // a skill's value
    };
    std::vector<Column> columns;
    const zorv::GuildList& table = TableOf(list);
    for (std::size_t i = 0; i < table.nColumns; ++i)
        if (const zorv::ListColumn& column = table.pColumns[i]; column.szWebKey)
            columns.push_back({column.szWebKey,
                               column.field == zorv::RecordField::Count
                                   ? std::string(column.szCaption) // a skill's name stays
                                   : lang::Translated(strLanguage, "Field", column.szCaption),
                               column.field == zorv::RecordField::Count});
    std::string strTitle, strCurrent;
    switch (list) {
    case WebList::Rescue:
        strTitle = SquadTitle(guild, strLanguage);
        strCurrent = "rescue";
        break;
    case WebList::Portals:
        strTitle = W(strLanguage, ZORV_TEXT("Web", "Summonable Portal List"));
        strCurrent = "portals";
        break;
    case WebList::TradeSkills:
        strTitle = W(strLanguage, ZORV_TEXT("Web", "Trade Skill List"));
        strCurrent = "tradeskills";
        break;
    }
    std::string strOut = "<h2>" + HtmlEscape(strTitle) +
                         "</h2>\n<table class=\"sortable\" id=\"list\"><thead><tr>"
                         "<th data-key=\"name\">" +
                         HtmlEscape(Caption(strLanguage, zorv::RecordField::Name)) +
                         "</th><th data-key=\"level\">" +
                         HtmlEscape(Caption(strLanguage, zorv::RecordField::Level)) + "</th>";
    for (const Column& column : columns)
        strOut += std::string("<th data-key=\"") + column.szKey + "\">" +
                  HtmlEscape(column.strHeader) + "</th>";
    strOut += "</tr></thead><tbody>\n";
    for (const ListRow& row : rows) {
        const WebMember* pMember = guild.Find(row.id);
        if (!pMember || pMember->bPrivate)
            continue;
        strOut += "<tr><td>" + MemberLink(*pMember) + "</td><td class=\"n\">" +
                  std::to_string(pMember->iLevel) + "</td>";
        for (std::size_t i = 0; i < columns.size(); ++i)
            strOut += std::string(columns[i].bNumber ? "<td class=\"n\">" : "<td>") +
                      HtmlEscape(i < row.cells.size() ? row.cells[i] : "") + "</td>";
        strOut += "</tr>\n";
    }
    strOut += "</tbody></table>\n";
    return WebPage(guild, strBase, strTitle, strCurrent, strOut, strLanguage);
}

std::string MemberPage(const WebGuild& guild, const std::string& strBase, const WebMember& member,
                       const std::optional<PublicSheet>& sheet, std::string_view strLanguage) {
    std::string strOut = "<h2>" + HtmlEscape(member.strName) + "</h2>\n<dl class=\"sheet\">";
    auto Row = [&](std::string_view strLabel, const std::string& strHtml) {
        strOut += "<dt>" + HtmlEscape(strLabel) + "</dt><dd>" + strHtml + "</dd>";
    };
    auto TextRow = [&](std::string_view strLabel, const std::string& strText) {
        if (!strText.empty())
            strOut += "<dt>" + HtmlEscape(strLabel) + "</dt><dd class=\"text\">" +
                      HtmlEscape(strText) + "</dd>";
    };
    // The record's fields under their one caption; what the record does not hold (the computed
    // rank, the followers in the tree, the branch) under its own.
    using F = zorv::RecordField;
    auto Of = [&](F field) { return Caption(strLanguage, field); };
    auto YN = [&](bool b) { return YesNo(strLanguage, b); };
    Row(Of(F::Level), std::to_string(member.iLevel));
    const WebMember* pPatron = member.iPatron == -1 ? nullptr : guild.Find(member.iPatron);
    Row(Of(F::PatronName), pPatron ? MemberLink(*pPatron) : HtmlEscape(None(strLanguage)));
    // The path up to the monarch, bounded by the guild's size against a damaged file.
    std::string strPath = HtmlEscape(member.strName);
    std::unordered_set<int> seen{member.id};
    for (const WebMember* p = pPatron; p && seen.insert(p->id).second;
         p = p->iPatron == -1 ? nullptr : guild.Find(p->iPatron))
        strPath += " &gt; " + MemberLink(*p);
    Row(Of(F::Path), strPath);
    std::string strVassals;
    for (int idVassal : member.vassals)
        if (const WebMember* pVassal = guild.Find(idVassal))
            strVassals += (strVassals.empty() ? "" : ", ") + MemberLink(*pVassal);
    Row(Of(F::VassalIds), strVassals.empty() ? HtmlEscape(None(strLanguage)) : strVassals);
    if (!member.vassals.empty())
        Row(W(strLanguage, ZORV_TEXT("Web", "Branch")),
            "<a href=\"branch/" + std::to_string(member.id) + "\">" +
                HtmlEscape(zorv::FillTemplate(W(strLanguage, ZORV_TEXT("Web", "%1 followers")),
                                              {std::to_string(member.nFollowers)})) +
                "</a>");
    if (!sheet) {
        strOut += "</dl>\n<p class=\"note\">" +
                  HtmlEscape(W(strLanguage,
                               ZORV_TEXT("Web", "This member hides their info on the web."))) +
                  "</p>\n";
        return WebPage(guild, strBase, member.strName, "", strOut, strLanguage);
    }
    Row(Of(F::Rank), HtmlEscape(RankTitle(member.iRace, member.iSex, sheet->iRank)));
    Row(W(strLanguage, ZORV_TEXT("Web", "Computed Rank")),
        HtmlEscape(RankTitle(member.iRace, member.iSex, member.iComputedRank)));
    Row(W(strLanguage, ZORV_TEXT("Web", "Followers")),
        HtmlEscape(zorv::FillTemplate(
            W(strLanguage, ZORV_TEXT("Web", "%1 (entered: %2)")),
            {std::to_string(member.nFollowers), std::to_string(sheet->nFollowersEntered)})));
    TextRow(Of(F::Class), sheet->strClass);
    Row(Of(F::Race), HtmlEscape(Race(strLanguage, member.iRace)));
    Row(Of(F::Sex), HtmlEscape(Sex(strLanguage, member.iSex)));
    Row(Of(F::IsMule), YN(member.bMule));
    TextRow(Of(F::MuleFor), sheet->strMuleFor);
    TextRow(Of(F::MainChar), sheet->strMainChar);
    Row(Of(F::IsPK), YN(member.bPK));
    if (guild.bRescueSquad)
        Row(SquadTitle(guild, strLanguage), YN(member.bRescue));
    Row(Of(F::CanSummon), YN(sheet->bCanSummon));
    TextRow(Of(F::Lifestone), sheet->strLifestone);
    TextRow(Of(F::TiedTo), sheet->strTiedTo);
    TextRow(Of(F::Bio), sheet->strBio);
    TextRow(Of(F::Awards), sheet->strAwards);
    TextRow(Of(F::ModifiedAt), sheet->strModifiedAt);
    strOut += "</dl>\n";
    if (!sheet->skills.empty()) {
        strOut += "<h2>" + HtmlEscape(Of(F::Skills)) +
                  "</h2>\n<table class=\"sortable\" id=\"skills\"><thead><tr>"
                  "<th data-key=\"skill\">" +
                  HtmlEscape(W(strLanguage, ZORV_TEXT("Web", "Skill"))) +
                  "</th><th data-key=\"training\">" +
                  HtmlEscape(W(strLanguage, ZORV_TEXT("Web", "Training"))) +
                  "</th><th data-key=\"value\">" +
                  HtmlEscape(W(strLanguage, ZORV_TEXT("Web", "Value"))) +
                  "</th></tr></thead><tbody>\n";
        static const char* const kTraining[] = {
            ZORV_TEXT("Web", "Unusable"), ZORV_TEXT("Web", "Untrained"),
            ZORV_TEXT("Web", "Trained"), ZORV_TEXT("Web", "Specialized")};
        for (const auto& [iSkill, entry] : sheet->skills) {
            if (iSkill < 1 || iSkill > 35 || entry.first < 0 || entry.first > 3)
                continue;
            strOut += std::string("<tr><td>") + zorv::kSkillCatalogue[iSkill - 1].szName +
                      "</td><td data-v=\"" + std::to_string(entry.first) + "\">" +
                      HtmlEscape(W(strLanguage, kTraining[entry.first])) + "</td><td class=\"n\">" +
                      std::to_string(entry.second) + "</td></tr>\n";
        }
        strOut += "</tbody></table>\n";
    }
    return WebPage(guild, strBase, member.strName, "", strOut, strLanguage);
}

std::string NotFoundPage(const WebGuild& guild, const std::string& strBase,
                         std::string_view strLanguage) {
    const std::string strTitle = W(strLanguage, ZORV_TEXT("Web", "Not found"));
    return WebPage(guild, strBase, strTitle, "",
                   "<h2>" + HtmlEscape(strTitle) + "</h2><p>" +
                       HtmlEscape(W(strLanguage, ZORV_TEXT("Web", "No such page or member."))) +
                       " <a href=\"./\">" +
                       HtmlEscape(W(strLanguage, ZORV_TEXT("Web", "Back to the allegiance tree"))) +
                       "</a>.</p>\n",
                   strLanguage);
}
