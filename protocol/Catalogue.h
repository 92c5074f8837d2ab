#pragma once
// What the client's sheet and the server's web pages both name: the 35 skills in their order
// with their start levels (0 unusable, 1 untrained, 2 trained), and the allegiance rank titles
// by race (Aluvian, Gharu'ndim, Sho), sex (male, female) and rank 1 to 10.
namespace zorv {

struct CatalogueSkill {
    const char* szName;
    int iStartLevel;
};

inline constexpr int kSkillCount = 35;

inline constexpr CatalogueSkill kSkillCatalogue[kSkillCount] = {
    {"Alchemy", 0},
    {"Appraise Armor", 1},
    {"Appraise Item", 1},
    {"Appraise Magic Item", 1},
    {"Appraise Weapon", 1},
    {"Arcane Lore", 1},
    {"Assess Creature", 1},
    {"Assess Person", 1},
    {"Axe", 1},
    {"Bow", 1},
    {"Cooking", 0},
    {"Creature Enchantment", 0},
    {"Crossbow", 1},
    {"Dagger", 1},
    {"Deception", 1},
    {"Fletching", 0},
    {"Healing", 0},
    {"Item Enchantment", 0},
    {"Jump", 2},
    {"Leadership", 1},
    {"Life Magic", 0},
    {"Lockpick", 0},
    {"Loyalty", 2},
    {"Mace", 1},
    {"Magic Defense", 2},
    {"Mana Conversion", 0},
    {"Melee Defense", 1},
    {"Missle Defense", 1},
    {"Run", 2},
    {"Spear", 1},
    {"Staff", 1},
    {"Sword", 1},
    {"Thrown Weapons", 1},
    {"Unarmed Combat", 1},
    {"War Magic", 0},
};

inline constexpr const char* kRankTitles[3][2][10] = {
    {{"Yeoman (1)", "Baronet(2)", "Baron (3)", "Reeve (4)", "Thane (5)", "Ealdor (6)", "Duke (7)",
      "Aetheling (8)", "King (9)", "High King (10)"},
     {"Yeoman (1)", "Baronet(2)", "Baroness (3)", "Reeve (4)", "Thane (5)", "Ealdor (6)",
      "Duchess (7)", "Aetheling (8)", "Queen (9)", "High Queen (10)"}},
    {{"Sayyid (1)", "Shayk (2)", "Maulan (3)", "Mu'allim (4)", "Naqib (5)", "Qadi (6)",
      "Mushir (7)", "Amir (8)", "Malik (9)", "Sultan (10)"},
     {"Sayyida (1)", "Shayka (2)", "Maulana (3)", "Mu'allima (4)", "Naqiba (5)", "Qadiya (6)",
      "Mushira (7)", "Amira (8)", "Malika (9)", "Sultana (10)"}},
    {{"Jinin (1)", "Jo-chueh (2)", "Nan-chueh (3)", "Shi-chueh (4)", "Ta-chueh (5)",
      "Kun-chueh (6)", "Kou (7)", "Taikou (8)", "Ou (9)", "Koutei (10)"},
     {"Jinin (1)", "Jo-chueh (2)", "Nan-chueh (3)", "Shi-chueh (4)", "Ta-chueh (5)",
      "Kun-chueh (6)", "Kou (7)", "Taikou (8)", "Jo-ou (9)", "Koutei (10)"}},
};

} // namespace zorv
