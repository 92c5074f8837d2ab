#pragma once
// The tree payload: records "id|name|level|rank|patron id|vassal ids|mule|pk|rescue" each
// ended by "!;"; text after the last "!;" is not a record.
#include <QString>
#include <QStringView>

class Characters;

// Fills the roster from the payload, in payload order. A payload that cannot make a sound tree
// (a record of fewer than nine fields, an id twice, a vassal id no record has, a vassal listed
// twice or under a patron it does not name, a cycle) is refused: the roster is left empty and
// the reason returned. An empty result means success.
QString ParseTreePayload(const QString& strPayload, Characters& roster);

// A numeric field of the payload: the general leading-number rule (zorv::ReadInt16) on the
// field's Latin-1 text, with plain decimal read directly.
qint16 ReadTreeNumber(QStringView field);
