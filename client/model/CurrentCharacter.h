#pragma once
// The character the client is on: the one whose record the sheet shows. The tree, the sheet, the
// operations and the lists share this one object instead of calling each other: whoever wants a
// record shown asks here (Load, Reload), the tree's download answers those requests, and the
// sheet reports each record that arrives (Arrived), which everyone watching hears as Changed. The
// tree's feed reports changes made by others to the record shown, which the sheet hears.
#include <QObject>
#include <QString>

class CurrentCharacter final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CurrentCharacter)
public:
    explicit CurrentCharacter(QObject* pParent = nullptr) : QObject(pParent) {}

    // 0 until a record has arrived.
    qint16 Id() const { return m_id; }
    // The revision of the record shown, as the server sent it; empty from an older server.
    const QString& Revision() const { return m_strRevision; }

    // Asks for the record of id, selecting it where it is shown in a list of characters.
    void Load(qint16 id) { emit LoadRequested(id); }
    // Asks for the record of the character selected now, which after a change is the same one.
    void Reload() { emit ReloadRequested(); }
    // The record of id has arrived and is shown.
    void Arrived(qint16 id, const QString& strRevision) {
        m_id = id;
        m_strRevision = strRevision;
        emit Changed();
    }

    // The tree's changes show that someone else changed the record shown, or that its character
    // has left the allegiance.
    void ChangedElsewhere() { emit RecordChangedElsewhere(); }
    void LeftElsewhere() { emit RecordLeft(); }

signals:
    void LoadRequested(qint16 id);
    void ReloadRequested();
    void Changed();
    void RecordChangedElsewhere();
    void RecordLeft();

private:
    qint16 m_id = 0;
    QString m_strRevision;
};
