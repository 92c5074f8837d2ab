#pragma once
// The reply to the change feed (operation 120): a header record "generation|ids that left!;",
// then the tree records, in the tree payload's own form, of every member who joined, whose tree
// fields changed or whose sheet was saved since the generation the client sent, each with the
// record's revision as a tenth field.
#include "Characters.h"

#include <QString>
#include <vector>

struct TreeChanges {
    qint64 lGeneration = -1; // the server's tree generation when it answered
    std::vector<qint16> left;
    std::vector<Character> changed;
    std::vector<QString> revisions; // of each changed record; empty from a server without them

    bool Empty() const { return left.empty() && changed.empty(); }
};

// False, with the reason in strProblem, when the payload has no header or a record that cannot
// be read.
bool ParseTreeChanges(const QString& strPayload, TreeChanges& changes, QString& strProblem);
