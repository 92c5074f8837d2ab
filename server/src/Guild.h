#pragma once
// The server's request handling: one form in, one result code and payload out. It checks the
// request's shape, opens the guild's database, authenticates the caller and runs the operation
// in one transaction. Shared by the standalone server and the CGI program.
#include "TreeCache.h"

#include <map>
#include <string>

class CredentialCache;

struct Reply {
    int iCode = 0;
    std::string strPayload; // Latin-1, fields already escaped

    // "<START_HERE>" code ";" payload "<STOP_HERE>"
    std::string Body() const;
};

struct Request {
    std::string strBody;
    std::string strUserAgent;
    std::string strRemoteAddress;
};

inline constexpr std::size_t kMaxBodyBytes = 64 * 1024;

class Guild {
public:
    // pCache, when not null, is the record of verified logins (kept in the guild file too).
    Guild(std::string strDbPath, CredentialCache* pCache);
    Reply Handle(const Request& request);

private:
    std::string m_strDbPath;
    CredentialCache* m_pCache;
    TreeCache m_treeCache;
};
