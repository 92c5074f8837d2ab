#pragma once
// The last tree each login showed, kept between runs so that the next login shows it at once
// and then only catches up on what changed since its generation. One file per server and
// character; the files hold the guild's roster, so only the user may read them.
#include <QDateTime>
#include <QString>
#include <optional>

struct SavedTree {
    qint64 lGeneration = -1;
    QString strPayload; // in the tree payload's form
    QDateTime savedAt;  // when it was written, as loaded
};

class SavedTrees {
public:
    void SetFolder(const QString& strFolder) { m_strFolder = strFolder; }
    const QString& Folder() const { return m_strFolder; }

    // False when the file could not be written; the next login then downloads the whole tree.
    bool Save(const QString& strServer, const QString& strCharacter, const SavedTree& tree) const;
    std::optional<SavedTree> Load(const QString& strServer, const QString& strCharacter) const;
    // Deletes every saved tree; false when one of them stays.
    bool Clear() const;

private:
    QString File(const QString& strServer, const QString& strCharacter) const;

    QString m_strFolder;
};
