// The guild's changes told to its chat channels: what each format carries for each kind of
// change, delivery through failures, rate limits and a killed server, and who may keep targets.
// A receiver on a free loopback port records every request's exact body and plays scripted
// answers.
#include "Harness.h"
#include "Receiver.h"

#include "Delivery.h"

#include <chrono>
#include <optional>
#include <regex>

namespace {

using S = Scene;
using Clock = std::chrono::steady_clock;

std::string AddTarget(const Target& target, const std::string& strUrl, const char* szFormat,
                      const char* szKinds = "joins,departures,moves,security,setup") {
    Answer answer =
        As(target, S::Root, 124, {{"url", strUrl}, {"format", szFormat}, {"kinds", szKinds}});
    EXPECT_EQ(answer.iCode, 800) << answer.strRaw;
    return answer.strPayload;
}

// Times written as "YYYY-MM-DD HH:MM" or "YYYY-MM-DDTHH:MM:SSZ" become "T".
std::string WithoutTimes(const std::string& strBody) {
    static const std::regex kTime(R"j(\d{4}-\d\d-\d\d[ T]\d\d:\d\d(:\d\dZ)?)j");
    return std::regex_replace(strBody, kTime, "T");
}

std::vector<std::string> Ids(const std::vector<Receiver::Arrival>& arrivals) {
    std::vector<std::string> ids;
    for (const Receiver::Arrival& arrival : arrivals)
        ids.push_back(arrival.strDelivery);
    return ids;
}

// The receiver has its request before the sender has its answer: the outbox empties a moment
// after the last arrival.
bool OutboxEmpties(const std::string& strDb) {
    for (int i = 0; i < 200; ++i) {
        if (SqlValue(strDb, "SELECT count(*) FROM notify_outbox") == "0")
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

// Every kind in every format, with the history kept for no day: the messages come from the
// changes themselves, not from the history's record of them.
TEST(Notify, EachFormatTellsEachKindOfChange) {
    ServedScene scene({"--history-days", "0"});
    Receiver receiver;
    for (const char* szFormat : {"discord", "slack", "json"})
        AddTarget(scene.target, receiver.Url(std::string("/") + szFormat), szFormat);
    Sql(scene.strDb, "UPDATE characters SET level = 71 WHERE id = 4");

    ASSERT_EQ(scene.Add(S::Root, S::Self, "Quill Newcomb").iCode, 800); // id 8
    // Patron (with Self, Vassal and Quill below) moves from High to Other.
    ASSERT_EQ(scene.Move(S::Root, S::Patron, S::Other).iCode, 800);
    ASSERT_EQ(scene.Remove(S::Root, S::Other).iCode, 800);
    ASSERT_EQ(scene.Level(S::Root, S::High, "3").iCode, 800);
    ASSERT_EQ(scene
                  .Setup(Form("guildname=Test Guild&use_rescue_squad=1&"
                              "rescue_squad_name=Wardens&defaultpw=newdef1"))
                  .iCode,
              800);

    struct Kind {
        const char* szSentence;
        const char* szJson; // the JSON format's fields after "text"
    };
    const Kind kinds[] = {
        {"Root added Quill Newcomb as vassal of Self (level 71)",
         R"("patron":"Self","patron_level":71)"},
        {"Root moved Patron and 3 followers from High to Other",
         R"("from":"High","to":"Other","followers":3)"},
        {"Root removed Other, vassal of Root, and 4 followers from the guild",
         R"("patron":"Root","followers":4)"},
        {"Root made High an administrator", R"("level":"administrator")"},
        {"Root changed the guild's set-up: the rescue squad's name from \"Lifeguards\" to "
         "\"Wardens\"; a new default password",
         R"("settings":"rescue_squad_name,default_password")"},
    };
    const char* const kKindNames[] = {"joins", "moves", "departures", "security", "setup"};
    const char* const kSubjects[] = {"Quill Newcomb", "Patron", "Other", "High", ""};
    std::vector<Receiver::Arrival> arrivals = receiver.WaitFor(15);
    ASSERT_EQ(arrivals.size(), 15u);
    // Each target hears of the changes in their order, with ids that rise; the targets are sent
    // to side by side.
    std::map<std::string, std::vector<Receiver::Arrival>> byTarget;
    for (const Receiver::Arrival& arrival : arrivals)
        byTarget[arrival.strPath].push_back(arrival);
    for (const auto& [strPath, heard] : byTarget) {
        ASSERT_EQ(heard.size(), 5u) << strPath;
        for (int i = 0; i < 5; ++i) {
            const std::string strQuoted =
                std::regex_replace(std::string(kinds[i].szSentence), std::regex("\""), "\\\"");
            std::string strExpected =
                strPath == "/discord" ? R"j({"content":"**Test Guild**: )j" + strQuoted +
                                            R"j( (T UTC)","allowed_mentions":{"parse":[]}})j"
                : strPath == "/slack"
                    ? R"j({"text":"Test Guild: )j" + strQuoted + R"j( (T UTC)","mrkdwn":false})j"
                    : R"({"id":)" + heard[i].strDelivery + R"(,"guild":"Test Guild","kind":")" +
                          kKindNames[i] + R"(","at":"T","actor":"Root","subject":")" +
                          kSubjects[i] + R"(","text":")" + strQuoted + "\"," + kinds[i].szJson +
                          "}";
            EXPECT_EQ(WithoutTimes(heard[i].strBody), strExpected) << strPath;
            if (i > 0) {
                EXPECT_LT(std::stol(heard[i - 1].strDelivery), std::stol(heard[i].strDelivery));
            }
        }
    }
}

// Each target hears in its own language, taken from the client's translation files: the
// sentences, the followers inside them, and the test message; English where none is named.
TEST(Notify, EachTargetHearsInItsOwnLanguage) {
    ServedScene scene;
    Receiver receiver;
    EXPECT_EQ(As(scene.target, S::Root, 124,
                 Form("url=" + receiver.Url("/xx") + "&format=json&kinds=joins&language=xx"))
                  .iCode,
              1085);
    for (const char* szLanguage : {"en", "de", "fr", "es"})
        ASSERT_EQ(As(scene.target, S::Root, 124,
                     Form("url=" + receiver.Url(std::string("/") + szLanguage) +
                          "&format=json&kinds=joins,departures&language=" + szLanguage))
                      .iCode,
                  800);
    EXPECT_NE(As(scene.target, S::Root, 123).strPayload.find("|de!;"), std::string::npos);
    Sql(scene.strDb, "UPDATE characters SET level = 71 WHERE id = 4");
    ASSERT_EQ(scene.Add(S::Root, S::Self, "Quill").iCode, 800);
    ASSERT_EQ(scene.Remove(S::Root, S::Patron).iCode, 800);
    std::map<std::string, std::vector<std::string>> heard;
    for (const Receiver::Arrival& arrival : receiver.WaitFor(8)) {
        const std::size_t iText = arrival.strBody.find("\"text\":\"") + 8;
        heard[arrival.strPath].push_back(
            arrival.strBody.substr(iText, arrival.strBody.find('"', iText) - iText));
    }
    using Said = std::vector<std::string>;
    EXPECT_EQ(heard["/en"], (Said{"Root added Quill as vassal of Self (level 71)",
                                  "Root removed Patron, vassal of High, and 3 followers from "
                                  "the guild"}));
    EXPECT_EQ(heard["/de"], (Said{"Root hat Quill als Vasallen von Self (Stufe 71) aufgenommen",
                                  "Root hat Patron, Vasall von High, und 3 Gefolgsleute aus der "
                                  "Gilde entfernt"}));
    EXPECT_EQ(heard["/fr"], (Said{"Root a ajouté Quill comme vassal de Self (niveau 71)",
                                  "Root a retiré Patron, vassal de High, et 3 fidèles de la "
                                  "guilde"}));
    EXPECT_EQ(heard["/es"], (Said{"Root añadió a Quill como vasallo de Self (nivel 71)",
                                  "Root quitó a Patron, vasallo de High, y 3 seguidores del "
                                  "gremio"}));
    Answer tested = As(scene.target, S::Root, 126, {{"target", "2"}});
    EXPECT_EQ(tested.iCode, 800) << tested.strRaw;
    const std::vector<Receiver::Arrival> arrivals = receiver.WaitFor(9);
    ASSERT_EQ(arrivals.size(), 9u);
    EXPECT_NE(arrivals.back().strBody.find("Testnachricht von ZORV f\u00fcr Test Guild"),
              std::string::npos)
        << arrivals.back().strBody;
}

// A failure and two rate limits are waited out, and the later message never overtakes.
TEST(Notify, RetriesInOrderAndWaitsOutRateLimits) {
    ServedScene scene;
    Receiver receiver;
    receiver.Script({{500, "", "busy"},
                     {429, "Retry-After: 1\r\n", ""},
                     {429, "", R"({"message":"You are being rate limited.","retry_after":0.4})"}});
    AddTarget(scene.target, receiver.Url("/hook"), "json", "joins");
    ASSERT_EQ(scene.Add(S::Root, S::Self, "Ann").iCode, 800);
    ASSERT_EQ(scene.Add(S::Root, S::Self, "Bea").iCode, 800);

    std::vector<Receiver::Arrival> arrivals = receiver.WaitFor(5);
    ASSERT_EQ(arrivals.size(), 5u);
    const std::string strFirst = arrivals[0].strDelivery;
    EXPECT_EQ(Ids(arrivals), (std::vector<std::string>{strFirst, strFirst, strFirst, strFirst,
                                                       std::to_string(std::stol(strFirst) + 1)}));
    EXPECT_NE(arrivals[0].strBody.find("\"subject\":\"Ann\""), std::string::npos);
    EXPECT_NE(arrivals[4].strBody.find("\"subject\":\"Bea\""), std::string::npos);
    EXPECT_GE(arrivals[2].at - arrivals[1].at, std::chrono::milliseconds(950));
    EXPECT_GE(arrivals[3].at - arrivals[2].at, std::chrono::milliseconds(950));

    // The target shows what it answered last and that it no longer fails.
    ASSERT_TRUE(OutboxEmpties(scene.strDb));
    Answer listed = As(scene.target, S::Root, 123);
    ASSERT_EQ(listed.iCode, 800);
    EXPECT_EQ(listed.strPayload, "1|json|joins|" + receiver.Url("/...") + "||0|0|HTTP 200|en!;");
}

// Kill the server while the receiver holds a message: operations were answered all the while,
// another target was told at once, and after the restart every message arrives, in order, the
// held one once more.
TEST(Notify, AKilledServerDeliversTheRestAfterItsRestart) {
    TempDir dir;
    const std::string strDb = dir.File("guild.db");
    Scene::CreateEmpty(strDb);
    auto server = std::make_unique<ServeTarget>(strDb);
    Scene::Build(*server);
    const SceneOps scene(*server, strDb);
    Receiver receiver;
    receiver.Script({{200, "", "", true}});
    AddTarget(*server, receiver.Url("/hook"), "json", "joins");
    Receiver other;
    AddTarget(*server, other.Url("/hook"), "json", "joins");

    ASSERT_EQ(scene.Add(S::Root, S::Self, "Ann").iCode, 800);
    receiver.WaitFor(1);
    ASSERT_EQ(scene.Add(S::Root, S::Self, "Bea").iCode, 800);
    ASSERT_EQ(scene.Add(S::Root, S::Self, "Cid").iCode, 800);
    EXPECT_EQ(other.WaitFor(3).size(), 3u);
    EXPECT_EQ(receiver.Count(), 1u) << "the receiver answered no one meanwhile";
    server->Kill();
    receiver.Release();

    server = std::make_unique<ServeTarget>(strDb);
    std::vector<Receiver::Arrival> arrivals = receiver.WaitFor(4);
    ASSERT_EQ(arrivals.size(), 4u);
    const long lFirst = std::stol(arrivals[0].strDelivery);
    // The other target's messages have the ids between.
    EXPECT_EQ(Ids(arrivals),
              (std::vector<std::string>{std::to_string(lFirst), std::to_string(lFirst),
                                        std::to_string(lFirst + 2), std::to_string(lFirst + 4)}));
    EXPECT_NE(arrivals[3].strBody.find("\"subject\":\"Cid\""), std::string::npos);
    EXPECT_TRUE(OutboxEmpties(strDb));
}

// Names carry no markdown, mention or link into a chat, and nothing private leaves.
TEST(Notify, NamesArriveEscapedAndNothingPrivateLeaves) {
    ServedScene scene;
    Receiver receiver;
    for (const char* szFormat : {"discord", "slack", "json"})
        AddTarget(scene.target, receiver.Url(std::string("/") + szFormat), szFormat, "joins");
    // A name from a file the server did not write (its own rules allow no such name), private,
    // with real-life details.
    Sql(scene.strDb, "UPDATE characters SET name = 'Zed *x* @here [a](https://evil.example)', "
                     "name_key = 'zed', is_private = 1, email = 'zed@mail.example', "
                     "real_name = 'Zachary Real', icq = '5551234', city_state = 'Hometown' "
                     "WHERE id = 4");
    ASSERT_EQ(scene.Setup(Form("guildname=<@12> ~G~ |s| `c`&use_rescue_squad=0&rescue_squad_name="))
                  .iCode,
              800);
    ASSERT_EQ(scene.Add(S::Root, S::Self, "Quill").iCode, 800);

    std::vector<Receiver::Arrival> arrivals = receiver.WaitFor(3);
    ASSERT_EQ(arrivals.size(), 3u);
    // The targets are told side by side: discord, json, slack.
    std::sort(arrivals.begin(), arrivals.end(),
              [](const Receiver::Arrival& a, const Receiver::Arrival& b) {
                  return a.strPath < b.strPath;
              });
    std::swap(arrivals[1], arrivals[2]);
    const std::string z = "\xe2\x80\x8b"; // a zero-width space
    EXPECT_EQ(WithoutTimes(arrivals[0].strBody),
              R"j({"content":"**\\<@)j" + z +
                  R"j(12\\> \\~G\\~ \\|s\\| \\`c\\`**: Root added Quill )j"
                  R"j(as vassal of Zed \\*x\\* @)j" +
                  z + R"j(here \\[a\\]\\(https\\:)j" + z +
                  R"j(//evil.example\\) (level 0) (T UTC)","allowed_mentions":{"parse":[]}})j");
    EXPECT_EQ(WithoutTimes(arrivals[1].strBody),
              R"j({"text":"&lt;@12&gt; ~G~ |s| `c`: Root added Quill as vassal of Zed *x* )j"
              R"j(@here [a](https://evil.example) (level 0) (T UTC)","mrkdwn":false})j");
    EXPECT_NE(arrivals[2].strBody.find(
                  R"j("patron":"Zed *x* @here [a](https://evil.example)","patron_level":0})j"),
              std::string::npos)
        << arrivals[2].strBody;
    for (const Receiver::Arrival& arrival : arrivals)
        for (const char* szSecret :
             {"zed@", "Zachary", "5551234", "Hometown", "rootpw1", "defpw1", "$argon2"})
            EXPECT_EQ(arrival.strBody.find(szSecret), std::string::npos)
                << szSecret << " in " << arrival.strBody;
}

// An undo is told as the reverse of the change it undid.
TEST(Notify, AnUndoIsToldAsTheReverseOfWhatItUndid) {
    ServedScene scene;
    Receiver receiver;
    AddTarget(scene.target, receiver.Url("/hook"), "json", "joins,departures");
    ASSERT_EQ(scene.Remove(S::Root, S::Self).iCode, 800);
    ASSERT_EQ(scene.Undo(S::Keeper, scene.Value("SELECT max(seq) FROM history")).iCode, 800);
    std::vector<Receiver::Arrival> arrivals = receiver.WaitFor(2);
    ASSERT_EQ(arrivals.size(), 2u);
    EXPECT_NE(arrivals[0].strBody.find(R"("kind":"departures")"), std::string::npos);
    EXPECT_NE(
        WithoutTimes(arrivals[1].strBody)
            .find(
                R"j("kind":"joins","at":"T","actor":"Keeper","subject":"Self","text":"Keeper undid Root's removal of Self and 1 follower","undid":"Root","followers":1})j"),
        std::string::npos)
        << arrivals[1].strBody;
}

// Past the cap the oldest message goes, and the target counts it.
TEST(Notify, TheCapDropsTheOldestAndCountsThem) {
    ServedScene scene;
    // A receiver that is not there: its port was free a moment ago and nobody listens on it.
    std::string strUrl;
    {
        Receiver gone;
        strUrl = gone.Url("/hook");
    }
    AddTarget(scene.target, strUrl, "json", "joins");
    Sql(scene.strDb, "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < "
                     "10000) INSERT INTO notify_outbox(target_id, body, created_at, "
                     "next_attempt_at) SELECT 1, 'old ' || i, 0, 4000000000 FROM n");
    ASSERT_EQ(scene.Add(S::Root, S::Self, "Newest").iCode, 800);
    EXPECT_EQ(SqlValue(scene.strDb, "SELECT queued || ' ' || dropped FROM notify_targets"),
              "10000 1");
    EXPECT_EQ(SqlValue(scene.strDb, "SELECT body FROM notify_outbox ORDER BY id LIMIT 1"), "old 2");
    EXPECT_NE(SqlValue(scene.strDb, "SELECT body FROM notify_outbox ORDER BY id DESC LIMIT 1")
                  .find("Newest"),
              std::string::npos);
    // Failing for a day shows, with when it began; failing for less does not.
    const std::string strNow = SqlValue(scene.strDb, "SELECT strftime('%s', 'now')");
    Sql(scene.strDb, "UPDATE notify_targets SET failing_since = " + strNow + " - 86000");
    EXPECT_EQ(zorv::SplitRecords(As(scene.target, S::Root, 123).strPayload).at(0).at(4), "");
    Sql(scene.strDb, "UPDATE notify_targets SET failing_since = 1");
    EXPECT_EQ(As(scene.target, S::Root, 123).strPayload,
              "1|json|joins|" + strUrl.substr(0, strUrl.size() - 5) +
                  "/...|1970-01-01 00:00:01|10000|1||en!;");
    std::string strOut;
    ASSERT_EQ(RunServerCommand({"notify", "list", "--db", scene.strDb}, &strOut), 0);
    EXPECT_NE(strOut.find("10000 queued, 1 dropped, FAILING since 1970-01-01 00:00:01"),
              std::string::npos)
        << strOut;
}

// What becomes of a message after each kind of answer: only a 2xx delivers it (a redirect is not
// followed, and a webhook missing for a while keeps its queue); a rate limit's Retry-After is
// waited out as asked, up to an hour, and other failures back off.
TEST(Notify, EachAnswerDecidesTheMessagesFate) {
    auto Answered = [](long lStatus, std::optional<std::int64_t> lRetryAfter = std::nullopt) {
        notify::PostResult result;
        result.lStatus = lStatus;
        result.lRetryAfter = lRetryAfter;
        return result;
    };
    using notify::Outcome;
    for (long lStatus : {200L, 204L})
        EXPECT_EQ(notify::Classify(Answered(lStatus)), Outcome::Delivered) << lStatus;
    for (long lStatus : {0L, 301L, 302L, 401L, 404L, 408L, 429L, 500L, 503L})
        EXPECT_EQ(notify::Classify(Answered(lStatus)), Outcome::Retry) << lStatus;
    for (long lStatus : {400L, 413L, 415L, 422L})
        EXPECT_EQ(notify::Classify(Answered(lStatus)), Outcome::Refused) << lStatus;
    EXPECT_EQ(notify::RetryDelay(Answered(429, 1), 3), 1);
    EXPECT_EQ(notify::RetryDelay(Answered(503, 90), 1), 90);
    EXPECT_EQ(notify::RetryDelay(Answered(429, 7200), 1), 3600);
    EXPECT_EQ(notify::RetryDelay(Answered(500, 90), 1), 5); // only 429 and 503 ask for a wait
    EXPECT_EQ(notify::RetryDelay(Answered(500), 3), 20);
    EXPECT_EQ(notify::RetryDelay(Answered(0), 9), 30);
    EXPECT_EQ(notify::RetryDelay(Answered(404), 9), 600);
}

// The messages are written in the change's own transaction: a change whose message cannot be
// written is refused, and not made.
TEST(Notify, AChangeWhoseMessageCannotBeWrittenIsNotMade) {
    ServedScene scene;
    Receiver receiver;
    AddTarget(scene.target, receiver.Url("/hook"), "json", "joins");
    Sql(scene.strDb, "CREATE TRIGGER outbox_full BEFORE INSERT ON notify_outbox "
                     "BEGIN SELECT RAISE(ABORT, 'the outbox is full'); END");
    EXPECT_NE(scene.Add(S::Root, S::Self, "Ann").iCode, 800);
    EXPECT_EQ(SqlValue(scene.strDb, "SELECT count(*) FROM characters WHERE name = 'Ann'"), "0");
    EXPECT_EQ(receiver.Count(), 0u);
}

// A receiver whose error page repeats the address it was asked at: the webhook's secret path
// and token are kept nowhere and shown to no one, the operator included.
TEST(Notify, AnAnswerNeverShowsTheSecret) {
    ServedScene scene;
    Receiver receiver;
    receiver.Script(
        {{404, "", "Cannot POST /api/webhooks/914/S3CR3TKEY?token=T0KEN99 (no route)"}});
    AddTarget(scene.target, receiver.Url("/api/webhooks/914/S3CR3TKEY?token=T0KEN99"), "json",
              "joins");
    ASSERT_EQ(scene.Add(S::Root, S::Self, "Ann").iCode, 800);
    ASSERT_EQ(receiver.WaitFor(1).size(), 1u);
    std::string strListed;
    for (int i = 0; i < 100 && strListed.find("last answer") == std::string::npos; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        strListed.clear();
        RunServerCommand({"notify", "list", "--db", scene.strDb}, &strListed);
    }
    EXPECT_NE(strListed.find("last answer: HTTP 404: Cannot POST ... (no route)"),
              std::string::npos)
        << strListed;
    const std::string strKept =
        SqlValue(scene.strDb, "SELECT group_concat(last_result, ' ') FROM notify_targets");
    for (const std::string& strShown :
         {strListed, strKept, As(scene.target, S::Root, 123).strRaw}) {
        EXPECT_EQ(strShown.find("S3CR3T"), std::string::npos) << strShown;
        EXPECT_EQ(strShown.find("T0KEN"), std::string::npos) << strShown;
    }
    EXPECT_NE(As(scene.target, S::Root, 123).strPayload.find("|HTTP 404|en!;"), std::string::npos);
}

// Without the operator's leave, an administrator can neither add nor test a plain http://
// receiver on the server's machine, which could be any local service; the command line can.
TEST(Notify, LoopbackReceiversAreTheOperatorsToAllow) {
    ServedScene scene({}, false);
    Receiver receiver;
    const std::string strUrl = receiver.Url("/hook");
    Answer refused =
        As(scene.target, S::Root, 124, {{"url", strUrl}, {"format", "json"}, {"kinds", "joins"}});
    EXPECT_EQ(refused.iCode, 1080);
    EXPECT_NE(zorv::UnescapedFields(refused.strPayload)[0].find("no http:// receivers"),
              std::string::npos);
    ASSERT_EQ(RunServerCommand({"notify", "add", "--db", scene.strDb, "--url", strUrl, "--format",
                                "json", "--kinds", "joins"}),
              0);
    Answer tested = As(scene.target, S::Root, 126, {{"target", "1"}});
    EXPECT_EQ(tested.iCode, 1084);
    EXPECT_EQ(receiver.Count(), 0u); // the refusal came before any request
}

// Keeping targets, under serve and as a CGI program: administrators only, the URL checked, the
// test message sent at once, and the CGI program's messages delivered by `notify deliver`.
class NotifyTargets : public SceneTest {};

TEST_P(NotifyTargets, OnlyAdministratorsKeepTargets) {
    Receiver receiver;
    const std::string strUrl = receiver.Url("/hook");
    EXPECT_EQ(As(T(), S::Self, 123).iCode, 988);
    EXPECT_EQ(
        As(T(), S::Self, 124, {{"url", strUrl}, {"format", "json"}, {"kinds", "joins"}}).iCode,
        988);
    struct Refusal {
        const char* szUrl;
        const char* szFormat;
        const char* szKinds;
        int iCode;
    };
    const Refusal refusals[] = {
        {"http://chat.example/hook", "json", "joins", 1080}, // plain HTTP leaves the machine
        // Names a resolver could answer for, however much they look like loopback.
        {"http://127.0.0.1.chat.example/hook", "json", "joins", 1080},
        {"http://127.0.0.1.1:9/x", "json", "joins", 1080},
        {"http://127.256.0.1:9/x", "json", "joins", 1080},
        {"http://127.999999999/x", "json", "joins", 1080},
        {"http://127./x", "json", "joins", 1080},
        {"http://127.0.0.1.:9/x", "json", "joins", 1080},
        {"http://127.0.0.01:9/x", "json", "joins", 1080},
        {"https://chat.example:99999/hook", "json", "joins", 1080},
        {"https://chat.example:0/hook", "json", "joins", 1080},
        {"http://127.0.0.1:-1/x", "json", "joins", 1080},
        {"https://chat.example:/hook", "json", "joins", 1080},
        {"https://me:pw@chat.example/hook", "json", "joins", 1080},
        {"ftp://chat.example/hook", "json", "joins", 1080},
        {"https://chat.example/a b", "json", "joins", 1080},
        {"https://chat.example/hook", "xml", "joins", 1081},
        {"https://chat.example/hook", "json", "joins,parties", 1082},
        {"https://chat.example/hook", "json", "", 1082},
    };
    for (const Refusal& refusal : refusals)
        EXPECT_EQ(
            As(T(), S::Root, 124,
               {{"url", refusal.szUrl}, {"format", refusal.szFormat}, {"kinds", refusal.szKinds}})
                .iCode,
            refusal.iCode)
            << refusal.szUrl << " " << refusal.szFormat << " " << refusal.szKinds;

    EXPECT_EQ(AddTarget(T(), strUrl, "json", "departures,joins,joins"), "1");
    EXPECT_EQ(As(T(), S::Root, 123).strPayload,
              "1|json|departures,joins|" + strUrl.substr(0, strUrl.size() - 5) + "/...||0|0||en!;");
    // The web roster never shows it.
    EXPECT_EQ(RawExchange(T().Port(), "GET " + T().Path() + " HTTP/1.0\r\n\r\n").find("/hook"),
              std::string::npos);

    Answer tested = As(T(), S::Root, 126, {{"target", "1"}});
    EXPECT_EQ(tested.iCode, 800) << tested.strRaw;
    EXPECT_EQ(zorv::UnescapedFields(tested.strPayload), zorv::Fields{"HTTP 200"});
    // Of a receiver's answer the administrator sees its status, never its body.
    receiver.Script({{404, "", R"({"message": "Unknown Webhook", "code": 10015})"}});
    tested = As(T(), S::Root, 126, {{"target", "1"}});
    EXPECT_EQ(tested.iCode, 1084);
    EXPECT_EQ(zorv::UnescapedFields(tested.strPayload), zorv::Fields{"HTTP 404"});
    std::vector<Receiver::Arrival> arrivals = receiver.WaitFor(2);
    EXPECT_EQ(arrivals[0].strDelivery, "test");
    EXPECT_EQ(WithoutTimes(arrivals[0].strBody),
              R"({"id":0,"guild":"Test Guild","kind":"test","at":"T","actor":"","subject":"",)"
              R"("text":"Test message from ZORV for Test Guild"})");

    ASSERT_EQ(Add(S::Root, S::Self, "Quill").iCode, 800);
    if (GetParam() != "serve") {
        std::string strOut;
        EXPECT_EQ(RunServerCommand({"notify", "deliver", "--db", m_strDb}, &strOut), 0);
        EXPECT_EQ(strOut, "1 delivered, 0 waiting\n");
    }
    arrivals = receiver.WaitFor(3);
    EXPECT_NE(arrivals.back().strBody.find("\"subject\":\"Quill\""), std::string::npos);

    EXPECT_EQ(As(T(), S::Self, 125, {{"target", "1"}}).iCode, 988);
    EXPECT_EQ(As(T(), S::Root, 125, {{"target", "1"}}).iCode, 800);
    EXPECT_EQ(As(T(), S::Root, 125, {{"target", "1"}}).iCode, 1083);
    EXPECT_EQ(As(T(), S::Root, 123).strPayload, "");

    // At most twenty targets, whether added by an administrator or on the command line.
    for (int i = 0; i < 19; ++i)
        ASSERT_EQ(
            As(T(), S::Root, 124, {{"url", strUrl}, {"format", "json"}, {"kinds", "joins"}}).iCode,
            800);
    std::string strErr;
    ASSERT_EQ(RunServerCommand({"notify", "add", "--db", m_strDb, "--url", strUrl, "--format",
                                "slack", "--kinds", "joins"}),
              0);
    EXPECT_EQ(RunServerCommand({"notify", "add", "--db", m_strDb, "--url", strUrl, "--format",
                                "slack", "--kinds", "joins"},
                               nullptr, &strErr),
              1);
    EXPECT_NE(strErr.find("at most 20"), std::string::npos) << strErr;
    Answer full = As(T(), S::Root, 124, {{"url", strUrl}, {"format", "json"}, {"kinds", "joins"}});
    EXPECT_EQ(full.iCode, 1080);
    EXPECT_EQ(zorv::UnescapedFields(full.strPayload)[0],
              "the guild sends to at most 20 targets; remove one first");
}

INSTANTIATE_TEST_SUITE_P(Server, NotifyTargets, ::testing::Values("serve", "cgi"));

} // namespace
