#include "GuildFiles.h"

#include "Database.h"

#include <sqlite3.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <memory>
#include <set>
#include <stdexcept>
#include <sys/stat.h>

namespace guilds {

namespace {

constexpr std::string_view kSuffix = ".db";

std::optional<std::string> RealPath(const std::string& strPath) {
    std::unique_ptr<char, decltype(&std::free)> szReal(realpath(strPath.c_str(), nullptr),
                                                       &std::free);
    if (!szReal)
        return std::nullopt;
    return std::string(szReal.get());
}

} // namespace

bool IsName(std::string_view strName) {
    if (strName.empty() || strName.size() > kMaxName || strName.front() == '-')
        return false;
    return std::all_of(strName.begin(), strName.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
    });
}

std::string FileOf(const std::string& strDir, const std::string& strName) {
    return strDir + "/" + strName + std::string(kSuffix);
}

std::optional<Found> Find(const std::string& strDir, const std::string& strName) {
    if (!IsName(strName))
        return std::nullopt;
    const std::string strFile = FileOf(strDir, strName);
    struct stat link {};
    if (lstat(strFile.c_str(), &link) != 0)
        return std::nullopt;
    if (S_ISLNK(link.st_mode)) {
        // Followed only within the folder: a link to a file elsewhere is no guild of the host.
        const std::optional<std::string> strReal = RealPath(strFile);
        const std::optional<std::string> strRealDir = RealPath(strDir);
        if (!strReal || !strRealDir || strReal->rfind(*strRealDir + "/", 0) != 0 ||
            strReal->find('/', strRealDir->size() + 1) != std::string::npos)
            return std::nullopt;
    }
    struct stat file {};
    if (stat(strFile.c_str(), &file) != 0 || !S_ISREG(file.st_mode))
        return std::nullopt;
    return Found{strFile, {file.st_dev, file.st_ino}};
}

std::vector<std::string> List(const std::string& strDir) {
    struct Close {
        void operator()(DIR* pDir) const { closedir(pDir); }
    };
    std::unique_ptr<DIR, Close> dir(opendir(strDir.c_str()));
    if (!dir)
        throw std::runtime_error("cannot read the guilds' folder " + strDir + ": " +
                                 std::strerror(errno));
    std::vector<std::string> names;
    while (const dirent* pEntry = readdir(dir.get())) {
        std::string_view strEntry = pEntry->d_name;
        if (strEntry.size() <= kSuffix.size() ||
            strEntry.substr(strEntry.size() - kSuffix.size()) != kSuffix)
            continue;
        std::string strName(strEntry.substr(0, strEntry.size() - kSuffix.size()));
        if (Find(strDir, strName))
            names.push_back(std::move(strName));
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<Found> DistinctFiles(const std::string& strDir) {
    std::vector<Found> files;
    std::set<std::pair<dev_t, ino_t>> seen;
    for (const std::string& strName : List(strDir))
        if (std::optional<Found> found = Find(strDir, strName))
            if (seen.insert(found->identity).second)
                files.push_back(std::move(*found));
    return files;
}

bool Settle(const std::string& strFile) {
    Database db(strFile, Database::Mode::OpenExisting);
    sqlite3_busy_timeout(db.Handle(), 0); // the caller asks again
    // Leaving write-ahead logging needs the only connection; with another open it stays "wal",
    // or the file is busy.
    try {
        Statement mode(db, "PRAGMA journal_mode = DELETE");
        return mode.Step() && mode.Text(0) == "delete";
    } catch (const DbError&) {
        if ((sqlite3_extended_errcode(db.Handle()) & 0xff) != SQLITE_BUSY)
            throw;
        return false;
    }
}

std::vector<std::string> Companions(const std::string& strFile) {
    return {strFile + "-wal", strFile + "-shm", strFile + "-journal", strFile + ".key"};
}

} // namespace guilds
