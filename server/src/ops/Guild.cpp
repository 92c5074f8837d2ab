#include "Guild.h"

#include "AdminOps.h"
#include "CharacterOps.h"
#include "CharacterRows.h"
#include "History.h"
#include "ListOps.h"
#include "Notices.h"
#include "TreeFeed.h"
#include "TreeOps.h"

#include "Latin1.h"
#include "Numbers.h"
#include "Passwords.h"
#include "Protocol.h"
#include "Records.h"
#include "ResultCodes.h"
#include "Text.h"

#include <cstdio>
#include <stdexcept>
#include <sys/stat.h>

namespace {

// Appends a text of the server's in the wire's Latin-1. Nearly every reply is ASCII, which reads
// the same in both and is appended as it is.
void AppendWireText(std::string& strOut, const std::string& strText) {
    if (IsAscii(strText))
        strOut += strText;
    else
        strOut += Utf8ToLatin1(strText);
}

} // namespace

std::string Reply::Head() const {
    std::string strHead = std::string(zorv::kStartMarker) + std::to_string(iCode) + ";";
    AppendWireText(strHead, strPayload);
    return strHead;
}

bool Reply::NextPiece(std::string& strOut) {
    std::string strPiece;
    if (!pStream || !pStream->Next(strPiece)) {
        pStream.reset();
        return false;
    }
    AppendWireText(strOut, strPiece);
    return true;
}

std::string Reply::Body() {
    std::string strBody = Head();
    while (NextPiece(strBody)) {
    }
    return strBody + zorv::kStopMarker;
}

Guild::Guild(std::string strDbPath, CredentialCache* pCache, GuildOptions options)
    : m_strDbPath(std::move(strDbPath)), m_pCache(pCache), m_options(options) {}

namespace {

// Every operation: what runs it, whether it changes the guild (it then takes the write lock at
// its start, so that what it checks still holds when it writes; readers run alongside), who may
// run it, and the password field hashed before the lock is taken.
struct Operation {
    zorv::Op op;
    Reply (*run)(Call&); // null for the first set-up, which runs before anyone can log in
    enum class Lock { Read, Write } lock;
    // The code that refuses a caller who is no administrator, checked before the operation runs;
    // 0 when every member may run it (or it checks for itself, after checks of its own).
    int iAdminsOnly;
    const char* szHashed;                         // the form field hashed, or null
    int (*hashCheck)(const Form&, const Member&); // 0 when the field is to be hashed
    // The store a guild file that cannot be opened is reported as.
    enum class Store { Tree, Settings } store;
};

int NewPasswordCheck(const Form& form, const Member&) {
    return NewPasswordCode(form);
}

constexpr Operation::Lock R = Operation::Lock::Read, W = Operation::Lock::Write;
constexpr Operation::Store Tree = Operation::Store::Tree, Settings = Operation::Store::Settings;

constexpr Operation kOperations[] = {
    {zorv::OpTree, TreeOp, R, 0, nullptr, nullptr, Tree},
    {zorv::OpTreeChanges, TreeChangesOp, R, 0, nullptr, nullptr, Tree},
    // A member's request for the administrators' part is refused by the operation itself.
    {zorv::OpGuildFacts, GuildFactsOp, R, 0, nullptr, nullptr, Tree},
    {zorv::OpAddVassal, AddVassalOp, W, 0, nullptr, nullptr, Tree},
    {zorv::OpRemoveVassal, RemoveVassalOp, W, 0, nullptr, nullptr, Tree},
    {zorv::OpChangePatron, ChangePatronOp, W, 0, nullptr, nullptr, Tree},
    {zorv::OpLogin, LoginOp, R, 0, nullptr, nullptr, Settings},
    {zorv::OpInitServer, nullptr, W, 0, nullptr, nullptr, Settings},
    {zorv::OpSaveChar, SaveOp, W, 0, nullptr, nullptr, Tree},
    {zorv::OpCharInfo, CharacterOp, R, 0, nullptr, nullptr, Tree},
    {zorv::OpChangePassword, ChangePasswordOp, W, 0, zorv::form::kNewPassword, NewPasswordCheck,
     Tree},
    {zorv::OpServerSetup, ServerSetupOp, W, zorv::CodeSetupNotAdmin, zorv::form::kDefaultPassword,
     ServerSetupHashCode, Settings},
    {zorv::OpResetPassword, ResetPasswordOp, W, zorv::CodeResetNotAdmin, nullptr, nullptr, Tree},
    {zorv::OpBackup, BackupOp, R, zorv::CodeBackupNotAdmin, nullptr, nullptr, Tree},
    {zorv::OpSecurityLevel, SecurityLevelOp, W, zorv::CodeSecurityViolation, nullptr, nullptr,
     Tree},
    {zorv::OpRescueList, RescueListOp, R, 0, nullptr, nullptr, Tree},
    {zorv::OpPortalList, PortalListOp, R, 0, nullptr, nullptr, Tree},
    {zorv::OpTradeSkills, TradeSkillsOp, R, 0, nullptr, nullptr, Tree},
    {zorv::OpSearch, SearchOp, R, 0, nullptr, nullptr, Tree},
    {zorv::OpCharacterHistory, history::CharacterHistoryOp, R, 0, nullptr, nullptr, Tree},
    {zorv::OpRecentChanges, history::RecentChangesOp, R, 0, nullptr, nullptr, Tree},
    {zorv::OpGuildActivity, history::GuildActivityOp, R, 0, nullptr, nullptr, Tree},
    // The undo checks the caller's own id before its rights.
    {zorv::OpUndo, history::UndoOp, W, 0, nullptr, nullptr, Tree},
    {zorv::OpNotifyTargets, notify::NotifyTargetsOp, R, zorv::CodeSecurityViolation, nullptr,
     nullptr, Settings},
    {zorv::OpNotifyAdd, notify::NotifyAddOp, W, zorv::CodeSecurityViolation, nullptr, nullptr,
     Settings},
    {zorv::OpNotifyRemove, notify::NotifyRemoveOp, W, zorv::CodeSecurityViolation, nullptr, nullptr,
     Settings},
    // The test waits on the network, so it holds no write lock.
    {zorv::OpNotifyTest, notify::NotifyTestOp, R, zorv::CodeSecurityViolation, nullptr, nullptr,
     Settings},
};

// The table and the protocol's list of operations agree, entry for entry.
constexpr bool EveryOpDispatched() {
    if (sizeof kOperations / sizeof kOperations[0] != zorv::kOpCount)
        return false;
    for (zorv::Op op : zorv::kEveryOp) {
        int nFound = 0;
        for (const Operation& operation : kOperations)
            nFound += operation.op == op;
        if (nFound != 1)
            return false;
    }
    return true;
}
static_assert(EveryOpDispatched(), "kOperations has one entry for each of zorv::kEveryOp");

const Operation* FindOperation(long lMsgId) {
    for (const Operation& operation : kOperations)
        if (operation.op == lMsgId)
            return &operation;
    return nullptr;
}

bool IsZorvClient(const std::string& strUserAgent) {
    const std::string strPrefix = zorv::kUserAgentPrefix;
    if (strUserAgent.compare(0, strPrefix.size(), strPrefix) != 0)
        return false;
    std::string strVersion = strUserAgent.substr(strPrefix.size());
    return !strVersion.empty() && zorv::LeadingNumber(strVersion).has_value();
}

// Checks the caller's name and password: a reply of code 0 with `me` filled, or the refusal. A
// name and address that are being throttled are refused at once, without trying the password,
// so that a guesser costs neither a hash nor a waiting worker.
Reply Authenticate(Database& db, Store& store, CredentialCache* pCache, const Form& form,
                   const std::string& strAddress, Member& me) {
    const std::string& strName = FormValue(form, zorv::form::kCharName);
    const std::string& strPassword = FormValue(form, zorv::form::kPassword);
    std::string strKey = NameKey(Trim(strName));
    std::optional<Member> member = store.FindByName(strName);
    std::string strHash = member ? store.HashOf(*member) : std::string();
    // The throttle comes before the record of verified credentials too: a hit there is a right
    // guess, and it would otherwise let a throttled address guess at the record's speed.
    LoginThrottle throttle(db);
    LoginThrottle::Turn turn;
    if (long lWait = throttle.Admit(strKey, strAddress, turn)) {
        // The name comes back as sent, less any reply marker, which would cut the reply short.
        return {zorv::CodeLoginThrottled,
                zorv::JoinFields({WithoutMarkers(Trim(strName)), std::to_string(lWait)})};
    }
    if (member && pCache && pCache->Knows(strKey, strPassword, strHash, &db)) {
        if (!turn.rows.empty())
            throttle.RecordSuccess(strKey, strAddress, turn);
        me = *member;
        return {0, ""};
    }
    if (!member || !VerifyPassword(strHash, strPassword)) {
        throttle.RecordFailure(strKey, strAddress, turn);
        return {member ? zorv::CodeWrongPassword : zorv::CodeUnknownName, ""};
    }
    throttle.RecordSuccess(strKey, strAddress, turn);
    if (pCache)
        pCache->Remember(strKey, strPassword, strHash, &db);
    me = *member;
    return {0, ""};
}

// A streamed payload's hold on what it reads: the operation's read transaction, so that the whole
// payload is one moment of the guild, and the connection, out of the pool until the reply is
// written. Destroyed in the reverse order: the stream, the transaction, the connection.
class HeldStream final : public PayloadStream {
public:
    HeldStream(std::unique_ptr<Database> pDb, Transaction tx, std::unique_ptr<PayloadStream> pRead)
        : m_pDb(std::move(pDb)), m_tx(std::move(tx)), m_pRead(std::move(pRead)) {}
    bool Next(std::string& strOut) override { return m_pRead->Next(strOut); }

private:
    std::unique_ptr<Database> m_pDb;
    Transaction m_tx;
    std::unique_ptr<PayloadStream> m_pRead;
};

// How long the history is kept comes from the options: entries past their time go with the next
// change (an indexed delete that finds nothing costs next to nothing). A reply whose payload is
// streamed takes pDb with it.
Reply Run(std::unique_ptr<Database>& pDb, Store& store, CredentialCache* pCache,
          TreeCache& treeCache, const Form& form, const Operation& operation,
          const Request& request, const GuildOptions& options) {
    const std::string& strAddress = request.strRemoteAddress;
    Database& db = *pDb;
    if (!store.IsSetUp()) {
        if (operation.op == zorv::OpLogin)
            return {zorv::CodeServerUnset, ""};
        if (operation.op == zorv::OpInitServer) {
            // Members without a set-up are a damaged guild, not a new one: whoever set it up
            // now would become the administrator over them.
            if (store.CountCharacters() > 0)
                return {zorv::CodeSetupNotAdmin, ""};
            if (int iCode = InitServerCode(form))
                return {iCode, ""};
            std::string strOwnHash = HashPassword(FormValue(form, zorv::form::kPassword));
            std::string strDefaultHash =
                HashPassword(FormValue(form, zorv::form::kDefaultPassword));
            Transaction tx(db, Transaction::Kind::Write);
            Reply reply = InitServerOp(db, store, form, strOwnHash, strDefaultHash, options);
            if (zorv::IsSuccess(reply.iCode))
                tx.Commit();
            return reply;
        }
    } else if (operation.op == zorv::OpInitServer) {
        return {zorv::CodeSetupNotAdmin, ""};
    }

    Member me;
    Reply refusal = Authenticate(db, store, pCache, form, strAddress, me);
    if (refusal.iCode)
        return refusal;

    // Slow hashing happens before the write lock is taken.
    int iHashCode = 0;
    std::string strHash;
    if (operation.szHashed) {
        iHashCode = operation.hashCheck(form, me);
        if (iHashCode == 0)
            strHash = HashPassword(FormValue(form, operation.szHashed));
    }

    Transaction tx(db, operation.lock == Operation::Lock::Write ? Transaction::Kind::Write
                                                                : Transaction::Kind::Read);
    // The caller may have been removed or demoted while the password was checked.
    std::optional<Member> current = store.FindById(me.id);
    if (!current)
        return {zorv::CodeUnknownName, ""};
    me = *current;
    if (operation.iAdminsOnly && !IsAdmin(me))
        return {operation.iAdminsOnly, ""};
    Call call{db,        store,      form, me, options,          std::move(strHash),
              iHashCode, &treeCache, {},   {}, request.bMayHold, {}};
    Reply reply = operation.run(call);
    int nNotices = 0;
    if (zorv::IsSuccess(reply.iCode) && operation.lock == Operation::Lock::Write) {
        history::WriteChanges(call);
        history::Prune(db, options.nHistoryDays);
        // In the change's own transaction: the chat hears of every change that was made, and
        // of none that was not.
        nNotices = notify::WriteNotices(call);
    }
    if (reply.pStream) { // a read: nothing to commit, and the stream reads on in it
        reply.pStream =
            std::make_unique<HeldStream>(std::move(pDb), std::move(tx), std::move(reply.pStream));
        return reply;
    }
    if (zorv::IsSuccess(reply.iCode)) {
        tx.Commit();
        if (nNotices > 0 && options.onNotices)
            options.onNotices();
    }
    if (call.treeToKeep)
        TreeCache::Keep(db, *call.treeToKeep);
    // The administrators' report shows when each last logged in. The login is answered whether
    // or not the note could be written (a guild file locked for longer than the busy wait).
    if (operation.op == zorv::OpLogin && zorv::IsSuccess(reply.iCode)) {
        try {
            NoteLogin(db, me.id);
        } catch (const DbError& e) {
            std::fprintf(stderr, "zorv-server: the login of %d was not noted: %s\n", me.id,
                         e.what());
        }
    }
    return reply;
}

} // namespace

bool IsWatch(std::string_view strBody) {
    if (strBody.size() > kMaxBodyBytes)
        return false;
    const Form form = ParseForm(strBody);
    const std::string strWait = Trim(FormValue(form, zorv::form::kWait));
    return zorv::ParseWholeNumber(Trim(FormValue(form, zorv::form::kMsgId))) ==
               zorv::OpTreeChanges &&
           !strWait.empty() && strWait.find_first_not_of('0') != std::string::npos;
}

Reply Guild::Handle(const Request& request) {
    if (request.strBody.size() > kMaxBodyBytes)
        return {zorv::CodeInvalidText, ""};
    if (!IsZorvClient(request.strUserAgent))
        return {zorv::CodeInvalidClient, ""};
    Form form = ParseForm(request.strBody);
    std::optional<long> lMsgId = zorv::ParseWholeNumber(Trim(FormValue(form, zorv::form::kMsgId)));
    const Operation* pOperation = lMsgId ? FindOperation(*lMsgId) : nullptr;
    if (!pOperation)
        return {zorv::CodeInvalidCharacter, ""};
    int iMsgId = static_cast<int>(*lMsgId);

    std::unique_ptr<Database> db;
    try {
        if (m_strDbPath.empty())
            throw std::runtime_error("no database configured (ZORV_DB)");
        db = TakeConnection();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zorv-server: %s\n", e.what());
        return {pOperation->store == Operation::Store::Settings ? zorv::CodeSettingsStore
                                                                : zorv::CodeTreeStore,
                ""};
    }
    try {
        Store store(*db);
        Reply reply = Run(db, store, m_pCache, m_treeCache, form, *pOperation, request, m_options);
        if (db)
            GiveBack(std::move(db));
        // The generation a feed answer hands out is its first field (past the nine digits of the
        // protocol's other numbers).
        if (iMsgId == zorv::OpTreeChanges && zorv::IsSuccess(reply.iCode) && !reply.hold) {
            const std::string strGeneration =
                reply.strPayload.substr(0, reply.strPayload.find('|'));
            if (!strGeneration.empty() && strGeneration.size() <= 18 &&
                strGeneration.find_first_not_of("0123456789") == std::string::npos &&
                std::stoll(strGeneration) > m_lServed) {
                m_lServed = std::stoll(strGeneration);
                NoteServedGeneration(m_strDbPath, m_lServed);
            }
        }
        return reply;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zorv-server: msgid %d failed: %s\n", iMsgId, e.what());
        return {zorv::CodeServerFault, ""};
    }
}

namespace {

// The identity of the file at a path, to tell whether an open connection still reads it.
std::optional<std::pair<dev_t, ino_t>> FileIdentity(const std::string& strPath) {
    struct stat info {};
    if (stat(strPath.c_str(), &info) != 0)
        return std::nullopt;
    return std::make_pair(info.st_dev, info.st_ino);
}

} // namespace

std::int64_t Guild::FeedGenerationNow() {
    std::unique_ptr<Database> db = TakeConnection();
    std::int64_t lGeneration = 0;
    {
        Transaction tx(*db, Transaction::Kind::Read);
        lGeneration = FeedGeneration(*db);
    }
    GiveBack(std::move(db));
    return lGeneration;
}

std::unique_ptr<Database> Guild::TakeConnection() {
    std::optional<std::pair<dev_t, ino_t>> identity = FileIdentity(m_strDbPath);
    while (identity) {
        std::unique_ptr<Database> db;
        {
            std::lock_guard<std::mutex> lock(m_poolMutex);
            if (m_pool.empty() || m_poolIdentity != identity) {
                m_pool.clear();
                break;
            }
            db = std::move(m_pool.back());
            m_pool.pop_back();
        }
        // Another process may have changed the schema since (a newer server, or an upgrade).
        if (Store::FileSchemaVersion(*db) == Store::kSchemaVersion)
            return db;
    }
    std::unique_ptr<Database> db =
        std::make_unique<Database>(OpenGuildDatabase(m_strDbPath, false));
    // A file opened anew may be an older copy put back: the feed must not answer from a history
    // the clients did not follow.
    if (const std::int64_t lServed = ServedGeneration(m_strDbPath);
        lServed >= 0 && FeedGeneration(*db) < lServed) {
        Transaction tx(*db, Transaction::Kind::Write);
        if (ContinuePastServed(*db, lServed))
            tx.Commit();
    }
    std::lock_guard<std::mutex> lock(m_poolMutex);
    if (m_poolIdentity != identity) {
        m_pool.clear();
        m_poolIdentity = identity;
    }
    return db;
}

void Guild::GiveBack(std::unique_ptr<Database> db) {
    std::lock_guard<std::mutex> lock(m_poolMutex);
    if (m_pool.size() < kPooledConnections)
        m_pool.push_back(std::move(db));
}
