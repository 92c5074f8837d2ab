// zorv-server: the guild's server. Run standalone with `serve`, or let a web server start it as
// a CGI program (GATEWAY_INTERFACE set; the database named by ZORV_DB).
#include "Delivery.h"
#include "Demo.h"
#include "Dump.h"
#include "Front.h"
#include "GuildFiles.h"
#include "HistoryStore.h"
#include "Latin1.h"
#include "Notices.h"
#include "NotifyStore.h"
#include "ServerTranslations.h"
#include "Store.h"
#include "Text.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

const char kUsage[] =
    "usage: zorv-server COMMAND [OPTIONS]\n"
    "\n"
    "commands:\n"
    "  serve   --db FILE [--listen HOST:PORT] [--path /zorv] [--header-seconds 10]\n"
    "          [--per-address 32] [--held-per-address 256] [--held-in-all 1200]\n"
    "          [--connections 2000] [--workers 8]\n"
    "          [--tls-cert FILE --tls-key FILE] [--history-days all|N] [--no-web]\n"
    "          [--loopback-receivers] [--trusted-proxy ADDRESS,...]\n"
    "          answer the client over HTTP (default 127.0.0.1:8080, path /zorv), or\n"
    "          over HTTPS with a certificate and key; browsers get the guild's web\n"
    "          roster at the same path unless --no-web\n"
    "  serve   --guilds DIR [--idle-seconds 300] [the options above but --path]\n"
    "          host every guild DIR/GUILD.db at /GUILD/zorv, its roster at /GUILD/\n"
    "  guild   add|remove|rename|list --guilds DIR\n"
    "          the guilds of a host\n"
    "  init    --db FILE            a new, empty guild; the first login sets it up\n"
    "  demo    --db FILE            a new demo guild of 50 members; prints how to log in\n"
    "  seed    --db FILE --members N --shape wide|chain|random\n"
    "          a new generated guild of N members (up to 32767) for benchmarks\n"
    "  backup  --db FILE            write the guild's dump to standard output\n"
    "  restore --db FILE DUMP       rebuild the guild in FILE from a dump file\n"
    "  history --db FILE [--count 50]\n"
    "          print the guild's most recent changes\n"
    "  notify  list|add|remove|test|deliver --db FILE\n"
    "          the chat channels (Discord, Slack, any JSON receiver) told of the\n"
    "          guild's changes; deliver sends what is due (a timer runs it under a\n"
    "          web server; serve delivers by itself)\n"
    "\n"
    "Started by a web server (GATEWAY_INTERFACE set), it answers one request as a CGI\n"
    "program, on the database that ZORV_DB names, or on the guild of ZORV_GUILDS that\n"
    "the path after the program's names (ZORV_NO_WEB=1: no web roster).\n"
    "Each command takes --help.\n";

const std::map<std::string, std::string> kCommandHelp = {
    {"serve", "usage: zorv-server serve --db FILE [--listen HOST:PORT] [--path /zorv]\n"
              "       zorv-server serve --guilds DIR [--idle-seconds 300] [--listen HOST:PORT]\n"
              "                         [--header-seconds 10] [--per-address 32] [--workers 8]\n"
              "                         [--held-per-address 256] [--held-in-all 1200]\n"
              "                         [--connections 2000]\n"
              "                         [--tls-cert FILE --tls-key FILE] [--no-web]\n"
              "                         [--loopback-receivers] [--trusted-proxy ADDRESS,...]\n"
              "Answers the ZORV client over HTTP until SIGINT or SIGTERM. Port 0 picks a free\n"
              "port; the first line printed names the address. A request's header must arrive\n"
              "within --header-seconds of its connection; one address holds at most\n"
              "--per-address connections; --workers threads run the requests (two more\n"
              "serve the web roster's pages). A client watching the tree for changes is held\n"
              "open without a thread until one comes; an address may have --held-per-address\n"
              "of those besides its --per-address connections, and the server --held-in-all\n"
              "(at least 100 below its --connections in all, so that held watches never take\n"
              "the ones others need); a watch over either is answered at once and asks again\n"
              "later. A connection past an address's --per-address is let in only for a watch:\n"
              "it must send its request within 3 s, and any other request gets 503.\n"
              "With --tls-cert (a PEM certificate, its chain after it) and --tls-key (its\n"
              "unencrypted PEM private key) it speaks HTTPS only; give both or neither.\n"
              "--history-days keeps that many days of change history (\"all\", the default,\n"
              "keeps everything; 0 records none). Under a web server, ZORV_HISTORY_DAYS does\n"
              "the same.\n"
              "A browser that asks for the path (GET) gets the guild's read-only web roster;\n"
              "--no-web refuses it, as the CGI program does with ZORV_NO_WEB=1.\n"
              "--loopback-receivers lets administrators add and test chat receivers in plain\n"
              "http:// on this machine (127.x.y.z, localhost, [::1]); without it they may use\n"
              "https:// only, as such a receiver could be any local service. Under a web\n"
              "server, ZORV_LOOPBACK_RECEIVERS=1 does the same. `notify add` always may.\n"
              "With --guilds instead of --db it hosts every guild file DIR/GUILD.db (GUILD:\n"
              "lower-case letters, digits and hyphens): the client's address is\n"
              "http://HOST:PORT/GUILD/zorv, the roster's http://HOST:PORT/GUILD/. A guild added\n"
              "with `guild add` is served at once. A guild is opened at its first request and\n"
              "closed after --idle-seconds without one. The guilds share the workers and the\n"
              "held watches, one guild taking at most half of either at once, and one sender\n"
              "of chat notifications.\n"
              "--trusted-proxy names the reverse proxies (IP addresses, comma-separated) whose\n"
              "X-Forwarded-For says who the client is: the limits an address then count the\n"
              "client's address, not the proxy's. From any other address the header is\n"
              "ignored.\n"},
    {"guild", "usage: zorv-server guild list --guilds DIR\n"
              "       zorv-server guild add --guilds DIR GUILD\n"
              "       zorv-server guild remove --guilds DIR GUILD\n"
              "       zorv-server guild rename --guilds DIR GUILD NEW\n"
              "Keeps the guilds of a host (serve --guilds DIR), each in DIR/GUILD.db. add makes\n"
              "an empty guild, as init does: its first login sets it up. remove writes the\n"
              "guild's dump to DIR/removed/GUILD-TIME.dump (restore it with restore) and takes\n"
              "the guild away. rename moves the guild to its new address. A running server\n"
              "follows each at the guild's next request. GUILD is 1 to 63 lower-case letters,\n"
              "digits and hyphens, not beginning with a hyphen.\n"},
    {"init", "usage: zorv-server init --db FILE\nCreates a new, empty guild database.\n"},
    {"demo", "usage: zorv-server demo --db FILE\n"
             "Creates a set-up demo guild of 50 members and prints how to log in.\n"},
    {"seed", "usage: zorv-server seed --db FILE --members N --shape wide|chain|random\n"
             "Creates a set-up guild of N members (1 to 32767) for benchmarks.\n"},
    {"history", "usage: zorv-server history --db FILE [--count 50]\n"
                "Prints the guild's most recent changes, newest first: when (UTC), who, what,\n"
                "and each value old -> new.\n"},
    {"notify",
     "usage: zorv-server notify list --db FILE\n"
     "       zorv-server notify add --db FILE --url URL --format discord|slack|json\n"
     "                          --kinds joins,departures,moves,security,setup\n"
     "                          [--language en|de|fr|es]\n"
     "       zorv-server notify remove --db FILE --target ID\n"
     "       zorv-server notify test --db FILE --target ID\n"
     "       zorv-server notify deliver --db FILE\n"
     "       zorv-server notify deliver --guilds DIR\n"
     "Keeps the targets that hear of the guild's changes: a Discord or Slack webhook URL,\n"
     "or any https:// receiver of plain JSON (http:// only to 127.0.0.1, localhost or\n"
     "[::1]), and the kinds of change each hears of: joins, departures (with the branch\n"
     "that left), moves (patron changes), security (administrators made or unmade) and\n"
     "setup, in the target's language (English unless --language names another). A\n"
     "message is written with its change and kept until its target takes it;\n"
     "each carries an id (header X-ZORV-Delivery) that a receiver drops repeats by.\n"
     "list shows each target with its URL masked but for the host, its queue, what it\n"
     "last answered, and since when it has failed when it has failed for a day. test\n"
     "sends a test message at once and prints the answer. deliver sends whatever is due\n"
     "and exits: `serve` delivers by itself, and under a web server the packaged\n"
     "zorv-server-notify.timer runs it every minute. With --guilds it delivers for every\n"
     "guild of a host's folder (ZORV_GUILDS under a web server).\n"},
    {"backup",
     "usage: zorv-server backup --db FILE\nWrites the guild's dump to standard output.\n"},
    {"restore",
     "usage: zorv-server restore --db FILE DUMP\n"
     "Replaces the guild in FILE by the one in DUMP (a backup, or a file the client\n"
     "saved). The whole dump is checked first: a dump that is cut short or does not\n"
     "make a sound guild is refused with the line at fault, and FILE stays as it was.\n"},
};

struct Arguments {
    std::map<std::string, std::string> options;
    std::vector<std::string> positional;
    bool bHelp = false;
};

bool Parse(int argc, char** argv, Arguments& args) {
    for (int i = 2; i < argc; ++i) {
        std::string strArg = argv[i];
        if (strArg == "--help" || strArg == "-h") {
            args.bHelp = true;
        } else if (strArg == "--no-web") {
            args.options["no-web"] = "1";
        } else if (strArg == "--loopback-receivers") {
            args.options["loopback-receivers"] = "1";
        } else if (strArg.rfind("--", 0) == 0) {
            if (i + 1 >= argc) {
                std::cerr << "zorv-server: " << strArg << " needs a value\n";
                return false;
            }
            args.options[strArg.substr(2)] = argv[++i];
        } else {
            args.positional.push_back(strArg);
        }
    }
    return true;
}

int Fail(const std::string& strMessage) {
    std::cerr << "zorv-server: " << strMessage << "\n";
    return 1;
}

// What is due in every guild of a host's folder, as `notify deliver` does for one.
int DeliverAll(const std::string& strDir) {
    int nDelivered = 0;
    std::int64_t nWaiting = 0;
    int iExit = 0;
    for (const guilds::Found& found : guilds::DistinctFiles(strDir)) {
        const std::string& strFile = found.strFile;
        try { // one guild that cannot be read holds up no other
            nDelivered += notify::DeliverDue(strFile, {});
            Database db = OpenGuildDatabase(strFile, false);
            Transaction tx(db, Transaction::Kind::Read);
            for (const notify::Target& target : notify::ListTargets(db))
                nWaiting += target.nQueued;
        } catch (const std::exception& e) {
            std::cerr << "zorv-server: " << strFile << ": " << e.what() << "\n";
            iExit = 1;
        }
    }
    std::cout << nDelivered << " delivered, " << nWaiting << " waiting\n";
    return iExit;
}

int NotifyCommand(const std::string& strDb, Arguments& args) {
    const std::string strAction = args.positional.empty() ? "" : args.positional[0];
    std::optional<int> iTarget;
    if (strAction == "remove" || strAction == "test") {
        const std::string& strId = args.options["target"];
        if (strId.empty() || strId.find_first_not_of("0123456789") != std::string::npos ||
            strId.size() > 9)
            return Fail(strAction + " needs --target ID (a number that list shows)");
        iTarget = std::stoi(strId);
    }
    if (strAction == "deliver") {
        // A target that a running server is delivering is left to it.
        int nDelivered = notify::DeliverDue(strDb, {});
        Database db = OpenGuildDatabase(strDb, false);
        Transaction tx(db, Transaction::Kind::Read);
        std::int64_t nWaiting = 0;
        for (const notify::Target& target : notify::ListTargets(db))
            nWaiting += target.nQueued;
        std::cout << nDelivered << " delivered, " << nWaiting << " waiting\n";
        return 0;
    }
    Database db = OpenGuildDatabase(strDb, false);
    if (strAction == "list") {
        Transaction tx(db, Transaction::Kind::Read);
        const std::int64_t lNow = std::time(nullptr);
        for (const notify::Target& target : notify::ListTargets(db)) {
            std::cout << target.id << "  " << target.strFormat << "  " << target.strKinds << "  "
                      << notify::MaskedUrl(target.strUrl) << "\n    " << target.nQueued
                      << " queued, " << target.nDropped << " dropped";
            if (target.lFailingSince > 0 && lNow - target.lFailingSince >= 86400)
                std::cout << ", FAILING since "
                          << UtcStamp(static_cast<std::time_t>(target.lFailingSince), true);
            if (!target.strLastResult.empty())
                std::cout << ", last answer: " << target.strLastResult;
            std::cout << "\n";
        }
        return 0;
    }
    if (strAction == "add") {
        const std::string strUrl = args.options["url"];
        const std::string strFormat = args.options["format"];
        const std::string strKinds = notify::CheckedKinds(args.options["kinds"]);
        const std::string strLanguage =
            args.options.count("language") ? args.options["language"] : std::string("en");
        if (!lang::Known(strLanguage))
            return Fail("--language wants en, de, fr or es");
        if (std::optional<Fault> fault = notify::UrlFault(strUrl, true))
            return Fail("--url: " + English(*fault));
        if (!notify::IsFormat(strFormat))
            return Fail("--format wants discord, slack or json");
        if (strKinds.empty())
            return Fail("--kinds wants one or more of joins,departures,moves,security,setup");
        Transaction tx(db, Transaction::Kind::Write);
        if (std::optional<Fault> fault = notify::FullFault(db))
            return Fail(English(*fault));
        int id = notify::AddTarget(db, strUrl, strFormat, strKinds, strLanguage);
        tx.Commit();
        std::cout << id << "\n";
        return 0;
    }
    if (strAction == "remove") {
        Transaction tx(db, Transaction::Kind::Write);
        if (!notify::RemoveTarget(db, *iTarget))
            return Fail("no target " + std::to_string(*iTarget));
        tx.Commit();
        return 0;
    }
    if (strAction == "test") {
        std::optional<notify::Target> target;
        std::string strGuild;
        {
            Transaction tx(db, Transaction::Kind::Read);
            target = notify::FindTarget(db, *iTarget);
            strGuild = Store(db).Setting("guild_name").value_or("");
        }
        if (!target)
            return Fail("no target " + std::to_string(*iTarget));
        notify::PostResult result =
            notify::Post(target->strUrl, notify::TestBody(*target, strGuild), "test", {5, 10});
        std::cout << notify::Describe(result) << "\n";
        return notify::Classify(result) == notify::Outcome::Delivered ? 0 : 1;
    }
    return Fail("notify wants list, add, remove, test or deliver");
}

// The guild's dump, as backup writes it: one read transaction, so that the dump is one moment of
// a guild that a running server goes on changing (else a change saved between the scans of the
// members and of the history leaves a dump that restore refuses); written as it is read, in
// Latin-1 as the wire carries it.
bool WriteDump(const std::string& strDb, std::ostream& out) {
    Database db = OpenGuildDatabase(strDb, false);
    Transaction snapshot(db, Transaction::Kind::Read);
    DumpReader reader(db);
    std::string strPiece;
    while (reader.Next(strPiece, 64 * 1024)) {
        const std::string strBytes = Utf8ToLatin1(strPiece);
        out.write(strBytes.data(), static_cast<std::streamsize>(strBytes.size()));
        strPiece.clear();
    }
    out << std::flush;
    return static_cast<bool>(out);
}

int GuildCommand(const std::string& strDir, Arguments& args) {
    const std::vector<std::string>& names = args.positional;
    const std::string strAction = names.empty() ? "" : names[0];
    const std::size_t nNames = strAction == "rename" ? 3 : strAction == "list" ? 1 : 2;
    if (names.size() != nNames)
        return Fail("guild wants list, add GUILD, remove GUILD or rename GUILD NEW");
    for (std::size_t i = 1; i < names.size(); ++i)
        if (!guilds::IsName(names[i]))
            return Fail("\"" + names[i] +
                        "\" is no guild name: 1 to 63 lower-case letters, digits and hyphens, "
                        "not beginning with a hyphen");
    if (strAction == "list") {
        for (const std::string& strName : guilds::List(strDir)) {
            Database db = OpenGuildDatabase(guilds::FileOf(strDir, strName), false);
            Transaction tx(db, Transaction::Kind::Read);
            const std::optional<std::string> strGuild = Store(db).Setting("guild_name");
            std::cout << strName << "  "
                      << (strGuild && !strGuild->empty() ? *strGuild : "(not set up yet)") << "\n";
        }
        return 0;
    }
    const std::string strFile = guilds::FileOf(strDir, names[1]);
    struct stat seen {};
    if (strAction == "add") {
        if (lstat(strFile.c_str(), &seen) == 0)
            return Fail("the guild " + names[1] + " is there already");
        guilds::List(strDir); // the folder is there and readable
        CreateEmptyGuild(strFile);
        std::cout << "added " << names[1] << ": its address is /" << names[1]
                  << "/zorv, and its first login sets it up\n";
        return 0;
    }
    if (!guilds::Find(strDir, names[1]))
        return Fail("no guild " + names[1] + " in " + strDir);
    // A guild is moved or removed whole, its log folded in, only when no server has it open: a
    // running host lets go of a guild once it has been idle for its --idle-seconds.
    bool bSettled = false;
    for (int i = 0; i < 100 && !(bSettled = guilds::Settle(strFile)); ++i)
        usleep(100 * 1000);
    if (!bSettled)
        return Fail("the guild " + names[1] +
                    " is in use: a server has it open until it has been idle for its "
                    "--idle-seconds; try again then, or stop the server");
    if (strAction == "remove") {
        const std::string strKept = strDir + "/removed";
        if (mkdir(strKept.c_str(), 0700) != 0 && errno != EEXIST)
            return Fail("cannot make " + strKept + ": " + std::strerror(errno));
        char szStamp[32];
        const std::time_t now = std::time(nullptr);
        std::tm utc{};
        std::strftime(szStamp, sizeof szStamp, "%Y%m%dT%H%M%SZ", gmtime_r(&now, &utc));
        const std::string strDump = strKept + "/" + names[1] + "-" + szStamp + ".dump";
        {
            std::ofstream dump(strDump, std::ios::binary | std::ios::trunc);
            if (!dump || !WriteDump(strFile, dump))
                return Fail("cannot write the backup " + strDump + "; the guild stays");
        }
        if (std::remove(strFile.c_str()) != 0)
            return Fail("cannot remove " + strFile + ": " + std::strerror(errno));
        for (const std::string& strCompanion : guilds::Companions(strFile))
            std::remove(strCompanion.c_str());
        std::cout << "removed " << names[1] << "; its backup is " << strDump << "\n";
        return 0;
    }
    if (strAction == "rename") {
        const std::string strNew = guilds::FileOf(strDir, names[2]);
        // A link keeps the new name from being taken meanwhile: it fails when the name is.
        if (link(strFile.c_str(), strNew.c_str()) != 0)
            return Fail(errno == EEXIST ? "the guild " + names[2] + " is there already"
                                        : "cannot rename: " + std::string(std::strerror(errno)));
        std::remove(strFile.c_str());
        for (const std::string& strCompanion : guilds::Companions(strFile))
            std::rename(strCompanion.c_str(),
                        (strNew + strCompanion.substr(strFile.size())).c_str());
        std::cout << "renamed " << names[1] << " to " << names[2] << ": its address is /"
                  << names[2] << "/zorv\n";
        return 0;
    }
    return Fail("guild wants list, add, remove or rename");
}

void PrintLogin(const GuildLogin& login) {
    std::cout << "administrator: " << login.strName << "\n"
              << "password: " << login.strPassword << "\n"
              << "default password for new members: " << login.strDefaultPassword << "\n";
}

} // namespace

int main(int argc, char** argv) {
    if (std::getenv("GATEWAY_INTERFACE"))
        return ServeCgi();
    if (argc < 2 || !std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h")) {
        std::cout << kUsage;
        return argc < 2 ? 2 : 0;
    }
    std::string strCommand = argv[1];
    if (!kCommandHelp.count(strCommand)) {
        std::cerr << "zorv-server: unknown command \"" << strCommand << "\"\n" << kUsage;
        return 2;
    }
    Arguments args;
    if (!Parse(argc, argv, args))
        return 2;
    if (args.bHelp) {
        std::cout << kCommandHelp.at(strCommand);
        return 0;
    }
    std::string strDb = args.options.count("db") ? args.options["db"] : "";
    const std::string strGuilds = args.options.count("guilds") ? args.options["guilds"] : "";
    if (strCommand == "guild") {
        if (strGuilds.empty())
            return Fail("guild needs --guilds DIR");
    } else if (strCommand == "notify" && !strGuilds.empty()) {
        if (!strDb.empty() || args.positional.empty() || args.positional[0] != "deliver")
            return Fail("notify takes --guilds DIR for deliver alone, each guild's target by --db");
    } else if (strCommand == "serve" && !strGuilds.empty()) {
        if (!strDb.empty() || args.options.count("path"))
            return Fail("serve takes --db FILE or --guilds DIR, and --path only with --db");
    } else if (strDb.empty()) {
        return Fail(strCommand + " needs --db FILE");
    }

    try {
        if (strCommand == "guild")
            return GuildCommand(strGuilds, args);
        if (strCommand == "serve") {
            ServeOptions options;
            options.strDbPath = strDb;
            options.strGuildsDir = strGuilds;
            for (std::size_t iFrom = 0; args.options.count("trusted-proxy");) {
                const std::string& strList = args.options["trusted-proxy"];
                const std::size_t iComma = strList.find(',', iFrom);
                // An empty list (the package's default) trusts no one.
                if (iComma != iFrom && iFrom < strList.size())
                    options.trustedProxies.push_back(strList.substr(iFrom, iComma - iFrom));
                if (iComma == std::string::npos)
                    break;
                iFrom = iComma + 1;
            }
            if (args.options.count("listen"))
                options.strListen = args.options["listen"];
            if (args.options.count("path"))
                options.strPath = args.options["path"];
            if (options.strPath.empty() || options.strPath[0] != '/')
                return Fail("--path must begin with \"/\"");
            options.bWeb = !args.options.count("no-web");
            options.guild.bPlainLoopback = args.options.count("loopback-receivers") > 0;
            options.strTlsCert = args.options["tls-cert"];
            options.strTlsKey = args.options["tls-key"];
            if (options.strTlsCert.empty() != options.strTlsKey.empty())
                return Fail("--tls-cert and --tls-key go together: give both or neither");
            const struct {
                const char* szOption;
                int* pValue;
                int nLeast, nMost;
            } limits[] = {
                {"header-seconds", &options.limits.nHeaderSeconds, 1, 1000},
                {"per-address", &options.limits.nPerAddress, 1, 1000},
                {"workers", &options.limits.nWorkers, 1, 1000},
                {"held-per-address", &options.limits.nHeldPerAddress, 1, 1000},
                {"held-in-all", &options.limits.nHeldInAll, 1, 64000},
                {"connections", &options.limits.nConnections, 200, 64000},
                {"idle-seconds", &options.nIdleSeconds, 1, 86400},
            };
            for (const auto& [szOption, pValue, nLeast, nMost] : limits) {
                if (!args.options.count(szOption))
                    continue;
                *pValue = std::atoi(args.options[szOption].c_str());
                if (*pValue < nLeast || *pValue > nMost)
                    return Fail(std::string("--") + szOption + " wants a number from " +
                                std::to_string(nLeast) + " to " + std::to_string(nMost));
            }
            if (!args.options.count("held-in-all"))
                options.limits.nHeldInAll =
                    std::min(options.limits.nHeldInAll, options.limits.nConnections - 100);
            if (options.limits.nHeldInAll > options.limits.nConnections - 100)
                return Fail("--held-in-all must leave at least 100 of the server's " +
                            std::to_string(options.limits.nConnections) +
                            " connections to others: at most " +
                            std::to_string(options.limits.nConnections - 100));
            if (args.options.count("history-days")) {
                bool bValid = true;
                options.guild.nHistoryDays = HistoryDays(args.options["history-days"], bValid);
                if (!bValid)
                    return Fail("--history-days wants \"all\" or a whole number of days from 0");
            }
            options.limits.nRequestSeconds =
                std::max(options.limits.nRequestSeconds, options.limits.nHeaderSeconds);
            return Serve(options);
        }
        if (strCommand == "init") {
            CreateEmptyGuild(strDb);
            return 0;
        }
        if (strCommand == "demo") {
            PrintLogin(CreateDemoGuild(strDb));
            return 0;
        }
        if (strCommand == "seed") {
            std::string strShape = args.options["shape"];
            SeedShape shape = SeedShape::Random;
            if (strShape == "wide")
                shape = SeedShape::Wide;
            else if (strShape == "chain")
                shape = SeedShape::Chain;
            else if (strShape != "random")
                return Fail("--shape must be wide, chain or random");
            int nMembers = std::atoi(args.options["members"].c_str());
            PrintLogin(CreateSeededGuild(strDb, nMembers, shape));
            return 0;
        }
        if (strCommand == "history") {
            int nCount =
                args.options.count("count") ? std::atoi(args.options["count"].c_str()) : 50;
            if (nCount < 1 || nCount > 100000)
                return Fail("--count wants a number from 1 to 100000");
            Database db = OpenGuildDatabase(strDb, false);
            history::PrintRecent(db, nCount, stdout);
            return 0;
        }
        if (strCommand == "notify" && !strGuilds.empty())
            return DeliverAll(strGuilds);
        if (strCommand == "notify")
            return NotifyCommand(strDb, args);
        if (strCommand == "backup")
            return WriteDump(strDb, std::cout) ? 0
                                               : Fail("cannot write the dump to standard output");
        if (strCommand == "restore") {
            if (args.positional.size() != 1)
                return Fail("restore needs the dump file: restore --db FILE DUMP");
            std::ifstream file(args.positional[0], std::ios::binary);
            if (!file)
                return Fail("cannot read " + args.positional[0]);
            std::stringstream content;
            content << file.rdbuf();
            // Read and checked whole before the guild file is opened: a refused dump leaves it
            // as it was, or does not create it.
            GuildDump dump = ReadDump(Latin1ToUtf8(content.str()));
            if (dump.iVersion < 3)
                std::cerr << "zorv-server: note: a version " << dump.iVersion
                          << " dump carries no record counts, so a cut at a line boundary "
                             "cannot be told; it was restored because every row and the tree "
                             "check out\n";
            Database db = OpenGuildDatabase(strDb, true);
            RestoreDump(db, dump);
            return 0;
        }
    } catch (const std::exception& e) {
        return Fail(e.what());
    }
    return 2;
}
