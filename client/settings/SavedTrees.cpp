#include "SavedTrees.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

const QByteArray kHeader = "ZORV TREE 1\n";
const QString kSuffix = QStringLiteral(".tree");
constexpr QFileDevice::Permissions kUserOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

} // namespace

QString SavedTrees::File(const QString& strServer, const QString& strCharacter) const {
    // Names are looked up without regard to case, so Ann and ANN share one tree.
    const QByteArray key = strServer.toUtf8() + '\n' + strCharacter.toLower().toUtf8();
    return m_strFolder + QLatin1Char('/') +
           QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex()) +
           kSuffix;
}

bool SavedTrees::Save(const QString& strServer, const QString& strCharacter,
                      const SavedTree& tree) const {
    if (m_strFolder.isEmpty() || !QDir().mkpath(m_strFolder))
        return false;
    QFile::setPermissions(m_strFolder, kUserOnly | QFileDevice::ExeOwner);
    QSaveFile file(File(strServer, strCharacter));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // Set before anything is written, so the roster is never readable by others.
    file.setPermissions(kUserOnly);
    file.write(kHeader + QByteArray::number(tree.lGeneration) + '\n' + tree.strPayload.toLatin1());
    return file.commit();
}

std::optional<SavedTree> SavedTrees::Load(const QString& strServer,
                                          const QString& strCharacter) const {
    QFile file(File(strServer, strCharacter));
    if (m_strFolder.isEmpty() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (file.readLine() != kHeader)
        return std::nullopt;
    bool bOk = false;
    SavedTree tree;
    tree.lGeneration = file.readLine().trimmed().toLongLong(&bOk);
    if (!bOk || tree.lGeneration < 0)
        return std::nullopt;
    tree.strPayload = QString::fromLatin1(file.readAll());
    tree.savedAt = file.fileTime(QFileDevice::FileModificationTime);
    return tree;
}

bool SavedTrees::Clear() const {
    if (m_strFolder.isEmpty())
        return true;
    bool bAll = true;
    const QDir folder(m_strFolder);
    for (const QString& strName : folder.entryList({QLatin1Char('*') + kSuffix}, QDir::Files))
        bAll = QFile::remove(folder.filePath(strName)) && bAll;
    return bAll;
}
