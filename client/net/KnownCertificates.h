#pragma once
// The server certificates the user accepted although they do not verify: one SHA-256 digest per
// server ("host:port", the host in lower case), kept in a file of their own beside zorv.ini, so
// that the settings file keeps its format. A line "host:port = AB:CD:..." under [Certificates].
#include <QByteArray>
#include <QList>
#include <QMap>
#include <QSslError>
#include <QString>

class QSslCertificate;

class KnownCertificates final {
public:
    // Reads strFile when it exists; an unreadable or malformed file counts as empty.
    void SetFile(const QString& strFile);
    const QString& File() const { return m_strFile; }

    // The digest accepted for strServer, or an empty one.
    QByteArray Digest(const QString& strServer) const;
    // Records baDigest for strServer, replacing any earlier one, and rewrites the file; false
    // when it cannot be written (the acceptance then holds until the file is read again).
    bool Accept(const QString& strServer, const QByteArray& baDigest);

    // "host:port" as the file keys it; strHost without brackets.
    static QString ServerKey(const QString& strHost, quint16 nPort);
    // "AB:CD:...", the digest as certificate viewers show it.
    static QString Fingerprint(const QByteArray& baDigest);
    static QByteArray Sha256(const QSslCertificate& cert);
    // The question put to the user: the server, the errors, the certificate's subject, issuer,
    // validity and SHA-256 fingerprint, and whether it replaces one accepted before.
    static QString Question(const QString& strServer, const QSslCertificate& cert,
                            const QList<QSslError>& errors, bool bChanged);

private:
    QString m_strFile;
    QMap<QString, QByteArray> m_digests;
};
