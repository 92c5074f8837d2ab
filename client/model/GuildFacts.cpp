#include "GuildFacts.h"

#include "Escape.h"
#include "Numbers.h"
#include "Records.h"

namespace {

QString Field(std::string_view field) {
    const std::string strText = zorv::UnescapeValue(field);
    return QString::fromLatin1(strText.data(), static_cast<qsizetype>(strText.size()));
}

std::optional<long> Number(std::string_view field) {
    return zorv::ParseWholeNumber(std::string(zorv::TrimBlanks(field)));
}

std::optional<qint16> Id(std::string_view field) {
    std::optional<long> lId = Number(field);
    if (!lId || *lId < 1 || *lId > 32767)
        return std::nullopt;
    return static_cast<qint16>(*lId);
}

} // namespace

std::optional<GuildFacts> GuildFacts::Parse(const QString& strPayload, bool bAdminPart) {
    const QByteArray bytes = strPayload.toLatin1();
    GuildFacts facts;
    facts.bAdminPart = bAdminPart;
    // One record a member, so the table is made its full size once rather than grown.
    facts.members.reserve(bytes.count("!;"));
    bool bCapSeen = false;
    bool bSound = true;
    std::vector<std::string_view> fields;
    zorv::ForEachRecord(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                        [&](std::string_view record) {
                            if (!bSound)
                                return;
                            zorv::FieldViews(record, fields);
                            if (!bCapSeen) {
                                std::optional<long> lCap = Number(fields[0]);
                                bSound = fields.size() == 1 && lCap && *lCap > 0;
                                facts.nVassalCap = bSound ? static_cast<int>(*lCap) : 0;
                                bCapSeen = true;
                                return;
                            }
                            // 0: no id (an id is 1 to 32767).
                            const qint16 id =
                                fields.size() > 1 ? Id(fields[1]).value_or(qint16(0)) : 0;
                            if (fields[0] == "D" && fields.size() == 2 && id) {
                                facts.onDefaultPassword << id;
                            } else if (fields[0] == "L" && fields.size() == 3 && id) {
                                facts.adminLogins << qMakePair(id, Field(fields[2]));
                            } else if (fields.size() == 7 && Id(fields[0])) {
                                MemberFacts& member = facts.members[*Id(fields[0])];
                                member.nRace = static_cast<qint16>(Number(fields[1]).value_or(0));
                                member.nSex = static_cast<qint16>(Number(fields[2]).value_or(0));
                                member.nFollowersEntered =
                                    static_cast<int>(Number(fields[3]).value_or(0));
                                member.bMule = Number(fields[4]).value_or(0) == 1;
                                member.strMainChar = Field(fields[5]);
                                member.strModifiedAt = Field(fields[6]);
                            } else {
                                bSound = false;
                            }
                        });
    if (!bSound || !bCapSeen)
        return std::nullopt;
    return facts;
}
