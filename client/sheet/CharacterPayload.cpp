#include "CharacterPayload.h"

#include "Records.h"

CharacterPayload ParseCharacterPayload(const QString& strPayload) {
    const zorv::Fields fields = zorv::UnescapedFields(strPayload.toLatin1().toStdString());
    CharacterPayload c;
    c.nFields = static_cast<int>(fields.size());
    // Where each field goes; the fields the client does not read have no place.
    QString* const places[kCharacterFields] = {
        &c.strID,       &c.strName,         &c.strLevel,    &c.strRank,       nullptr,
        nullptr,        &c.strNumFollowers, nullptr,        &c.strClass,      &c.strRace,
        &c.strSex,      &c.strIsMule,       &c.strMuleFor,  &c.strLifestone,  &c.strTiedTo,
        &c.strBio,      &c.strSkills,       &c.strRealName, &c.strCityState,  &c.strMiscInfo,
        &c.strEmail,    &c.strICQ,          &c.strRevision, &c.strModifiedAt, &c.strPatron,
        &c.strPath,     &c.strIsPK,         &c.strIsRescue, &c.strIsPrivate,  &c.strCanSummon,
        &c.strMainChar, &c.strModifiedBy,   &c.strAwards,
    };
    for (int i = 0; i < kCharacterFields && i < c.nFields; ++i)
        if (places[i])
            *places[i] = QString::fromLatin1(fields[static_cast<std::size_t>(i)].data(),
                                             static_cast<qsizetype>(fields[i].size()));
    return c;
}
