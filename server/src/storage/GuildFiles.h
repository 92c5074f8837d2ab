#pragma once
// The guilds of a host: a folder of guild files, DIR/<guild>.db, each served at /<guild>/zorv. A
// guild's name is what a path may carry without escaping the folder: 1 to 63 lower-case letters,
// digits and hyphens, beginning with a letter or digit. A file is a guild only when it lies in the
// folder itself: a symbolic link is followed only to a file in the same folder.
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <utility>
#include <vector>

namespace guilds {

inline constexpr std::size_t kMaxName = 63;

bool IsName(std::string_view strName);

// DIR/<name>.db, whether or not it is there.
std::string FileOf(const std::string& strDir, const std::string& strName);

struct Found {
    std::string strFile;
    std::pair<dev_t, ino_t> identity; // the file it is now, to tell a guild replaced or renamed
};
// The guild of that name, when the name is one and its file is a regular file of the folder.
std::optional<Found> Find(const std::string& strDir, const std::string& strName);

// Every guild of the folder, by name; throws when the folder cannot be read.
std::vector<std::string> List(const std::string& strDir);

// Every guild file of the folder once: a guild that a link gives a second name is one guild.
std::vector<Found> DistinctFiles(const std::string& strDir);

// Folds the guild file's write-ahead log into it and leaves it one file, which may then be moved
// or removed whole: only while no other connection has it open (a server that serves the guild
// keeps it open until the guild has been idle a while); false when one does.
bool Settle(const std::string& strFile);

// The files a guild may have beside its own: the write-ahead log, its index, the login key.
std::vector<std::string> Companions(const std::string& strFile);

} // namespace guilds
