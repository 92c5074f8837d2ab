// The client's tree payload parser (ParseTreePayload), then the walks the views make over a
// roster it accepted: the ranks from the monarchs down, the vassal positions and places in the
// lists the tree model reads, the follower counts of the sheet and the acting-character test.
//
// The first byte chooses how the rest becomes text: even, Latin-1 as off the wire; odd, UTF-8,
// which can hold characters Latin-1 cannot and so reaches the parser's second reading.
#include "Characters.h"
#include "TreePayload.h"

#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    if (nSize == 0)
        return 0;
    const char* pText = reinterpret_cast<const char*>(pData + 1);
    const auto nText = static_cast<qsizetype>(nSize - 1);
    const QString strPayload =
        pData[0] % 2 ? QString::fromUtf8(pText, nText) : QString::fromLatin1(pText, nText);

    // Each input read against the roster the last one made, as the client reads each download.
    static RosterSnapshot last = Characters::Empty();
    QString strProblem;
    const RosterSnapshot next = ParseTreePayload(strPayload, strProblem, *last);
    const Characters& roster = *next;
    if (!strProblem.isEmpty()) {
        if (roster.Count() != 0) {
            std::fprintf(stderr, "fuzz_tree: a refused payload left %d records\n", roster.Count());
            std::abort();
        }
        return 0;
    }
    last = next;
    if (!roster.Sound()) {
        std::fprintf(stderr, "fuzz_tree: an accepted roster is not a forest\n");
        std::abort();
    }
    for (int i = 0; i < roster.Count(); ++i) {
        // The tree model indexes its tables with these.
        for (int iVassal : roster.VassalIndexes(i)) {
            if (iVassal < -1 || iVassal >= roster.Count()) {
                std::fprintf(stderr, "fuzz_tree: record %d lists position %d of %d\n", i, iVassal,
                             roster.Count());
                std::abort();
            }
        }
        // The tree model shows a sound roster straight from these: each record must stand at
        // its place in its lister's list.
        if (roster.ListedBy(i) >= 0) {
            const IndexSpan siblings = roster.Vassals().Of(roster.ListedBy(i));
            const auto iPlace = static_cast<std::size_t>(roster.PlaceInList(i));
            if (iPlace >= siblings.size() || siblings[iPlace] != i) {
                std::fprintf(stderr, "fuzz_tree: record %d is not at its place in its list\n", i);
                std::abort();
            }
        }
        const Character& character = roster.At(i);
        roster.ComputedRank(i);
        roster.CalculateRank(CharKey(character.nID));
        roster.CountFollowers(CharKey(character.nID));
        IsFollower(roster, character.nPatronID, character.nID);
        IsFollower(roster, character.nID, roster.At(0).nID);
    }
    return 0;
}
