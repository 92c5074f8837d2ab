#include "KnownCertificates.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QSaveFile>
#include <QSslCertificate>

namespace {

const QByteArray kHeading = "[Certificates]";

// "CN=name, O=organisation, ...", in the certificate's own order.
QString DistinguishedName(const QSslCertificate& cert, bool bIssuer) {
    QStringList parts;
    const QList<QByteArray> attributes =
        bIssuer ? cert.issuerInfoAttributes() : cert.subjectInfoAttributes();
    for (const QByteArray& attribute : attributes) {
        const QStringList values =
            bIssuer ? cert.issuerInfo(attribute) : cert.subjectInfo(attribute);
        for (const QString& strValue : values)
            parts << QString::fromLatin1(attribute) + QLatin1Char('=') + strValue;
    }
    //: Shown for a certificate that names no owner or issuer.
    return parts.isEmpty() ? QCoreApplication::translate("KnownCertificates", "(none)")
                           : parts.join(QStringLiteral(", "));
}

QString UtcTime(const QDateTime& time) {
    return time.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm 'UTC'"));
}

} // namespace

void KnownCertificates::SetFile(const QString& strFile) {
    m_strFile = strFile;
    m_digests.clear();
    QFile file(strFile);
    if (!file.open(QIODevice::ReadOnly))
        return;
    for (QByteArray line : file.readAll().split('\n')) {
        line = line.trimmed();
        int iEquals = line.indexOf('=');
        if (line.isEmpty() || line == kHeading || iEquals < 0)
            continue;
        QString strServer = QString::fromLatin1(line.left(iEquals).trimmed()).toLower();
        QByteArray baDigest = QByteArray::fromHex(line.mid(iEquals + 1).trimmed().replace(':', ""));
        if (!strServer.isEmpty() && baDigest.size() == 32)
            m_digests[strServer] = baDigest;
    }
}

QByteArray KnownCertificates::Digest(const QString& strServer) const {
    return m_digests.value(strServer.toLower());
}

bool KnownCertificates::Accept(const QString& strServer, const QByteArray& baDigest) {
    m_digests[strServer.toLower()] = baDigest;
    QByteArray text = kHeading + "\r\n";
    for (auto it = m_digests.cbegin(); it != m_digests.cend(); ++it)
        text += it.key().toLatin1() + " = " + Fingerprint(it.value()).toLatin1() + "\r\n";
    // Written whole and renamed, so that a failed write never loses the others.
    QSaveFile file(m_strFile);
    if (m_strFile.isEmpty() || !file.open(QIODevice::WriteOnly))
        return false;
    file.write(text);
    return file.commit();
}

QString KnownCertificates::ServerKey(const QString& strHost, quint16 nPort) {
    QString strKey = strHost.contains(QLatin1Char(':'))
                         ? QLatin1Char('[') + strHost + QLatin1Char(']')
                         : strHost;
    return strKey.toLower() + QLatin1Char(':') + QString::number(nPort);
}

QString KnownCertificates::Fingerprint(const QByteArray& baDigest) {
    return QString::fromLatin1(baDigest.toHex(':').toUpper());
}

QByteArray KnownCertificates::Sha256(const QSslCertificate& cert) {
    return cert.digest(QCryptographicHash::Sha256);
}

QString KnownCertificates::Question(const QString& strServer, const QSslCertificate& cert,
                                    const QList<QSslError>& errors, bool bChanged) {
    //: %1 is the server's address.
    QString strText = QCoreApplication::translate(
                          "KnownCertificates",
                          "The ZORV server at %1 sent a certificate that cannot be verified:")
                          .arg(strServer) +
                      QLatin1Char('\n');
    for (const QSslError& error : errors)
        strText += QStringLiteral("- ") + error.errorString() + QLatin1Char('\n');
    //: %1 and %2 name the certificate's owner and issuer, %3 and %4 are dates, %5 the
    //: certificate's digest.
    strText += QLatin1Char('\n') +
               QCoreApplication::translate("KnownCertificates",
                                           "Subject: %1\nIssuer: %2\nValid from %3 to %4\n"
                                           "SHA-256 fingerprint: %5")
                   .arg(DistinguishedName(cert, false), DistinguishedName(cert, true),
                        UtcTime(cert.effectiveDate()), UtcTime(cert.expiryDate()),
                        Fingerprint(Sha256(cert))) +
               QLatin1Char('\n');
    if (bChanged)
        strText += QLatin1Char('\n') +
                   QCoreApplication::translate(
                       "KnownCertificates",
                       "This is not the certificate you accepted for this server before.  A "
                       "server's certificate changes when it is renewed, but also when someone "
                       "else answers in its place.") +
                   QLatin1Char('\n');
    strText += QLatin1Char('\n') +
               QCoreApplication::translate(
                   "KnownCertificates",
                   "Accept this certificate for this server?  Answer Yes only if you know the "
                   "fingerprint is the server's own; it will then be accepted without asking "
                   "until it changes.");
    return strText;
}
