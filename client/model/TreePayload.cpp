#include "TreePayload.h"

#include "Characters.h"
#include "Numbers.h"
#include "TreeRecord.h"

#include <QCoreApplication>
#include <algorithm>
#include <charconv>
#include <string>
#include <vector>

namespace {

// The order ReadRecords reads a record's fields in and TreePayloadOf writes them, held to the
// record's table.
constexpr zorv::TreeField kReadOrder[] = {
    zorv::TreeField::Id,   zorv::TreeField::Name,   zorv::TreeField::Level,
    zorv::TreeField::Rank, zorv::TreeField::Patron, zorv::TreeField::Vassals,
    zorv::TreeField::Mule, zorv::TreeField::PK,     zorv::TreeField::Rescue};
constexpr bool InRecordOrder() {
    for (std::size_t i = 0; i < std::size(kReadOrder); ++i)
        if (zorv::kTreeFields[i].field != kReadOrder[i])
            return false;
    return std::size(kReadOrder) == zorv::kTreeFieldCount;
}
static_assert(InRecordOrder(), "the reader takes the tree record's fields in their order");

// The framing is read here, in one run over the characters, rather than through
// zorv::ForEachRecord and FieldViews: the benchmark shows it pays.
//
// Blanks around a record need no trimming of their own here: the id's blanks are trimmed with
// the id, a number reads the same with blanks after it, and the name and the vassal list are
// never first or last in a record of nine fields.

struct Span {
    const char16_t* pBegin;
    const char16_t* pEnd;
    QStringView View() const { return QStringView(pBegin, pEnd); }
    QString Text() const { return QString(reinterpret_cast<const QChar*>(pBegin), pEnd - pBegin); }
};

// The general leading-number rule on a field's Latin-1 text, for anything that is not plain
// decimal; kept out of line so the plain case stays small.
[[gnu::noinline]] qint16 ReadByRule(QStringView field) {
    std::string latin1(static_cast<std::size_t>(field.size()), '?');
    for (qsizetype i = 0; i < field.size(); ++i)
        if (field[i].unicode() <= 0xFF)
            latin1[static_cast<std::size_t>(i)] = static_cast<char>(field[i].unicode());
    return zorv::ReadInt16(latin1);
}

qint16 Saturated(bool bNegative, int iValue) {
    return static_cast<qint16>(std::clamp(bNegative ? -iValue : iValue, -32768, 32767));
}

// Plain decimal, as the server writes every number, without the general rule's floating point;
// anything else (blanks, "+", fractions, exponents, letters) goes to the rule.
qint16 ReadNumber(Span field) {
    const char16_t* p = field.pBegin;
    const bool bNegative = p < field.pEnd && *p == u'-';
    p += bNegative;
    if (field.pEnd - p < 1 || field.pEnd - p > 5)
        return ReadByRule(field.View());
    int iValue = 0;
    for (; p < field.pEnd; ++p) {
        const unsigned uDigit = static_cast<unsigned>(*p) - u'0';
        if (uDigit > 9)
            return ReadByRule(field.View());
        iValue = iValue * 10 + static_cast<int>(uDigit);
    }
    return Saturated(bNegative, iValue);
}

Span TrimBlanks(Span s) {
    while (s.pBegin < s.pEnd && *s.pBegin == u' ')
        ++s.pBegin;
    while (s.pEnd > s.pBegin && s.pEnd[-1] == u' ')
        --s.pEnd;
    return s;
}

// The id's text is the key's; an id written as the convention writes it ("12", "-1") needs no
// key text of its own.
bool ConventionalId(Span idText, qint16 nID) {
    char szId[8];
    const auto written = std::to_chars(szId, szId + sizeof szId, nID);
    if (idText.pEnd - idText.pBegin != written.ptr - szId)
        return false;
    return std::equal(idText.pBegin, idText.pEnd, szId,
                      [](char16_t c, char d) { return c == static_cast<char16_t>(d); });
}

// How a field ended: at a bar (more fields follow), at "!;" (the record's last field), or at
// the end of the payload (no "!;" follows, so this is not a record).
enum class End { Bar, Record, Payload };

struct Cursor {
    const char16_t* p;
    const char16_t* pEnd;
    char16_t uAll = 0; // every character read, or'ed: anything above 0xFF is not Latin-1

    bool RecordEndAt(const char16_t* q) const { return q + 1 < pEnd && q[1] == u';'; }

    // Up to five decimal digits from q on, and their value; returns where they stop.
    const char16_t* Digits(const char16_t* q, int& iValue) const {
        const char16_t* const pDigits = q;
        iValue = 0;
        for (; q < pEnd && q - pDigits < 5; ++q) {
            const unsigned uDigit = static_cast<unsigned>(*q) - u'0';
            if (uDigit > 9)
                break;
            iValue = iValue * 10 + static_cast<int>(uDigit);
        }
        return q;
    }

    End Field(Span& field) {
        for (const char16_t* q = p; q < pEnd; ++q) {
            const char16_t c = *q;
            uAll |= c;
            if (c == u'|' || (c == u'!' && RecordEndAt(q))) {
                field = {p, q};
                p = q + (c == u'|' ? 1 : 2);
                return c == u'|' ? End::Bar : End::Record;
            }
        }
        field = {p, pEnd};
        p = pEnd;
        return End::Payload;
    }

    // The rest of a record after its ninth field.
    End SkipFields() {
        Span rest{};
        End end = End::Bar;
        while (end == End::Bar)
            end = Field(rest);
        return end;
    }

    End Number(qint16& iValue) {
        const bool bNegative = p < pEnd && *p == u'-';
        const char16_t* const pDigits = p + bNegative;
        int iRead = 0;
        const char16_t* const q = Digits(pDigits, iRead);
        if (q > pDigits && q < pEnd && (*q == u'|' || (*q == u'!' && RecordEndAt(q)))) {
            iValue = Saturated(bNegative, iRead);
            p = q + (*q == u'|' ? 1 : 2);
            return *q == u'|' ? End::Bar : End::Record;
        }
        Span field{};
        const End end = Field(field);
        iValue = ReadNumber(field);
        return end;
    }

    // The id, with its text and whether that text is the one the convention writes ("12",
    // "-1"): such an id needs no key text of its own.
    End Id(Span& idText, qint16& nID, bool& bConventional) {
        const bool bNegative = p < pEnd && *p == u'-';
        const char16_t* const pDigits = p + bNegative;
        int iRead = 0;
        const char16_t* const q = Digits(pDigits, iRead);
        if (q > pDigits && q < pEnd && *q == u'|') {
            nID = Saturated(bNegative, iRead);
            bConventional = (q - pDigits == 1 || *pDigits != u'0') &&
                            (bNegative ? iRead != 0 && iRead <= 32768 : iRead <= 32767);
            idText = {p, q};
            p = q + 1;
            return End::Bar;
        }
        Span field{};
        const End end = Field(field);
        idText = TrimBlanks(field);
        nID = ReadNumber(idText);
        bConventional = ConventionalId(idText, nID);
        return end;
    }

    // A vassal list, with its ids read into `ids` when every piece is a plain id; bPlain false
    // for anything else (blanks, signs, leading zeros, ids beyond 16 bits, empty pieces), which
    // the roster then reads from the text.
    End List(Span& field, std::vector<qint16>& ids, bool& bPlain) {
        const std::size_t nBefore = ids.size();
        bPlain = true;
        const char16_t* pPiece = p;
        int iValue = 0;
        auto Piece = [&](const char16_t* q) {
            const qsizetype nDigits = q - pPiece;
            if (nDigits < 1 || nDigits > 5 || (nDigits > 1 && *pPiece == u'0') || iValue > 32767)
                bPlain = false;
            else
                ids.push_back(static_cast<qint16>(iValue));
            pPiece = q + 1;
            iValue = 0;
        };
        for (const char16_t* q = p; q < pEnd; ++q) {
            const char16_t c = *q;
            uAll |= c;
            const unsigned uDigit = static_cast<unsigned>(c) - u'0';
            if (uDigit <= 9) {
                iValue = std::min(iValue * 10 + static_cast<int>(uDigit), 99999);
            } else if (c == u',') {
                Piece(q);
            } else if (c == u'|' || (c == u'!' && RecordEndAt(q))) {
                if (q > p)
                    Piece(q);
                if (!bPlain)
                    ids.resize(nBefore);
                field = {p, q};
                p = q + (c == u'|' ? 1 : 2);
                return c == u'|' ? End::Bar : End::Record;
            } else {
                bPlain = false;
            }
        }
        field = {p, pEnd};
        p = pEnd;
        return End::Payload;
    }
};

// A text the record at the same place held before the download when it reads the same: a
// refresh mostly brings back what was there, and sharing the old text spares an allocation per
// name and per vassal list.
QString Again(const Characters& before, int i, QString Character::*text, Span now) {
    if (i < before.Count() && before.At(i).*text == now.View())
        return before.At(i).*text;
    return now.Text();
}

// The records into the roster, and every character read, or'ed, into uSeen. With bLinks the
// vassal lists are read as well and must form a forest; without, the records stand alone.
QString ReadRecords(const QString& strPayload, const Characters& before, Characters& roster,
                    char16_t& uSeen, bool bLinks = true) {
    Cursor in{reinterpret_cast<const char16_t*>(strPayload.utf16()), nullptr};
    in.pEnd = in.p + strPayload.size();
    // A record takes at least eleven characters, and there are 65536 ids: room reserved and
    // never written costs no memory.
    const auto nMost = std::min<qsizetype>(strPayload.size() / 11 + 1, 65536);
    std::vector<int> vassalCounts;
    vassalCounts.reserve(static_cast<std::size_t>(nMost));
    std::vector<qint16> vassalIds;
    vassalIds.reserve(static_cast<std::size_t>(strPayload.size() / 16));
    roster.Reserve(static_cast<int>(nMost));
    for (int nRecord = 1; in.p < in.pEnd; ++nRecord) {
        Span idText{}, name{}, list{};
        Character c;
        bool bConventional = true, bPlainList = true;
        const std::size_t nIds = vassalIds.size();
        // The fields in the record's order (kReadOrder), each step only while the fields before
        // it ended at a bar.
        End end = in.Id(idText, c.nID, bConventional);
        std::size_t nFields = 1;
        auto Next = [&](auto read) {
            if (end == End::Bar) {
                end = read();
                ++nFields;
            }
        };
        Next([&] { return in.Field(name); });
        Next([&] { return in.Number(c.nLevel); });
        Next([&] { return in.Number(c.nRank); });
        Next([&] { return in.Number(c.nPatronID); });
        Next([&] { return in.List(list, vassalIds, bPlainList); });
        Next([&] { return in.Number(c.iIsMule); });
        Next([&] { return in.Number(c.iIsPK); });
        Next([&] { return in.Number(c.iIsRescueSquadMember); });
        if (end == End::Bar)
            end = in.SkipFields();
        if (end == End::Payload)
            break; // text after the last "!;" is not a record
        uSeen = in.uAll;
        if (nFields < zorv::kTreeFieldCount)
            //: Why a downloaded tree is refused (it follows a colon); %1 is the record's number.
            return QCoreApplication::translate("TreePayload",
                                               "record %1 has fewer than nine fields")
                .arg(nRecord);
        const QString strKey =
            bConventional ? QString() : QStringLiteral("Char") + idText.View().toString();
        if ((bConventional ? roster.IndexOfId(c.nID) : roster.IndexOf(strKey)) >= 0)
            //: Why a downloaded tree is refused (it follows a colon); %1 is a character's id.
            return QCoreApplication::translate("TreePayload", "the id %1 comes twice")
                .arg(idText.View());
        vassalCounts.push_back(bPlainList ? static_cast<int>(vassalIds.size() - nIds) : -1);
        const int iAt = nRecord - 1;
        c.strName = Again(before, iAt, &Character::strName, name);
        c.strVassalIDs = Again(before, iAt, &Character::strVassalIDs, list);
        if (bConventional)
            roster.AddKeyed(std::move(c));
        else
            roster.Add(std::move(c), strKey);
    }
    uSeen = in.uAll;
    if (!bLinks)
        return QString();
    roster.AdoptVassalIds(vassalCounts, vassalIds);
    return roster.LinkProblem();
}

} // namespace

RosterSnapshot ParseTreePayload(const QString& strPayload, QString& strProblem,
                                const Characters& before) {
    char16_t uSeen = 0;
    auto roster = std::make_shared<Characters>();
    strProblem = ReadRecords(strPayload, before, *roster, uSeen);
    if (uSeen > 0xFF) {
        // Wire text is Latin-1: what it cannot carry reads as "?", as it would on the wire.
        roster = std::make_shared<Characters>();
        strProblem =
            ReadRecords(QString::fromLatin1(strPayload.toLatin1()), before, *roster, uSeen);
    }
    if (!strProblem.isEmpty())
        return Characters::Empty();
    return roster;
}

std::vector<Character> ReadTreeRecords(const QString& strPayload, QString& strProblem) {
    char16_t uSeen = 0;
    Characters read;
    strProblem = ReadRecords(strPayload, *Characters::Empty(), read, uSeen, false);
    if (uSeen > 0xFF) {
        read = Characters();
        strProblem = ReadRecords(QString::fromLatin1(strPayload.toLatin1()), *Characters::Empty(),
                                 read, uSeen, false);
    }
    if (!strProblem.isEmpty())
        return {};
    return std::vector<Character>(read.begin(), read.end());
}

QString TreePayloadOf(const Characters& roster) {
    QString strPayload;
    strPayload.reserve(roster.Count() * 32);
    const QChar bar = QLatin1Char('|');
    // In kReadOrder, as the reader takes them.
    for (const Character& c : roster)
        strPayload += QString::number(c.nID) + bar + c.strName + bar + QString::number(c.nLevel) +
                      bar + QString::number(c.nRank) + bar + QString::number(c.nPatronID) + bar +
                      c.strVassalIDs + bar + QString::number(c.iIsMule) + bar +
                      QString::number(c.iIsPK) + bar + QString::number(c.iIsRescueSquadMember) +
                      QLatin1String("!;");
    return strPayload;
}
