#pragma once
// The character payload (the reply to operation 107): escaped fields separated by "|", read into
// one text per record field at the position the record's table gives it. Numbers stay text
// here; the sheet reads them by their leading number.
#include "CharacterRecord.h"

#include <QString>
#include <array>
#include <cstddef>

struct CharacterPayload {
    std::array<QString, zorv::kCharacterPayloadFields> values;
    int nFields = 0; // as many as the payload had

    const QString& operator[](zorv::RecordField field) const {
        return values[static_cast<std::size_t>(field)];
    }
};

// Missing fields stay empty; fields beyond the record's are ignored.
CharacterPayload ParseCharacterPayload(const QString& strPayload);
