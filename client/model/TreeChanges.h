#pragma once
// The reply to the change feed (operation 120): a header record "generation|ids that left!;",
// then the tree records, in the tree payload's own form, of every member who joined or whose
// tree fields changed since the generation the client sent.
#include "Characters.h"

#include <QString>
#include <vector>

struct TreeChanges {
    qint64 lGeneration = -1; // the server's tree generation when it answered
    std::vector<qint16> left;
    std::vector<Character> changed;

    bool Empty() const { return left.empty() && changed.empty(); }
};

// False, with the reason in strProblem, when the payload has no header or a record that cannot
// be read.
bool ParseTreeChanges(const QString& strPayload, TreeChanges& changes, QString& strProblem);
