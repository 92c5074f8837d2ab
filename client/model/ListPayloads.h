#pragma once
// The payloads of the guild lists and the search: records ended by "!;", fields by "|", field 0
// (an id) never shown. Each parser gives the rows of its grid, in payload order; a record with
// fewer fields than the grid has columns leaves the missing cells empty.
#include "ListTables.h"

#include <QList>
#include <QStringList>

using ListRows = QList<QStringList>;

// Fields 1 to nColumns of every record.
ListRows ParseListRows(const QString& strPayload, int nColumns);
// The rescue squad's columns; a flag ("Can Summon") reads "Yes" only for exactly "1".
ListRows ParseRescueRows(const QString& strPayload);
// Name, level, rank and the race's name (empty for a code no race has); an empty payload gives
// the single row "None Found!".
ListRows ParseSearchRows(const QString& strPayload);

inline constexpr int kRescueColumns = zorv::ListGridColumns(zorv::kRescueList);
inline constexpr int kPortalColumns = zorv::ListGridColumns(zorv::kPortalList);
inline constexpr int kTradeSkillColumns = zorv::ListGridColumns(zorv::kTradeSkillList);
inline constexpr int kSearchColumns = 4;

// A list's grid headers: "Name", "Level", then its columns' captions.
QStringList ListHeaders(const zorv::GuildList& list);
