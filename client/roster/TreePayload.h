#pragma once
// The tree payload: records "id|name|level|rank|patron id|vassal ids|mule|pk|rescue" each
// ended by "!;"; text after the last "!;" is not a record.
#include <QString>

class Characters;

// Fills the roster from the payload, in payload order. A payload that cannot make a sound tree
// (a record of fewer than nine fields, an id twice, a vassal id no record has, a vassal listed
// twice or under a patron it does not name, a cycle) is refused: the roster is left empty and
// the reason returned. An empty result means success.
QString ParseTreePayload(const QString& strPayload, Characters& roster);
