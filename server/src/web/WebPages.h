#pragma once
// The web roster's pages as HTML, from what the guild file holds: pure functions of their
// inputs, with no database and no HTTP. Text in these records is UTF-8, and every text is
// escaped where it is written. A member marked private ("Hide Info on Web") shows only their
// name, level and place in the tree: the ordinary picture in the tree, no rank title or race in
// the member list, no row in the three lists. Real-life and contact details are never handed to
// these functions at all.
#include "ListTables.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct WebMember {
    int id = 0;
    std::string strName;
    int iLevel = 0;
    int iPatron = -1;
    std::vector<int> vassals; // in the tree's order
    bool bMule = false, bPK = false, bRescue = false;
    int iRace = 0, iSex = 0;
    bool bPrivate = false;
    int iComputedRank = 0; // 0 when not reachable from a monarch
    int nFollowers = 0;
};

struct WebGuild {
    std::string strGuildName;
    bool bRescueSquad = false;
    std::string strSquadName;
    std::vector<WebMember> members; // in the tree payload's order
    std::vector<int> roots;         // indexes of the monarchs, and of any member cut off

    const WebMember* Find(int id) const;
    // Fills index, roots, computed ranks and follower counts once members are in place. Walks
    // iteratively and visits each member once, whatever the shape.
    void Complete();

private:
    std::unordered_map<int, int> m_index;
};

std::string HtmlEscape(std::string_view strText);
// "Baron (3)" and the like, by race and sex as the client shows them; "Unknown" for rank 0.
std::string RankTitle(int iRace, int iSex, int iRank);
std::string_view RaceName(int iRace);

// A page's frame around its content. strBase is the script path ("/zorv"); strCurrent names the
// navigation entry of this page.
// Every page is written in the language strLanguage names (Languages.h), its texts taken from
// the translators' files (contexts Web, Field, Race and Sex); names, rank titles and skills stay.
std::string WebPage(const WebGuild& guild, const std::string& strBase, std::string_view strTitle,
                    std::string_view strCurrent, const std::string& strContent,
                    std::string_view strLanguage);

// Branches below this depth continue on their own page ("branch/ID"): a browser's parser stops
// nesting elements a few hundred levels down.
inline constexpr int kTreeDepthPerPage = 100;

// The allegiance tree from every monarch, or the branch below one member.
std::string TreePage(const WebGuild& guild, const std::string& strBase, std::optional<int> idBranch,
                     std::string_view strLanguage);
std::string MemberListPage(const WebGuild& guild, const std::string& strBase,
                           std::string_view strLanguage);

// One row of a list page: the cells after the name, already as text.
struct ListRow {
    int id;
    std::string strName;
    std::vector<std::string> cells;
};
enum class WebList { Rescue, Portals, TradeSkills };
// The list's table: its members and columns; the page shows the columns with a web key.
const zorv::GuildList& TableOf(WebList list);
std::string ListPage(const WebGuild& guild, const std::string& strBase, WebList list,
                     const std::vector<ListRow>& rows, std::string_view strLanguage);

// What a member's own page may show, read from their sheet. Filled only for a member who is not
// private; the page of a private member is drawn from the tree alone.
struct PublicSheet {
    int iRank = 0;
    std::string strClass;
    std::string strMuleFor, strLifestone, strTiedTo, strBio, strMainChar, strAwards;
    bool bCanSummon = false;
    int nFollowersEntered = 0;
    std::string strModifiedAt;
    std::vector<std::pair<int, std::pair<int, long>>> skills; // number, (training, value)
};
std::string MemberPage(const WebGuild& guild, const std::string& strBase, const WebMember& member,
                       const std::optional<PublicSheet>& sheet, std::string_view strLanguage);
std::string NotFoundPage(const WebGuild& guild, const std::string& strBase,
                         std::string_view strLanguage);
