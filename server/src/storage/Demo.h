#pragma once
// Ready-made guilds: a small demo guild to try the client against, and large generated guilds
// for benchmarks. Both write a new database file and report how to log in.
#include <string>

struct GuildLogin {
    std::string strName;
    std::string strPassword;
    std::string strDefaultPassword;
};

// Throws std::runtime_error when the file exists already or cannot be written.
GuildLogin CreateDemoGuild(const std::string& strPath);

enum class SeedShape { Wide, Chain, Random };
GuildLogin CreateSeededGuild(const std::string& strPath, int nMembers, SeedShape shape);

// A new database holding the schema only: the first login sets it up.
void CreateEmptyGuild(const std::string& strPath);
