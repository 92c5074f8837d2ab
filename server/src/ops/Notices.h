#pragma once
// The guild's changes told to its chat channels: which change is of which kind, the sentence that
// tells it in the guild's words, and its body in each target's format and language. A message
// names members by what the web roster shows of anyone, private or not (name and level), and
// never carries a password, a hash, an e-mail address or any other real-life detail. Operations
// 123 to 126 let an administrator keep the targets; the sender is notify/Courier.h.
#include "Call.h"
#include "NotifyStore.h"

#include <cstdint>
#include <string>

namespace notify {

// "joins,moves" as a target keeps its kinds: known kinds, each once, in the order given; empty
// when strKinds names an unknown kind or none.
std::string CheckedKinds(const std::string& strKinds);
bool IsFormat(const std::string& strFormat);
// Why a URL cannot be a target (empty when it can): https:// to any host, or http:// to this
// machine's loopback only (a local receiver: 127.x.y.z written as an address, localhost or
// [::1]) and only where bPlainLoopback says the server's operator allows those; a port, when
// given, from 1 to 65535; at most kMaxUrlLength characters, no user name, no blank or control
// character.
inline constexpr std::size_t kMaxUrlLength = 1000;
std::optional<Fault> UrlFault(const std::string& strUrl, bool bPlainLoopback);
// Whether a URL sends in plain http://.
bool IsPlainHttp(const std::string& strUrl);
// A guild sends to at most this many targets: each that is due has a thread of its own while it
// is delivered.
inline constexpr int kMaxTargets = 20;
// Why one more target cannot be added (empty when it can); in the caller's write transaction.
std::optional<Fault> FullFault(Database& db);
// The URL as anyone but the file may see it: scheme and host, the rest (the webhook's key) hidden.
std::string MaskedUrl(const std::string& strUrl);
// What the client is shown of a receiver's answer: its status ("HTTP 404"), or why none came;
// never the body, which is the receiver's to keep.
std::string StatusOnly(const std::string& strResult);

// The messages of the call's changes, one per target that asked for the kind, written to the
// outbox in the call's transaction; how many.
int WriteNotices(Call& call);

// A message to a target that says only that it works, in the target's format.
std::string TestBody(const Target& target, const std::string& strGuild);

// Operations 123 to 126, administrators only.
Reply NotifyTargetsOp(Call& call);
Reply NotifyAddOp(Call& call);
Reply NotifyRemoveOp(Call& call);
Reply NotifyTestOp(Call& call);

} // namespace notify
