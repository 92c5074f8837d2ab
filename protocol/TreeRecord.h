#pragma once
// The tree payload's record (operation 100): "id|name|level|rank|patron id|vassal ids|mule|pk|
// rescue", each ended by "!;", the vassal ids joined by ",". The change feed (120) sends the same
// record with the character's revision after it. Each field is a column of `characters` but the
// vassal list, which is made from the patrons (in joining order, `join_seq`).
#include <cstddef>

namespace zorv {

enum class TreeField { Id, Name, Level, Rank, Patron, Vassals, Mule, PK, Rescue, Revision, Count };

struct TreeFieldInfo {
    TreeField field;
    const char* szColumn; // the column it is read from; null for the vassal list
};

// In record order, so that kTreeFields[i].field is the field at position i. The revision is the
// feed's alone, after the tree's nine.
inline constexpr TreeFieldInfo kTreeFields[] = {
    {TreeField::Id, "id"},
    {TreeField::Name, "name"},
    {TreeField::Level, "level"},
    {TreeField::Rank, "rank"},
    {TreeField::Patron, "patron_id"},
    {TreeField::Vassals, nullptr},
    {TreeField::Mule, "is_mule"},
    {TreeField::PK, "is_pk"},
    {TreeField::Rescue, "is_rescue"},
    {TreeField::Revision, "revision"},
};

// The field's position in a record.
constexpr std::size_t At(TreeField field) {
    return static_cast<std::size_t>(field);
}

// The fields of the tree payload's record; the feed's has one more.
inline constexpr std::size_t kTreeFieldCount = At(TreeField::Revision);
inline constexpr std::size_t kFeedFieldCount = At(TreeField::Count);

// Besides the record's own columns, what places a member in his patron's vassal list: a change of
// it changes two records.
inline constexpr const char* kVassalOrderColumn = "join_seq";

namespace detail {
constexpr bool TreeFieldsInOrder() {
    for (std::size_t i = 0; i < sizeof kTreeFields / sizeof kTreeFields[0]; ++i)
        if (At(kTreeFields[i].field) != i)
            return false;
    return sizeof kTreeFields / sizeof kTreeFields[0] == kFeedFieldCount;
}
} // namespace detail
static_assert(detail::TreeFieldsInOrder(), "kTreeFields holds every field once, in record order");

} // namespace zorv
