#include "PseudoLanguage.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <functional>

namespace pseudo {

namespace {

const QString kLower = QStringLiteral(
    "\u00e5\u0180\u00e7\u0111\u00e9\u0192\u011d\u0125\u00ee\u0135\u0137\u013c\u0271\u00f1\u00f6"
    "\u00fe\u02a0\u0155\u0161\u0163\u00fb\u1e7d\u0175\u1e8b\u00fd\u017e");
const QString kUpper = QStringLiteral(
    "\u00c5\u0181\u00c7\u0110\u00c9\u0191\u011c\u0124\u00ce\u0134\u0136\u013b\u1e40\u00d1\u00d6"
    "\u00de\u01ea\u0154\u0160\u0162\u00db\u1e7c\u0174\u1e8a\u00dd\u017d");

QChar Accented(QChar c) {
    if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
        return kLower[c.unicode() - 'a'];
    if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
        return kUpper[c.unicode() - 'A'];
    return c;
}

// The text of the element the reader is at, with lupdate's <byte value="xd"/> for characters XML
// cannot hold as text.
QString ElementText(QXmlStreamReader& in) {
    QString strText;
    int iDepth = 1;
    while (iDepth > 0 && !in.atEnd()) {
        in.readNext();
        if (in.isCharacters()) {
            strText += in.text();
        } else if (in.isStartElement()) {
            ++iDepth;
            if (in.name() == QLatin1String("byte"))
                strText +=
                    QChar(in.attributes().value(QLatin1String("value")).mid(1).toUInt(nullptr, 16));
        } else if (in.isEndElement()) {
            --iDepth;
        }
    }
    return strText;
}

} // namespace

QString Translate(const QString& strSource) {
    QString strOut = QStringLiteral("[");
    for (qsizetype i = 0; i < strSource.size(); ++i) {
        const QChar c = strSource[i];
        if (c == QLatin1Char('%')) { // %1, %L1, %n: kept whole
            strOut += c;
            while (i + 1 < strSource.size() &&
                   (strSource[i + 1].isDigit() || strSource[i + 1] == QLatin1Char('L') ||
                    strSource[i + 1] == QLatin1Char('n')))
                strOut += strSource[++i];
        } else if (c == QLatin1Char('<')) { // a tag, kept whole
            const qsizetype iEnd = strSource.indexOf(QLatin1Char('>'), i);
            const qsizetype iStop = iEnd < 0 ? strSource.size() : iEnd + 1;
            strOut += strSource.mid(i, iStop - i);
            i = iStop - 1;
        } else if (c == QLatin1Char('&') && i + 1 < strSource.size()) {
            // The accelerator and its letter, or "&&" and "&amp;"-like entities, as they are.
            const qsizetype iEnd = strSource.indexOf(QLatin1Char(';'), i);
            if (iEnd > i && iEnd - i < 8 &&
                !strSource.mid(i + 1, iEnd - i - 1).contains(QLatin1Char(' '))) {
                strOut += strSource.mid(i, iEnd - i + 1);
                i = iEnd;
            } else {
                strOut += c;
                strOut += strSource[++i];
            }
        } else {
            strOut += Accented(c);
        }
    }
    const auto nLonger = (strSource.size() * 2 + 4) / 5;
    return strOut + QString(nLonger, QLatin1Char('~')) + QLatin1Char(']');
}

bool HoldsEnglish(const QString& strShown, const QStringList& data) {
    QString strRest = strShown;
    for (const QString& strData : data)
        if (!strData.isEmpty())
            strRest.replace(strData, QStringLiteral(" "));
    static const QRegularExpression kWord(QStringLiteral("[A-Za-z]{2,}"));
    return kWord.match(strRest).hasMatch();
}

namespace {

QList<QRegularExpression> SourcePatterns(const QString& strTs) {
    QList<QRegularExpression> sources;
    QFile file(strTs);
    if (!file.open(QIODevice::ReadOnly))
        return sources;
    QXmlStreamReader in(&file);
    static const QRegularExpression kPlaceholder(QStringLiteral("%L?[0-9n]"));
    while (!in.atEnd()) {
        in.readNext();
        if (!in.isStartElement() ||
            (in.name() != QLatin1String("source") && in.name() != QLatin1String("numerusform")))
            continue;
        const QString strSource = ElementText(in);
        // A source of placeholders and punctuation alone ("%1:") would pass any text.
        static const QRegularExpression kWord(QStringLiteral("[A-Za-z]{2,}"));
        if (!kWord.match(QString(strSource).remove(kPlaceholder)).hasMatch())
            continue;
        QString strPattern;
        qsizetype iAt = 0;
        for (auto match = kPlaceholder.globalMatch(strSource); match.hasNext();) {
            const QRegularExpressionMatch found = match.next();
            strPattern +=
                QRegularExpression::escape(strSource.mid(iAt, found.capturedStart() - iAt)) +
                QStringLiteral(".*");
            iAt = found.capturedEnd();
        }
        strPattern += QRegularExpression::escape(strSource.mid(iAt));
        sources << QRegularExpression(QStringLiteral("\\A(?:") + strPattern +
                                          QStringLiteral(")\\z"),
                                      QRegularExpression::DotMatchesEverythingOption);
    }
    return sources;
}

} // namespace

QString NotTranslatable(const QString& strShown, const QString& strTs) {
    static const QList<QRegularExpression> kSources = SourcePatterns(strTs);
    auto Known = [](const QString& strText) {
        if (strText.trimmed().isEmpty() || strText == QLatin1String("ZORV") ||
            strText.startsWith(QLatin1String("- ")))
            return true;
        for (const QRegularExpression& source : kSources)
            if (source.match(strText).hasMatch())
                return true;
        return false;
    };
    // The text whole, else its pieces at the first kind of join it holds: each run of pieces
    // that makes a source, longest first.
    std::function<QString(const QString&, int)> Unknown = [&](const QString& strText, int iJoin) {
        static const QString kJoins[] = {QStringLiteral("\r\n\r\n"), QStringLiteral("\n\n"),
                                         QStringLiteral("\n"), QStringLiteral("  ")};
        if (Known(strText))
            return QString();
        for (; iJoin < 4; ++iJoin)
            if (strText.contains(kJoins[iJoin]))
                break;
        if (iJoin == 4)
            return strText;
        const QStringList pieces = strText.split(kJoins[iJoin]);
        for (qsizetype iStart = 0; iStart < pieces.size();) {
            qsizetype iEnd = pieces.size();
            while (iEnd > iStart + 1 &&
                   !Known(pieces.mid(iStart, iEnd - iStart).join(kJoins[iJoin])))
                --iEnd;
            const QString strRun = pieces.mid(iStart, iEnd - iStart).join(kJoins[iJoin]);
            if (iEnd == iStart + 1)
                if (QString strLeft = Unknown(strRun, iJoin + 1); !strLeft.isEmpty())
                    return strLeft;
            iStart = iEnd;
        }
        return QString();
    };
    return Unknown(strShown, 0);
}

bool Install(const QString& strTs, const QString& strFolder, QString& strWhy) {
    QFile source(strTs);
    if (!source.open(QIODevice::ReadOnly)) {
        strWhy = QStringLiteral("cannot read ") + strTs;
        return false;
    }
    const QString strPseudoTs = strFolder + QStringLiteral("/zorv_pseudo.ts");
    QFile target(strPseudoTs);
    if (!target.open(QIODevice::WriteOnly)) {
        strWhy = QStringLiteral("cannot write ") + strPseudoTs;
        return false;
    }
    // The .ts copied element for element, each message's translation (or plural forms) replaced
    // by the pseudo-translation of its source.
    QXmlStreamReader in(&source);
    QXmlStreamWriter out(&target);
    out.setAutoFormatting(true);
    QString strSource;
    bool bNumerus = false;
    while (!in.atEnd()) {
        in.readNext();
        if (in.isStartDocument()) {
            out.writeStartDocument();
        } else if (in.isDTD()) {
            out.writeDTD(in.text().toString());
        } else if (in.isStartElement()) {
            if (in.name() == QLatin1String("message")) {
                bNumerus = in.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
                out.writeStartElement(QStringLiteral("message"));
                if (bNumerus)
                    out.writeAttribute(QStringLiteral("numerus"), QStringLiteral("yes"));
            } else if (in.name() == QLatin1String("source")) {
                strSource = ElementText(in);
                out.writeTextElement(QStringLiteral("source"), strSource);
            } else if (in.name() == QLatin1String("translation")) {
                in.skipCurrentElement();
                out.writeStartElement(QStringLiteral("translation"));
                if (bNumerus) {
                    out.writeTextElement(QStringLiteral("numerusform"), Translate(strSource));
                    out.writeTextElement(QStringLiteral("numerusform"), Translate(strSource));
                } else {
                    out.writeCharacters(Translate(strSource));
                }
                out.writeEndElement();
            } else if (in.name() == QLatin1String("TS")) {
                out.writeStartElement(QStringLiteral("TS"));
                out.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
                out.writeAttribute(QStringLiteral("language"), QStringLiteral("de"));
            } else {
                out.writeStartElement(in.name().toString());
                out.writeAttributes(in.attributes());
            }
        } else if (in.isEndElement()) {
            out.writeEndElement();
        } else if (in.isCharacters() && !in.isWhitespace()) {
            out.writeCharacters(in.text().toString());
        }
    }
    out.writeEndDocument();
    target.close();
    if (in.hasError()) {
        strWhy = strTs + QStringLiteral(": ") + in.errorString();
        return false;
    }
    const QString strQm = strFolder + QStringLiteral("/zorv_pseudo.qm");
    QProcess lrelease;
    lrelease.start(qEnvironmentVariable("ZORV_LRELEASE"),
                   {strPseudoTs, QStringLiteral("-qm"), strQm});
    if (!lrelease.waitForFinished(60000) || lrelease.exitCode() != 0) {
        strWhy = QStringLiteral("lrelease failed: ") +
                 QString::fromLocal8Bit(lrelease.readAllStandardError());
        return false;
    }
    static QTranslator translator;
    QCoreApplication::removeTranslator(&translator);
    if (!translator.load(strQm)) {
        strWhy = QStringLiteral("cannot load ") + strQm;
        return false;
    }
    QCoreApplication::installTranslator(&translator);
    return true;
}

} // namespace pseudo
