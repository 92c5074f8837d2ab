// The client's readers of the smaller replies: the change feed (ParseTreeChanges), history pages
// (ParseHistoryPayload), the guild's facts (GuildFacts::Parse, with and without the
// administrators' part), its weekly activity (ParseGuildActivity) and the login reply
// (LoginReplyFields, CompareVersion). The first byte of an input chooses the reader; the rest is
// the payload as the server would send it.
//
// Besides the sanitizers, an input fails when a reader gives what it promises never to give: a
// feed read without a revision for each record when it has revisions for some, facts naming a
// member by an id below 1, or a week with negative counts.
#include "GuildActivity.h"
#include "GuildFacts.h"
#include "HistoryPayload.h"
#include "LoginReply.h"
#include "Protocol.h"
#include "TreeChanges.h"

#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void Fail(const char* szWhat) {
    std::fprintf(stderr, "fuzz_payloads: %s\n", szWhat);
    std::abort();
}

void ReadFeed(const QString& strPayload) {
    TreeChanges changes;
    QString strProblem;
    if (!ParseTreeChanges(strPayload, changes, strProblem))
        return;
    if (!changes.revisions.empty() && changes.revisions.size() != changes.changed.size())
        Fail("a feed with revisions for some of its records only");
}

void ReadFacts(const QString& strPayload, bool bAdminPart) {
    std::optional<GuildFacts> facts = GuildFacts::Parse(strPayload, bAdminPart);
    if (!facts)
        return;
    if (!bAdminPart && facts->bAdminPart)
        Fail("an administrators' part read from facts that did not ask for one");
    for (qint16 id : facts->onDefaultPassword)
        if (id < 1)
            Fail("a member on the default password with an id below 1");
    for (const auto& login : facts->adminLogins)
        if (login.first < 1)
            Fail("an administrator's login with an id below 1");
}

void ReadActivity(const QString& strPayload) {
    GuildActivity activity;
    if (!ParseGuildActivity(strPayload, activity))
        return;
    for (const GuildActivity::Week& week : activity.weeks)
        if (week.nJoined < 0 || week.nLeft < 0)
            Fail("a week with a negative count");
    activity.Caveat();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    if (nSize < 1)
        return 0;
    const QString strPayload = QString::fromLatin1(reinterpret_cast<const char*>(pData + 1),
                                                   static_cast<qsizetype>(nSize - 1));
    switch (pData[0] % 6) {
    case 0:
        ReadFeed(strPayload);
        break;
    case 1:
        ParseHistoryPayload(strPayload);
        break;
    case 2:
        ReadFacts(strPayload, false);
        break;
    case 3:
        ReadFacts(strPayload, true);
        break;
    case 4:
        ReadActivity(strPayload);
        break;
    case 5: {
        const QStringList fields = LoginReplyFields(strPayload);
        if (!fields.isEmpty())
            CompareVersion(fields.front());
        break;
    }
    }
    return 0;
}
