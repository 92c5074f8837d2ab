#include "TreePayload.h"

#include "Characters.h"
#include "Numbers.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <vector>

namespace {

// The payload's framing read here rather than through zorv::ForEachRecord and FieldViews: one
// run over the characters finds a record's bars and its end, which the benchmark shows pays.
constexpr char16_t kBar = u'|';
constexpr char16_t kBlank = u' ';
constexpr int kFields = 9;

struct Span {
    const char16_t* pBegin;
    const char16_t* pEnd;
    qsizetype Size() const { return pEnd - pBegin; }
    QStringView View() const { return QStringView(pBegin, pEnd); }
    QString Text() const { return QString(reinterpret_cast<const QChar*>(pBegin), Size()); }
};

Span TrimBlanks(Span s) {
    while (s.pBegin < s.pEnd && *s.pBegin == kBlank)
        ++s.pBegin;
    while (s.pEnd > s.pBegin && s.pEnd[-1] == kBlank)
        --s.pEnd;
    return s;
}

// A vassal list of plain ids ("12,7,30"), read into ids; false for anything else (blanks, signs,
// leading zeros, ids beyond 16 bits, empty pieces), which the roster then reads from the text.
bool ReadPlainIds(Span list, std::vector<qint16>& ids) {
    if (list.Size() == 0)
        return true;
    const std::size_t nBefore = ids.size();
    const char16_t* p = list.pBegin;
    while (true) {
        const char16_t* pPiece = p;
        int iValue = 0;
        for (; p < list.pEnd && *p != u',' && p - pPiece < 5; ++p) {
            if (*p < u'0' || *p > u'9')
                break;
            iValue = iValue * 10 + (*p - u'0');
        }
        const bool bPiece = p > pPiece && (p == list.pEnd || *p == u',') &&
                            (p - pPiece == 1 || *pPiece != u'0') && iValue <= 32767;
        if (!bPiece) {
            ids.resize(nBefore);
            return false;
        }
        ids.push_back(static_cast<qint16>(iValue));
        if (p == list.pEnd)
            return true;
        ++p;
    }
}

// The general leading-number rule on a field's Latin-1 text, for anything that is not plain
// decimal; kept out of line so the plain case stays small.
[[gnu::noinline]] qint16 ReadByRule(QStringView field) {
    std::string latin1(static_cast<std::size_t>(field.size()), '?');
    for (qsizetype i = 0; i < field.size(); ++i)
        if (field[i].unicode() <= 0xFF)
            latin1[static_cast<std::size_t>(i)] = static_cast<char>(field[i].unicode());
    return zorv::ReadInt16(latin1);
}

// Plain decimal, as the server writes every number, without the general rule's floating point;
// anything else (blanks, "+", fractions, exponents, letters) goes to the rule.
inline qint16 ReadNumber(QStringView field) {
    const char16_t* p = field.utf16();
    const char16_t* const pEnd = p + field.size();
    const bool bNegative = p < pEnd && *p == u'-';
    p += bNegative;
    const qsizetype nDigits = pEnd - p;
    if (nDigits < 1 || nDigits > 5)
        return ReadByRule(field);
    int iValue = 0;
    for (; p < pEnd; ++p) {
        const unsigned uDigit = static_cast<unsigned>(*p) - u'0';
        if (uDigit > 9)
            return ReadByRule(field);
        iValue = iValue * 10 + static_cast<int>(uDigit);
    }
    return static_cast<qint16>(std::clamp(bNegative ? -iValue : iValue, -32768, 32767));
}

// The id's text is the key's; an id written as the convention writes it ("12", "-1") needs no
// key text of its own.
bool ConventionalId(Span idText, qint16 nID) {
    char szId[8];
    const auto written = std::to_chars(szId, szId + sizeof szId, nID);
    const qsizetype nLength = written.ptr - szId;
    if (idText.Size() != nLength)
        return false;
    for (qsizetype i = 0; i < nLength; ++i)
        if (idText.pBegin[i] != static_cast<char16_t>(szId[i]))
            return false;
    return true;
}

QString ParseLatin1(const QString& strPayload, Characters& roster, char16_t& uSeen) {
    const char16_t* p = reinterpret_cast<const char16_t*>(strPayload.utf16());
    const char16_t* const pEnd = p + strPayload.size();
    // A record takes at least eleven characters, and there are 65536 ids: room reserved and
    // never written costs no memory. The room is taken before the old roster goes, so that
    // the names' memory comes from the names it frees.
    const auto nMost = std::min<qsizetype>(strPayload.size() / 11 + 1, 65536);
    std::vector<int> vassalCounts;
    vassalCounts.reserve(static_cast<std::size_t>(nMost));
    std::vector<qint16> vassalIds;
    vassalIds.reserve(static_cast<std::size_t>(strPayload.size() / 16));
    roster.Clear();
    roster.Reserve(static_cast<int>(nMost));
    // Every character seen, or'ed: the caller reads the payload again if one is not Latin-1.
    char16_t uAll = 0;
    int nRecord = 0;
    while (true) {
        // The record runs to the next "!;"; text after the last one is not a record.
        const char16_t* bars[kFields];
        int nBars = 0;
        const char16_t* q = p;
        for (; q < pEnd; ++q) {
            const char16_t c = *q;
            uAll |= c;
            if (c == kBar) {
                if (nBars < kFields)
                    bars[nBars++] = q;
            } else if (c == u'!' && q + 1 < pEnd && q[1] == u';') {
                break;
            }
        }
        if (q >= pEnd)
            break;
        ++nRecord;
        const Span record = TrimBlanks({p, q});
        p = q + 2;
        uSeen = uAll;
        if (nBars < kFields - 1)
            return QStringLiteral("record %1 has fewer than nine fields").arg(nRecord);
        // Blanks around a record are not among its bars, so the bars stand within it.
        Span fields[kFields];
        for (int k = 0; k < kFields; ++k)
            fields[k] = {k == 0 ? record.pBegin : bars[k - 1] + 1,
                         k < nBars ? bars[k] : record.pEnd};
        const Span idText = TrimBlanks(fields[0]);
        const qint16 nID = ReadNumber(idText.View());
        const bool bConventional = ConventionalId(idText, nID);
        const QString strKey =
            bConventional ? QString() : QStringLiteral("Char") + idText.View().toString();
        if ((bConventional ? roster.IndexOfId(nID) : roster.IndexOf(strKey)) >= 0)
            return QStringLiteral("the id %1 comes twice").arg(idText.View());
        const qint16 values[] = {ReadNumber(fields[2].View()), ReadNumber(fields[3].View()),
                                 ReadNumber(fields[4].View()), ReadNumber(fields[6].View()),
                                 ReadNumber(fields[7].View()), ReadNumber(fields[8].View())};
        const std::size_t nIds = vassalIds.size();
        vassalCounts.push_back(
            ReadPlainIds(fields[5], vassalIds) ? static_cast<int>(vassalIds.size() - nIds) : -1);
        if (bConventional)
            roster.AddKeyed(nID, fields[1].Text(), values[0], values[1], values[2],
                            fields[5].Text(), values[3], values[4], values[5]);
        else
            roster.Add(nID, fields[1].Text(), values[0], values[1], values[2], fields[5].Text(),
                       values[3], values[4], values[5], strKey);
    }
    uSeen = uAll;
    roster.AdoptVassalIds(vassalCounts, vassalIds);
    return roster.LinkProblem();
}

} // namespace

qint16 ReadTreeNumber(QStringView field) {
    return ReadNumber(field);
}

QString ParseTreePayload(const QString& strPayload, Characters& roster) {
    char16_t uSeen = 0;
    QString strProblem = ParseLatin1(strPayload, roster, uSeen);
    if (uSeen > 0xFF) {
        // Wire text is Latin-1: what it cannot carry reads as "?", as it would on the wire.
        strProblem = ParseLatin1(QString::fromLatin1(strPayload.toLatin1()), roster, uSeen);
    }
    if (!strProblem.isEmpty())
        roster.Clear();
    return strProblem;
}
