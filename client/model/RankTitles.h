#pragma once
// Allegiance rank titles by race and sex. A title list starts with "Unknown" at position 0 and
// holds the titles of ranks 1 to 10 at positions 1 to 10, so that a position is its rank.
#include <QStringList>

// The title list for a race (0 to 3) and a sex (0 to 2), both as the sheet holds them: texts of
// list positions. An empty value, "-1" or one whose leading number is 0 counts as 1 (Aluvian,
// male); a race or sex the lists cannot hold gives "Unknown" alone.
QStringList RankTitles(const QString& strRace, const QString& strSex);

// The list position a value selects: 0 for an empty text, else its leading number; 0 as well
// ("Unknown") for a number the list of nCount entries does not hold.
int ComboPosition(const QString& strValue, int nCount);
