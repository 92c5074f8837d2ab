#include "CharacterPayload.h"

#include "Records.h"

CharacterPayload ParseCharacterPayload(const QString& strPayload) {
    const zorv::Fields fields = zorv::UnescapedFields(strPayload.toLatin1().toStdString());
    CharacterPayload c;
    c.nFields = static_cast<int>(fields.size());
    for (const zorv::RecordFieldInfo& info : zorv::kRecordFields) {
        if (info.iPayload >= c.nFields)
            continue;
        const std::string& strField = fields[static_cast<std::size_t>(info.iPayload)];
        c.values[static_cast<std::size_t>(info.field)] =
            QString::fromLatin1(strField.data(), static_cast<qsizetype>(strField.size()));
    }
    return c;
}
