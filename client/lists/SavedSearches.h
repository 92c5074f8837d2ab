#pragma once
// Searches an officer keeps under a name: race, rank and the 35 criteria cells as typed. They
// live in a file of their own beside the settings file, written whole or not at all.
#include <QList>
#include <QString>
#include <QStringList>

struct SavedSearch {
    QString strName;
    int iRace = 0;
    int iRank = 0;
    QStringList values; // the criteria cells, row 1 first; an empty cell is left out of a search
};

class SavedSearches {
public:
    explicit SavedSearches(QString strFile) : m_strFile(std::move(strFile)) {}

    // A missing file is an empty list; false (with the reason) for a file that cannot be read.
    bool Load(QString& strError);
    bool Save(QString& strError) const;

    const QList<SavedSearch>& Items() const { return m_items; }
    // Names are matched without regard to case; a search saved under a taken name replaces it.
    const SavedSearch* Find(const QString& strName) const;
    void Put(const SavedSearch& search);
    void Remove(const QString& strName);
    const QString& File() const { return m_strFile; }

private:
    QString m_strFile;
    QList<SavedSearch> m_items;
};
