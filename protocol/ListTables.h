#pragma once
// The guild's three lists: the rescue squad (113), the portal list (114) and the trade skills
// (115), as the client's grids and the web roster's pages show them. Each list's payload is a
// record per member on it: id, name, level, then the list's columns in this order.
#include "Catalogue.h"
#include "CharacterRecord.h"
#include "Protocol.h"

#include <cstddef>
#include <iterator>

namespace zorv {

struct ListColumn {
    const char* szCaption;
    RecordField field;    // the stored value it shows; Count for a skill's value
    int iSkill;           // a skill column's skill: its number, 1 for the catalogue's first
    const char* szWebKey; // the web page's column key; null where the page leaves it out
};

struct GuildList {
    Op op;
    // Who is on it: those with this flag, or, with Count, those at least trained in one of the
    // list's skills.
    RecordField flag;
    const ListColumn* pColumns;
    std::size_t nColumns;
};

inline constexpr int kListTraining = 2; // a skill's training from "trained" up

inline constexpr ListColumn kRescueListColumns[] = {
    {ZORV_TEXT("Field", "Lifestone"), RecordField::Lifestone, 0, "lifestone"},
    {ZORV_TEXT("Field", "Tied To"), RecordField::TiedTo, 0, "tiedto"},
    {ZORV_TEXT("Field", "Can Summon"), RecordField::CanSummon, 0, "cansummon"},
    {ZORV_TEXT("Field", "Main Character Name"), RecordField::MainChar, 0, "main"},
    {ZORV_TEXT("Field", "Email Address"), RecordField::Email, 0, nullptr},
    {ZORV_TEXT("Field", "ICQ Number"), RecordField::ICQ, 0, nullptr},
};
inline constexpr ListColumn kPortalListColumns[] = {
    {ZORV_TEXT("Field", "Tied To"), RecordField::TiedTo, 0, "tiedto"},
    {ZORV_TEXT("Field", "Lifestone"), RecordField::Lifestone, 0, "lifestone"},
};
inline constexpr ListColumn kTradeSkillListColumns[] = {
    {"Alchemy", RecordField::Count, 1, "alchemy"},
    {"Cooking", RecordField::Count, 11, "cooking"},
    {"Fletching", RecordField::Count, 16, "fletching"},
};

inline constexpr GuildList kRescueList = {OpRescueList, RecordField::IsRescue, kRescueListColumns,
                                          std::size(kRescueListColumns)};
inline constexpr GuildList kPortalList = {OpPortalList, RecordField::CanSummon, kPortalListColumns,
                                          std::size(kPortalListColumns)};
inline constexpr GuildList kTradeSkillList = {
    OpTradeSkills, RecordField::Count, kTradeSkillListColumns, std::size(kTradeSkillListColumns)};

namespace detail {
constexpr bool SameText(const char* a, const char* b) {
    while (*a && *a == *b)
        ++a, ++b;
    return *a == *b;
}
constexpr bool SkillColumnsNamedAsTheCatalogue() {
    for (const ListColumn& column : kTradeSkillListColumns)
        if (column.iSkill < 1 || column.iSkill > kSkillCount ||
            !SameText(column.szCaption, kSkillCatalogue[column.iSkill - 1].szName))
            return false;
    return true;
}
static_assert(SkillColumnsNamedAsTheCatalogue(), "a skill column is the catalogue's skill");
} // namespace detail

// The fields a list's grid has after the id: name, level and its columns.
constexpr int ListGridColumns(const GuildList& list) {
    return 2 + static_cast<int>(list.nColumns);
}

} // namespace zorv
