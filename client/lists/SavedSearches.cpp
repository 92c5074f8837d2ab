#include "SavedSearches.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

bool SavedSearches::Load(QString& strError) {
    m_items.clear();
    QFile file(m_strFile);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        strError = file.errorString();
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        strError = parseError.errorString();
        return false;
    }
    for (const QJsonValue& entry : document.object().value(QLatin1String("searches")).toArray()) {
        const QJsonObject object = entry.toObject();
        SavedSearch search;
        search.strName = object.value(QLatin1String("name")).toString();
        search.iRace = object.value(QLatin1String("race")).toInt();
        search.iRank = object.value(QLatin1String("rank")).toInt();
        for (const QJsonValue& value : object.value(QLatin1String("values")).toArray())
            search.values << value.toString();
        if (!search.strName.isEmpty())
            m_items << search;
    }
    return true;
}

bool SavedSearches::Save(QString& strError) const {
    QJsonArray searches;
    for (const SavedSearch& search : m_items)
        searches.append(
            QJsonObject{{QLatin1String("name"), search.strName},
                        {QLatin1String("race"), search.iRace},
                        {QLatin1String("rank"), search.iRank},
                        {QLatin1String("values"), QJsonArray::fromStringList(search.values)}});
    QSaveFile file(m_strFile);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(QJsonDocument(QJsonObject{{QLatin1String("searches"), searches}}).toJson()) <
            0 ||
        !file.commit()) {
        strError = file.errorString();
        return false;
    }
    return true;
}

const SavedSearch* SavedSearches::Find(const QString& strName) const {
    for (const SavedSearch& search : m_items)
        if (search.strName.compare(strName, Qt::CaseInsensitive) == 0)
            return &search;
    return nullptr;
}

void SavedSearches::Put(const SavedSearch& search) {
    for (SavedSearch& existing : m_items)
        if (existing.strName.compare(search.strName, Qt::CaseInsensitive) == 0) {
            existing = search;
            return;
        }
    m_items << search;
}

void SavedSearches::Remove(const QString& strName) {
    m_items.removeIf([&](const SavedSearch& search) {
        return search.strName.compare(strName, Qt::CaseInsensitive) == 0;
    });
}
