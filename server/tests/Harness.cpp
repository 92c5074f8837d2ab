#include "Harness.h"

#include "Dump.h"
#include "Escape.h"

#include <sqlite3.h>

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <iterator>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/wait.h>

namespace fs = std::filesystem;

TempDir::TempDir() {
    std::string strTemplate = (fs::temp_directory_path() / "zorv-test-XXXXXX").string();
    if (!mkdtemp(strTemplate.data()))
        throw std::runtime_error("mkdtemp failed");
    m_strPath = strTemplate;
}

TempDir::~TempDir() {
    std::error_code error;
    fs::remove_all(m_strPath, error);
}

namespace {

std::string ReadAll(int fd) {
    std::string strOut;
    char buffer[65536];
    while (true) {
        ssize_t n = read(fd, buffer, sizeof buffer);
        if (n > 0)
            strOut.append(buffer, static_cast<std::size_t>(n));
        else if (n == 0 || errno != EINTR)
            return strOut;
    }
}

// pInFd, when given, receives the write end of a pipe to the child's standard input.
pid_t Spawn(const std::vector<std::string>& args, int* pOutFd, int* pErrFd, int* pInFd = nullptr) {
    int outPipe[2], errPipe[2], inPipe[2] = {-1, -1};
    if (pipe(outPipe) != 0 || pipe(errPipe) != 0 || (pInFd && pipe(inPipe) != 0))
        throw std::runtime_error("pipe failed");
    pid_t pid = fork();
    if (pid == 0) {
        dup2(outPipe[1], 1);
        dup2(errPipe[1], 2);
        close(outPipe[0]);
        close(errPipe[0]);
        if (pInFd) {
            dup2(inPipe[0], 0);
            close(inPipe[1]);
        }
        std::vector<char*> argv;
        for (const std::string& strArg : args)
            argv.push_back(const_cast<char*>(strArg.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(outPipe[1]);
    close(errPipe[1]);
    *pOutFd = outPipe[0];
    *pErrFd = errPipe[0];
    if (pInFd) {
        close(inPipe[0]);
        *pInFd = inPipe[1];
    }
    return pid;
}

int FreePort() {
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t nLength = sizeof address;
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &nLength);
    close(fd);
    return ntohs(address.sin_port);
}

} // namespace

std::string ReadFor(int fd, double dSeconds) {
    std::string strReply;
    pollfd poll_fd{fd, POLLIN, 0};
    char buffer[4096];
    while (poll(&poll_fd, 1, static_cast<int>(dSeconds * 1000)) == 1) {
        ssize_t n = recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0)
            break;
        strReply.append(buffer, static_cast<std::size_t>(n));
    }
    return strReply;
}

int ConnectLoopback(int iPort, const std::string& strFrom) {
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    if (!strFrom.empty()) {
        sockaddr_in source{};
        source.sin_family = AF_INET;
        inet_pton(AF_INET, strFrom.c_str(), &source.sin_addr);
        if (bind(fd, reinterpret_cast<sockaddr*>(&source), sizeof source) != 0) {
            close(fd);
            return -1;
        }
    }
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(iPort));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

namespace {

// Keeps a child's outputs drained until it ends, its error output copied into ours so that
// failures show in the test log. Closing them instead would end the child, or a CGI program that
// inherits them, with SIGPIPE at its first message.
void Drain(int outFd, int errFd) {
    for (int fd : {outFd, errFd}) {
        std::thread([fd, bErr = fd == errFd] {
            char buffer[4096];
            ssize_t n;
            while ((n = read(fd, buffer, sizeof buffer)) > 0)
                if (bErr)
                    fwrite(buffer, 1, static_cast<std::size_t>(n), stderr);
            close(fd);
        }).detach();
    }
}

bool FileHolds(const std::string& strPath, const std::string& strWords) {
    std::ifstream file(strPath);
    std::string strText((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    return strText.find(strWords) != std::string::npos;
}

} // namespace

int RunProgram(const std::vector<std::string>& argv, const std::string& strInput, std::string* pOut,
               std::string* pErr) {
    int outFd = -1, errFd = -1, inFd = -1;
    pid_t pid = Spawn(argv, &outFd, &errFd, &inFd);
    std::string strErr;
    std::thread errReader([&] { strErr = ReadAll(errFd); });
    std::thread inWriter([&] {
        // A child that stops reading early is its own business: SIGPIPE is blocked on this
        // thread alone, so that the children spawned elsewhere keep its default.
        sigset_t pipeSignal;
        sigemptyset(&pipeSignal);
        sigaddset(&pipeSignal, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &pipeSignal, nullptr);
        for (std::size_t nSent = 0; nSent < strInput.size();) {
            ssize_t n = write(inFd, strInput.data() + nSent, strInput.size() - nSent);
            if (n <= 0)
                break;
            nSent += static_cast<std::size_t>(n);
        }
        close(inFd);
    });
    std::string strOut = ReadAll(outFd);
    inWriter.join();
    errReader.join();
    close(outFd);
    close(errFd);
    int iStatus = 0;
    waitpid(pid, &iStatus, 0);
    if (pOut)
        *pOut = strOut;
    if (pErr)
        *pErr = strErr;
    return WIFEXITED(iStatus) ? WEXITSTATUS(iStatus) : 128 + WTERMSIG(iStatus);
}

namespace {

using ColumnLines = std::map<std::string, std::vector<std::string>>; // by the rows' tag

ColumnLines ColumnLinesOf(const std::string& strDump) {
    ColumnLines named;
    for (const std::string& strLine : SplitList(strDump, '\n'))
        if (strLine.rfind("N|", 0) == 0) {
            std::vector<std::string> fields = SplitList(strLine, '|');
            named[fields.at(1)].assign(fields.begin() + 2, fields.end());
        }
    return named;
}

// The dump under strHeader, each named kind of row's values taken by the names of its column
// line in the order of wanted (empty for a column the dump lacks), with wanted's column lines
// when bNamed.
std::string Projected(const std::string& strDump, const std::string& strHeader,
                      const std::function<std::vector<std::string>(const std::string&)>& wanted,
                      bool bNamed) {
    const ColumnLines named = ColumnLinesOf(strDump);
    std::string strOut = strHeader + "\n";
    if (bNamed)
        for (const char* szTag : {"C", "H", "V"}) {
            strOut += std::string("N|") + szTag;
            for (const std::string& strColumn : wanted(szTag))
                strOut += "|" + strColumn;
            strOut += "\n";
        }
    std::vector<std::string> lines = SplitList(strDump, '\n');
    if (!lines.empty() && lines.back().empty())
        lines.pop_back();
    for (std::size_t iLine = 1; iLine < lines.size(); ++iLine) {
        std::vector<std::string> fields = SplitList(lines[iLine], '|');
        if (fields[0] == "N")
            continue;
        auto found = named.find(fields[0]);
        if (found == named.end()) {
            strOut += lines[iLine] + "\n";
            continue;
        }
        strOut += fields[0];
        for (const std::string& strColumn : wanted(fields[0])) {
            auto at = std::find(found->second.begin(), found->second.end(), strColumn);
            strOut +=
                "|" + (at == found->second.end()
                           ? std::string()
                           : fields.at(1 + static_cast<std::size_t>(at - found->second.begin())));
        }
        strOut += "\n";
    }
    return strOut;
}

} // namespace

std::string AsVersion4Dump(const std::string& strDump) {
    return Projected(strDump, "ZORV DUMP 4", Version4Columns, false);
}

std::string InColumnsOf(const std::string& strDump, const std::string& strModel) {
    const ColumnLines model = ColumnLinesOf(strModel);
    return Projected(
        strDump, strModel.substr(0, strModel.find('\n')),
        [&model](const std::string& strTag) { return model.at(strTag); }, true);
}

int RunServerCommand(const std::vector<std::string>& args, std::string* pOut, std::string* pErr) {
    std::vector<std::string> argv{ZORV_SERVER_BIN};
    argv.insert(argv.end(), args.begin(), args.end());
    return RunProgram(argv, "", pOut, pErr);
}

std::string RawExchange(int iPort, const std::string& strBytes, const std::string& strFrom,
                        double dSeconds) {
    int fd = ConnectLoopback(iPort, strFrom);
    if (fd < 0)
        throw std::runtime_error("cannot connect to port " + std::to_string(iPort));
    std::size_t nSent = 0;
    while (nSent < strBytes.size()) {
        ssize_t n = send(fd, strBytes.data() + nSent, strBytes.size() - nSent, MSG_NOSIGNAL);
        if (n <= 0)
            break; // the server may refuse early; read what it says
        nSent += static_cast<std::size_t>(n);
    }
    std::string strReply = dSeconds > 0 ? ReadFor(fd, dSeconds) : ReadAll(fd);
    close(fd);
    return strReply;
}

const char kOpenssl[] = "/usr/bin/openssl";

std::string TlsExchange(int iPort, const std::string& strBytes, std::string& strErr,
                        const std::string& strTrusted) {
    std::string strOut;
    int iExit =
        RunProgram({kOpenssl, "s_client", "-quiet", "-verify_return_error", "-CAfile", strTrusted,
                    "-verify_ip", "127.0.0.1", "-connect", "127.0.0.1:" + std::to_string(iPort)},
                   strBytes, &strOut, &strErr);
    return iExit == 0 || !strOut.empty() ? strOut : "";
}

void MakeCertificate(const std::string& strCert, const std::string& strKey,
                     const std::string& strName) {
    std::string strErr;
    int iExit = RunProgram({kOpenssl, "req", "-x509", "-newkey", "ec", "-pkeyopt",
                            "ec_paramgen_curve:prime256v1", "-nodes", "-days", "2", "-subj",
                            "/CN=" + strName, "-addext", "subjectAltName=IP:127.0.0.1", "-keyout",
                            strKey, "-out", strCert},
                           "", nullptr, &strErr);
    if (iExit != 0)
        throw std::runtime_error("openssl req failed: " + strErr);
}

std::string PadHeader(const std::string& strRequest, std::size_t nHeaderBytes, int nLines) {
    std::size_t iEnd = strRequest.find("\r\n\r\n");
    if (iEnd == std::string::npos)
        throw std::runtime_error("PadHeader: no end of header");
    std::string strHead = strRequest.substr(0, iEnd + 2); // up to the last line's CR LF
    int nHave = -1;                                       // the request line is no header line
    for (std::size_t i = 0; (i = strHead.find("\r\n", i)) != std::string::npos; i += 2)
        ++nHave;
    for (int i = nHave; i < nLines - 1; ++i)
        strHead += "X-" + std::to_string(i) + ": y\r\n";
    const std::string strPad = "X-Pad: \r\n";
    if (nHave >= nLines || strHead.size() + strPad.size() + 2 > nHeaderBytes)
        throw std::runtime_error("PadHeader: the request is already larger");
    strHead += "X-Pad: " + std::string(nHeaderBytes - strHead.size() - strPad.size() - 2, 'a') +
               "\r\n\r\n";
    return strHead + strRequest.substr(iEnd + 4);
}

Fields Form(const std::string& strBody) {
    Fields fields;
    for (std::size_t i = 0; i <= strBody.size();) {
        std::size_t iEnd = std::min(strBody.find('&', i), strBody.size());
        std::size_t iEquals = strBody.find('=', i);
        fields.emplace_back(strBody.substr(i, iEquals - i),
                            strBody.substr(iEquals + 1, iEnd - iEquals - 1));
        i = iEnd + 1;
    }
    return fields;
}

std::string Target::RequestBytes(const std::string& strName, const std::string& strPassword,
                                 int iMsgId, const Fields& fields,
                                 const std::string& strAgent) const {
    std::string strBody = "charname=" + zorv::EscapeValue(strName) +
                          "&password=" + zorv::EscapeValue(strPassword) +
                          "&msgid=" + std::to_string(iMsgId);
    for (const auto& [strKey, strValue] : fields)
        strBody += "&" + strKey + "=" + zorv::EscapeValue(strValue);
    return "POST " + Path() + " HTTP/1.0\r\nHost: 127.0.0.1:" + std::to_string(Port()) +
           "\r\nConnection: close\r\nUser-Agent: " + strAgent +
           "\r\nContent-length: " + std::to_string(strBody.size()) + "\r\n\r\n" + strBody + "\r\n";
}

Answer Target::Send(const std::string& strName, const std::string& strPassword, int iMsgId,
                    const Fields& fields, const std::string& strFrom) const {
    Answer answer;
    answer.strRaw =
        RawExchange(Port(), RequestBytes(strName, strPassword, iMsgId, fields), strFrom);
    std::size_t iStart = answer.strRaw.find("<START_HERE>");
    std::size_t iStop = answer.strRaw.rfind("<STOP_HERE>");
    if (iStart == std::string::npos || iStop == std::string::npos)
        return answer;
    std::string strBody = answer.strRaw.substr(iStart + 12, iStop - iStart - 12);
    std::size_t iSemi = strBody.find(';');
    answer.iCode = std::atoi(strBody.substr(0, iSemi).c_str());
    answer.strPayload = strBody.substr(iSemi + 1);
    return answer;
}

ServeTarget::ServeTarget(const std::string& strDb, const std::string& strPath,
                         const std::vector<std::string>& extraArgs, bool bLoopbackReceivers)
    : m_strPath(strPath) {
    int outFd = -1, errFd = -1;
    std::vector<std::string> args{ZORV_SERVER_BIN, "serve", "--listen", "127.0.0.1:0"};
    if (!strDb.empty())
        args.insert(args.end(), {"--db", strDb});
    if (strPath != "/zorv")
        args.insert(args.end(), {"--path", strPath});
    if (bLoopbackReceivers)
        args.push_back("--loopback-receivers");
    args.insert(args.end(), extraArgs.begin(), extraArgs.end());
    m_pid = Spawn(args, &outFd, &errFd);
    // The first line names the port; block until it arrives.
    std::string strLine;
    char c = 0;
    while (read(outFd, &c, 1) == 1 && c != '\n')
        strLine += c;
    Drain(outFd, errFd);
    std::size_t iColon = strLine.rfind(':');
    if (strLine.find("listening") == std::string::npos || iColon == std::string::npos)
        throw std::runtime_error("zorv-server did not start: " + strLine);
    m_iPort = std::atoi(strLine.c_str() + iColon + 1);
    m_strFirstLine = strLine;
}

ServeTarget::~ServeTarget() {
    StopProcess(m_pid);
}

int ServeTarget::Stop() {
    kill(m_pid, SIGTERM);
    int iStatus = 0;
    waitpid(m_pid, &iStatus, 0);
    m_pid = -1;
    return WIFEXITED(iStatus) ? WEXITSTATUS(iStatus) : 128 + WTERMSIG(iStatus);
}

void ServeTarget::Kill() {
    kill(m_pid, SIGKILL);
    int iStatus = 0;
    waitpid(m_pid, &iStatus, 0);
    m_pid = -1;
}

void StopProcess(pid_t pid) {
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    int iStatus = 0;
    waitpid(pid, &iStatus, 0);
}

// FreePort's number is only free when it is asked for: another process may bind it before the web
// server does, which then ends at start, and the next attempt takes a new port. A port counts as
// ours only once our web server has logged its start (after it bound the port), still runs, and
// accepts a connection.

pid_t StartWebServer(const char* szName, const std::vector<std::string>& command,
                     const std::string& strLog, const char* szReadyWords,
                     const std::function<void(int iPort)>& writeConf, int& iPort) {
    for (int iAttempt = 0; iAttempt < 5; ++iAttempt) {
        iPort = FreePort();
        writeConf(iPort);
        std::remove(strLog.c_str());
        int outFd = -1, errFd = -1;
        pid_t pid = Spawn(command, &outFd, &errFd);
        Drain(outFd, errFd);
        // Neither says anything on its outputs when it is ready; poll its log and the port.
        for (int i = 0; i < 500; ++i) {
            int iStatus = 0;
            if (waitpid(pid, &iStatus, WNOHANG) == pid) {
                pid = -1;
                break;
            }
            if (!szReadyWords || FileHolds(strLog, szReadyWords)) {
                int fd = ConnectLoopback(iPort);
                if (fd >= 0) {
                    close(fd);
                    if (waitpid(pid, &iStatus, WNOHANG) == 0)
                        return pid;
                    pid = -1;
                    break;
                }
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        if (pid > 0) {
            StopProcess(pid);
            throw std::runtime_error(std::string(szName) + " did not start listening; see " +
                                     strLog);
        }
    }
    throw std::runtime_error(std::string(szName) + " ended at start on five ports in a row; see " +
                             strLog);
}

CgiTarget::CgiTarget(const std::string& strDb, const std::string& strWorkDir, bool bGuilds) {
    const std::string strConf = strWorkDir + "/lighttpd.conf";
    const std::string strLog = strWorkDir + "/lighttpd-error.log";
    m_pid = StartWebServer(
        "lighttpd", {"/usr/sbin/lighttpd", "-D", "-f", strConf}, strLog, "server started",
        [&](int iPort) {
            std::ofstream conf(strConf, std::ios::trunc);
            conf << "server.document-root = \"" << strWorkDir << "\"\n"
                 << "server.bind = \"127.0.0.1\"\n"
                 << "server.port = " << iPort << "\n"
                 << "server.errorlog = \"" << strLog << "\"\n"
                 << "server.modules = (\"mod_alias\", \"mod_setenv\", \"mod_cgi\")\n"
                 << "alias.url = (\"/zorv\" => \"" << ZORV_SERVER_BIN << "\")\n"
                 << "cgi.assign = (\"/zorv-server\" => \"\")\n"
                 << "setenv.add-environment = (\"" << (bGuilds ? "ZORV_GUILDS" : "ZORV_DB")
                 << "\" => \"" << strDb << "\", \"ZORV_LOOPBACK_RECEIVERS\" => \"1\")\n";
        },
        m_iPort);
}

CgiTarget::~CgiTarget() {
    StopProcess(m_pid);
}

ApacheTarget::ApacheTarget(const std::string& strDb, const std::string& strWorkDir) {
    const std::string strConf = strWorkDir + "/apache.conf";
    const std::string strLog = strWorkDir + "/apache-error.log";
    const std::string strModules = "/usr/lib/apache2/modules/";
    bool bRoot = geteuid() == 0;
    if (bRoot) {
        // Apache will not serve as root; the CGI program, as www-data, must reach the guild file
        // and make its key and write-ahead log beside it.
        chmod(strWorkDir.c_str(), 0777);
        chmod(strDb.c_str(), 0666);
    }
    m_pid = StartWebServer(
        "apache2", {"/usr/sbin/apache2", "-d", strWorkDir, "-f", strConf, "-DFOREGROUND"}, strLog,
        "resuming normal operations",
        [&](int iPort) {
            std::ofstream conf(strConf, std::ios::trunc);
            conf << "ServerRoot \"" << strWorkDir << "\"\nServerName 127.0.0.1\n"
                 << "Listen 127.0.0.1:" << iPort << "\n"
                 << "PidFile \"" << strWorkDir << "/apache.pid\"\n"
                 << "ErrorLog \"" << strLog << "\"\nLogLevel notice\n"
                 << (bRoot ? "User www-data\nGroup www-data\n" : "");
            for (const char* szModule : {"mpm_event", "authz_core", "alias", "env", "cgid"})
                conf << "LoadModule " << szModule << "_module " << strModules << "mod_" << szModule
                     << ".so\n";
            conf << "ScriptSock \"" << strWorkDir << "/cgid.sock\"\n"
                 << "DocumentRoot \"" << strWorkDir << "\"\n"
                 << "<Location \"/\">\n    Require all granted\n</Location>\n"
                 << "ScriptAlias /zorv \"" << ZORV_SERVER_BIN << "\"\n"
                 << "SetEnv ZORV_DB \"" << strDb << "\"\n"
                 << "SetEnv ZORV_LOOPBACK_RECEIVERS 1\n";
        },
        m_iPort);
    // Apache says it resumes before mod_cgid's daemon has made its socket (the name gets the
    // daemon's pid); a CGI request before that is answered 503.
    auto CgidReady = [&] {
        for (const auto& entry : std::filesystem::directory_iterator(strWorkDir))
            if (entry.path().filename().string().rfind("cgid.sock", 0) == 0)
                return true;
        return false;
    };
    for (int i = 0; i < 1000 && !CgidReady(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (!CgidReady()) {
        StopProcess(m_pid);
        throw std::runtime_error("apache2's CGI daemon made no socket; see " + strLog);
    }
}

ApacheTarget::~ApacheTarget() {
    StopProcess(m_pid);
}

std::unique_ptr<Target> MakeTarget(const std::string& strKind, const std::string& strDb,
                                   const std::string& strWorkDir) {
    if (strKind == "cgi")
        return std::make_unique<CgiTarget>(strDb, strWorkDir);
    if (strKind == "apache")
        return std::make_unique<ApacheTarget>(strDb, strWorkDir);
    return std::make_unique<ServeTarget>(strDb);
}

namespace {

sqlite3* OpenRaw(const std::string& strDb) {
    sqlite3* pDb = nullptr;
    if (sqlite3_open(strDb.c_str(), &pDb) != SQLITE_OK)
        throw std::runtime_error("cannot open " + strDb);
    sqlite3_busy_timeout(pDb, 10000);
    return pDb;
}

} // namespace

void Sql(const std::string& strDb, const std::string& strStatement) {
    sqlite3* pDb = OpenRaw(strDb);
    char* szError = nullptr;
    int iResult = sqlite3_exec(pDb, strStatement.c_str(), nullptr, nullptr, &szError);
    std::string strError = szError ? szError : "";
    sqlite3_free(szError);
    sqlite3_close(pDb);
    if (iResult != SQLITE_OK)
        throw std::runtime_error("SQL failed: " + strError + " in " + strStatement);
}

std::string SqlValue(const std::string& strDb, const std::string& strQuery) {
    sqlite3* pDb = OpenRaw(strDb);
    sqlite3_stmt* pStmt = nullptr;
    std::string strValue;
    if (sqlite3_prepare_v2(pDb, strQuery.c_str(), -1, &pStmt, nullptr) == SQLITE_OK &&
        sqlite3_step(pStmt) == SQLITE_ROW && sqlite3_column_text(pStmt, 0))
        strValue = reinterpret_cast<const char*>(sqlite3_column_text(pStmt, 0));
    sqlite3_finalize(pStmt);
    sqlite3_close(pDb);
    return strValue;
}

const char* Scene::Name(int id) {
    static const char* const kNames[] = {"",     "Root",   "High",  "Patron",
                                         "Self", "Vassal", "Other", "Keeper"};
    return id >= 1 && id <= 7 ? kNames[id] : "Nobody";
}

void Scene::CreateEmpty(const std::string& strDb) {
    if (RunServerCommand({"init", "--db", strDb}) != 0)
        throw std::runtime_error("zorv-server init failed");
    Sql(strDb, "INSERT INTO settings(key, value) VALUES ('throttle_free', '100000')");
}

Answer As(const Target& target, int id, int iMsgId, const Fields& fields) {
    return target.Send(Scene::Name(id), Scene::Password(id), iMsgId, fields);
}

void Scene::Build(const Target& target) {
    auto Expect = [](const Answer& answer, const char* szWhat) {
        if (answer.iCode != 800)
            throw std::runtime_error(std::string(szWhat) + " got " + std::to_string(answer.iCode) +
                                     ": " + answer.strRaw);
    };
    Expect(target.Send("Root", kRootPassword, 105,
                       Form(std::string("guildname=Test Guild&defaultpw=") + kDefaultPassword +
                            "&use_rescue_squad=1&rescue_squad_name=Lifeguards")),
           "set-up");
    struct Add {
        int iTo;
        const char* szName;
        const char* szList;
        const char* szPatron;
    };
    const Add adds[] = {{Root, "High", "", "-1"},   {High, "Patron", "", "1"},
                        {Patron, "Self", "", "2"},  {Self, "Vassal", "", "3"},
                        {Root, "Other", "2", "-1"}, {Root, "Keeper", "2,6", "-1"}};
    for (const Add& add : adds) {
        Expect(As(target, Root, 101,
                  Form("charid=1&addtoid=" + std::to_string(add.iTo) + "&vassalname=" + add.szName +
                       "&vassallist=" + add.szList + "&patronid=" + add.szPatron)),
               add.szName);
    }
    Expect(As(target, Root, 112, {{"charid", "1"}, {"changeid", "7"}, {"newlevel", "3"}}),
           "Keeper's level");
}

void ServerTest::SetUp() {
    m_strDb = m_dir.File("guild.db");
    Scene::CreateEmpty(m_strDb);
    m_target = MakeTarget(GetParam(), m_strDb, m_dir.Path());
}

void SceneTest::SetUp() {
    ServerTest::SetUp();
    Scene::Build(T());
    Bind(T(), m_strDb);
}

std::string SceneOps::Column(const char* szColumn, int id) const {
    return Value(std::string("SELECT ") + szColumn +
                 " FROM characters WHERE id = " + std::to_string(id));
}

std::string SceneOps::Vassals(int id) const {
    return Value("SELECT coalesce(group_concat(id), '') FROM (SELECT id FROM characters "
                 "WHERE patron_id = " +
                 std::to_string(id) + " ORDER BY join_seq)");
}

Answer SceneOps::Save(int iActor, int id, const Fields& fields) const {
    Fields all = {{"charid", std::to_string(iActor)}, {"updateid", std::to_string(id)}};
    all.insert(all.end(), fields.begin(), fields.end());
    return As(*m_pTarget, iActor, 106, all);
}

Answer SceneOps::Add(int iActor, int iTo, const std::string& strName) const {
    return As(*m_pTarget, iActor, 101,
              {{"charid", std::to_string(iActor)},
               {"addtoid", std::to_string(iTo)},
               {"vassalname", strName},
               {"vassallist", Vassals(iTo)},
               {"patronid", Column("patron_id", iTo)}});
}

Answer SceneOps::Remove(int iActor, int id) const {
    const std::string strPatron = Column("patron_id", id);
    return As(*m_pTarget, iActor, 102,
              {{"charid", std::to_string(iActor)},
               {"vassalid", std::to_string(id)},
               {"patronid", strPatron},
               {"vassallist", Vassals(std::stoi(strPatron))}});
}

Answer SceneOps::Move(int iActor, int id, int iNewPatron) const {
    const std::string strOld = Column("patron_id", id);
    return As(*m_pTarget, iActor, 103,
              {{"charid", std::to_string(iActor)},
               {"moveid", std::to_string(id)},
               {"newpatronid", std::to_string(iNewPatron)},
               {"oldpatronid", strOld},
               {"oldpatronvassallist", Vassals(std::stoi(strOld))},
               {"newpatronvassallist", Vassals(iNewPatron)}});
}

Answer SceneOps::Level(int iActor, int id, const std::string& strLevel) const {
    return As(*m_pTarget, iActor, 112,
              {{"charid", std::to_string(iActor)},
               {"changeid", std::to_string(id)},
               {"newlevel", strLevel}});
}

Answer SceneOps::Password(int id, const std::string& strNew) const {
    return As(*m_pTarget, id, 108,
              {{"charid", std::to_string(id)}, {"newpw", strNew}, {"confirmpw", strNew}});
}

Answer SceneOps::Undo(int iActor, const std::string& strEntry) const {
    return As(*m_pTarget, iActor, 119, {{"charid", std::to_string(iActor)}, {"entry", strEntry}});
}

Answer SceneOps::Setup(const Fields& fields) const {
    Fields all = {{"charid", "1"}};
    all.insert(all.end(), fields.begin(), fields.end());
    return As(*m_pTarget, Scene::Root, 109, all);
}

namespace {

std::string EmptyGuild(const TempDir& dir) {
    const std::string strDb = dir.File("guild.db");
    Scene::CreateEmpty(strDb);
    return strDb;
}

} // namespace

ServedScene::ServedScene(const std::vector<std::string>& extraArgs, bool bLoopbackReceivers)
    : strDb(EmptyGuild(dir)), target(strDb, "/zorv", extraArgs, bLoopbackReceivers) {
    Scene::Build(target);
    Bind(target, strDb);
}

int StatusOf(int iPort, const std::string& strRequest, const std::string& strFrom) {
    const std::string strRaw = RawExchange(iPort, strRequest, strFrom);
    return strRaw.rfind("HTTP/1.", 0) == 0 && strRaw.size() > 12 ? std::atoi(strRaw.c_str() + 9)
                                                                 : -1;
}

std::string GetRequest(const std::string& strPath) {
    return "GET " + strPath + " HTTP/1.1\r\nHost: h\r\nConnection: close\r\n\r\n";
}

std::string PostRequest(const std::string& strPath) {
    return "POST " + strPath +
           " HTTP/1.1\r\nHost: h\r\nContent-Length: 4\r\nConnection: close\r\n\r\nop=1";
}

ServedGuilds::ServedGuilds(const std::vector<std::string>& names,
                           const std::vector<std::string>& extraArgs) {
    for (const std::string& strName : names)
        Scene::CreateEmpty(File(strName));
    std::vector<std::string> args{"--guilds", dir.Path()};
    args.insert(args.end(), extraArgs.begin(), extraArgs.end());
    server = std::make_unique<ServeTarget>("", "/zorv", args);
}

std::vector<std::string> ServedGuilds::OpenFiles() const {
    std::vector<std::string> files;
    const std::filesystem::path fds = "/proc/" + std::to_string(server->Pid()) + "/fd";
    for (const auto& entry : std::filesystem::directory_iterator(fds)) {
        std::error_code error;
        const std::filesystem::path target = std::filesystem::read_symlink(entry.path(), error);
        if (!error && target.extension() == ".db")
            files.push_back(target.filename().string());
    }
    return files;
}

int StartWatch(const Target& target) {
    const Answer now = As(target, Scene::Other, 120, {{"since", ""}});
    const int fd = now.iCode == 800 ? ConnectLoopback(target.Port()) : -1;
    if (fd < 0)
        return -1;
    const std::string strWatch = target.RequestBytes(
        Scene::Name(Scene::Other), Scene::Password(Scene::Other), 120,
        {{"since", now.strPayload.substr(0, now.strPayload.find('|'))}, {"wait", "30"}});
    if (send(fd, strWatch.data(), strWatch.size(), 0) != ssize_t(strWatch.size())) {
        close(fd);
        return -1;
    }
    return fd;
}
