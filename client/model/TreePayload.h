#pragma once
// The tree payload: records "id|name|level|rank|patron id|vassal ids|mule|pk|rescue" each
// ended by "!;"; text after the last "!;" is not a record.
#include "Characters.h"

#include <QString>
#include <QStringView>
#include <vector>

// The roster the payload holds, in payload order. A payload that cannot make a sound tree (a
// record of fewer than nine fields, an id twice, a vassal id no record has, a vassal listed twice
// or under a patron it does not name, a cycle) is refused: the snapshot is empty and strProblem
// says why; otherwise strProblem is empty. Texts that read as the record at the same place in
// `before` read are shared with it.
RosterSnapshot ParseTreePayload(const QString& strPayload, QString& strProblem,
                                const Characters& before = *Characters::Empty());

// The records of a payload in the same form, each read on its own: the lists need not form a
// tree, since a set of changes names only part of one. Refused as above for a record of fewer
// than nine fields or an id twice (an empty list, with strProblem saying why).
std::vector<Character> ReadTreeRecords(const QString& strPayload, QString& strProblem);

// The payload that reads back as this roster, record for record, in roster order.
QString TreePayloadOf(const Characters& roster);
