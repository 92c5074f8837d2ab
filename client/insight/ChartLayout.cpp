#include "ChartLayout.h"

#include <algorithm>
#include <cmath>

namespace {

// The tidy-tree walk over nodes numbered level by level, so that a node's children are one run
// of numbers after it and siblings are neighbours. Node 0 stands above the top boxes and is not
// drawn; it lets several monarchs be placed side by side like the vassals of one patron.
// Positions are in sibling pitches: two neighbours on one level stand at least 1 apart.
class TidyTree {
public:
    TidyTree(const std::vector<int>& parent, const std::vector<int>& first,
             const std::vector<int>& count)
        : m_parent(parent), m_first(first), m_count(count), m_nodes(parent.size()) {
        for (std::size_t k = 0; k < m_nodes.size(); ++k)
            m_nodes[k].ancestor = static_cast<int>(k);
    }

    // A node's x, once placed.
    double X(int v) const { return m_nodes[static_cast<std::size_t>(v)].prelim; }

    // Places every node. Children are numbered after their parent, so walking the numbers
    // downwards finishes every branch before the patron above it: the first walk without
    // recursion. Branches side by side do not touch each other until their common patron is
    // reached, so the order among them does not matter.
    void Place() {
        const int nNodes = static_cast<int>(m_parent.size());
        for (int p = nNodes - 1; p >= 0; --p) {
            if (Count(p) == 0)
                continue;
            int iDefault = First(p);
            for (int v = First(p); v < First(p) + Count(p); ++v) {
                const bool bLeftmost = v == First(p);
                if (Count(v) == 0) {
                    Prelim(v) = bLeftmost ? 0.0 : Prelim(v - 1) + 1.0;
                } else {
                    const double dMid = (Prelim(First(v)) + Prelim(Last(v))) / 2;
                    if (bLeftmost) {
                        Prelim(v) = dMid;
                    } else {
                        Prelim(v) = Prelim(v - 1) + 1.0;
                        Mod(v) = Prelim(v) - dMid;
                    }
                }
                iDefault = Apportion(v, iDefault);
            }
            ExecuteShifts(p);
        }
        // The second walk: a node's x is its own place plus the modifiers of all above it,
        // parents before children; the shifts are spent, so their room holds those sums.
        m_nodes[0].shift = 0;
        for (int v = 1; v < nNodes; ++v) {
            Node& node = m_nodes[static_cast<std::size_t>(v)];
            const Node& parent = m_nodes[static_cast<std::size_t>(m_parent[std::size_t(v)])];
            node.shift = parent.shift + parent.mod;
            node.prelim += node.shift;
        }
    }

private:
    int First(int v) const { return m_first[static_cast<std::size_t>(v)]; }
    int Count(int v) const { return m_count[static_cast<std::size_t>(v)]; }
    int Last(int v) const { return First(v) + Count(v) - 1; }
    double& Prelim(int v) { return m_nodes[static_cast<std::size_t>(v)].prelim; }
    double& Mod(int v) { return m_nodes[static_cast<std::size_t>(v)].mod; }
    int& Thread(int v) { return m_nodes[static_cast<std::size_t>(v)].thread; }
    // The next node down the left and the right contour of a branch, or -1.
    int NextLeft(int v) { return Count(v) > 0 ? First(v) : Thread(v); }
    int NextRight(int v) { return Count(v) > 0 ? Last(v) : Thread(v); }

    // Pushes v's branch right of its left siblings' branches, level by level down both
    // contours, and spreads the push over the siblings in between.
    int Apportion(int v, int iDefault) {
        const int p = m_parent[static_cast<std::size_t>(v)];
        if (v == First(p))
            return iDefault;
        int vir = v, vor = v; // inside and outside right contour
        int vil = v - 1;      // inside left: the right contour of the left neighbour
        int vol = First(p);   // outside left: the left contour of the leftmost sibling
        double sir = Mod(v), sor = Mod(v), sil = Mod(vil), sol = Mod(vol);
        while (NextRight(vil) >= 0 && NextLeft(vir) >= 0) {
            vil = NextRight(vil);
            vir = NextLeft(vir);
            vol = NextLeft(vol);
            vor = NextRight(vor);
            m_nodes[static_cast<std::size_t>(vor)].ancestor = v;
            const double dShift = (Prelim(vil) + sil) - (Prelim(vir) + sir) + 1.0;
            if (dShift > 0) {
                MoveSubtree(Ancestor(vil, v, iDefault), v, dShift);
                sir += dShift;
                sor += dShift;
            }
            sil += Mod(vil);
            sir += Mod(vir);
            sol += Mod(vol);
            sor += Mod(vor);
        }
        // The shorter side's contour goes on along the taller side's by a thread.
        if (NextRight(vil) >= 0 && NextRight(vor) < 0) {
            Thread(vor) = NextRight(vil);
            Mod(vor) += sil - sor;
        }
        if (NextLeft(vir) >= 0 && NextLeft(vol) < 0) {
            Thread(vol) = NextLeft(vir);
            Mod(vol) += sir - sol;
            iDefault = v;
        }
        return iDefault;
    }

    // The left sibling of v whose branch holds vil, or the default one.
    int Ancestor(int vil, int v, int iDefault) const {
        const int a = m_nodes[static_cast<std::size_t>(vil)].ancestor;
        return m_parent[static_cast<std::size_t>(a)] == m_parent[static_cast<std::size_t>(v)]
                   ? a
                   : iDefault;
    }

    void MoveSubtree(int wl, int wr, double dShift) {
        const double dPer = dShift / (wr - wl); // siblings are numbered side by side
        m_nodes[static_cast<std::size_t>(wr)].change -= dPer;
        m_nodes[static_cast<std::size_t>(wr)].shift += dShift;
        m_nodes[static_cast<std::size_t>(wl)].change += dPer;
        Prelim(wr) += dShift;
        Mod(wr) += dShift;
    }

    void ExecuteShifts(int p) {
        double dShift = 0, dChange = 0;
        for (int w = Last(p); w >= First(p); --w) {
            Prelim(w) += dShift;
            Mod(w) += dShift;
            dChange += m_nodes[static_cast<std::size_t>(w)].change;
            dShift += m_nodes[static_cast<std::size_t>(w)].shift + dChange;
        }
    }

    const std::vector<int>& m_parent;
    const std::vector<int>& m_first;
    const std::vector<int>& m_count;
    // A node's walk figures side by side, so that a step along a contour reads one cache line.
    struct Node {
        double prelim = 0;
        double mod = 0;
        double shift = 0;
        double change = 0;
        int thread = -1;
        int ancestor = 0;
    };
    std::vector<Node> m_nodes;
};

} // namespace

ChartLayout::ChartLayout() : m_roster(Characters::Empty()), m_levelStart{0}, m_familyStart{0} {}

ChartLayout ChartLayout::Make(RosterSnapshot roster, qint16 idStart, int nLevels,
                              const ChartMetrics& metrics) {
    ChartLayout chart;
    chart.m_roster = roster ? std::move(roster) : Characters::Empty();
    chart.m_metrics = metrics;
    chart.m_idStart = idStart;
    chart.m_nLevelLimit = std::max(nLevels, 0);
    const Characters& members = *chart.m_roster;
    const int nRecords = members.Count();

    // The nodes level by level: node 0 above the tops, node b + 1 for box b.
    std::vector<int> tops;
    if (idStart == -1) {
        // In a forest a member whose patron id is -1 is in nobody's list, so only those are
        // read.
        const bool bSound = members.Sound();
        for (int i = 0; i < nRecords; ++i)
            if ((!bSound || members.ListedBy(i) < 0) && members.At(i).nPatronID == -1)
                tops.push_back(i);
    } else if (const int i = members.IndexOfId(idStart); i >= 0) {
        tops.push_back(i);
    }
    std::vector<int>& record = chart.m_record;
    std::vector<int>& parent = chart.m_parent;
    std::vector<int>& first = chart.m_firstChild;
    std::vector<int>& count = chart.m_childCount;
    for (std::vector<int>* pColumn : {&record, &parent, &first, &count})
        pColumn->reserve(static_cast<std::size_t>(nRecords) + 1);
    record.push_back(-1);
    parent.push_back(-1);
    chart.m_boxOfRecord.assign(static_cast<std::size_t>(nRecords), -1);
    // A member listed twice, or a list that loops, is drawn once: the first place wins.
    auto Place = [&](int iRecord, std::size_t k) {
        int& iBox = chart.m_boxOfRecord[static_cast<std::size_t>(iRecord)];
        if (iBox >= 0)
            return;
        iBox = static_cast<int>(record.size()) - 1;
        record.push_back(iRecord);
        parent.push_back(static_cast<int>(k));
    };
    const Characters::VassalTable vassals = members.Vassals();
    chart.m_levelStart.clear();
    int iNodeLevel = -1;       // of node k
    std::size_t kLevelEnd = 1; // the first node of the next level
    for (std::size_t k = 0; k < record.size(); ++k) {
        if (k == kLevelEnd) {
            ++iNodeLevel;
            chart.m_levelStart.push_back(static_cast<int>(k) - 1);
            kLevelEnd = record.size();
        }
        first.push_back(static_cast<int>(record.size()));
        if (k == 0) {
            for (int i : tops)
                Place(i, 0);
        } else if (chart.m_nLevelLimit == kAllLevels || iNodeLevel + 1 < chart.m_nLevelLimit) {
            for (int iVassal : vassals.Of(record[k]))
                if (iVassal >= 0)
                    Place(iVassal, k);
        }
        count.push_back(static_cast<int>(record.size()) - first.back());
    }
    const std::size_t nBoxes = record.size() - 1;
    chart.m_levelStart.push_back(static_cast<int>(nBoxes));

    TidyTree tree(parent, first, count);
    tree.Place();

    const qreal rPitch = metrics.rBoxWidth + metrics.rSiblingGap;
    const int nNodes = static_cast<int>(nBoxes) + 1;
    double dMin = nBoxes > 0 ? tree.X(1) : 0, dMax = dMin;
    for (int v = 2; v < nNodes; ++v) {
        dMin = std::min(dMin, tree.X(v));
        dMax = std::max(dMax, tree.X(v));
    }
    chart.m_left.resize(nBoxes);
    for (int v = 1; v < nNodes; ++v)
        chart.m_left[static_cast<std::size_t>(v) - 1] =
            static_cast<qreal>(tree.X(v) - dMin) * rPitch;
    // A level's families are the boxes of the level above that have vassals drawn.
    chart.m_familyStart.assign(1, 0);
    for (int iLevel = 0; iLevel < chart.Levels(); ++iLevel) {
        if (iLevel > 0)
            for (int b = chart.LevelBegin(iLevel - 1); b < chart.LevelEnd(iLevel - 1); ++b)
                if (chart.ChildCount(b) > 0)
                    chart.m_families.push_back(b);
        chart.m_familyStart.push_back(static_cast<int>(chart.m_families.size()));
    }
    chart.m_bounds =
        nBoxes == 0 ? QRectF()
                    : QRectF(0, 0, static_cast<qreal>(dMax - dMin) * rPitch + metrics.rBoxWidth,
                             chart.Levels() * chart.LevelPitch() - metrics.rLevelGap);
    return chart;
}

int ChartLayout::LevelOf(int iBox) const {
    const auto it = std::upper_bound(m_levelStart.begin(), m_levelStart.end(), iBox);
    return static_cast<int>(it - m_levelStart.begin()) - 1;
}

int ChartLayout::BoxOfRecord(int iRecord) const {
    if (iRecord < 0 || iRecord >= static_cast<int>(m_boxOfRecord.size()))
        return -1;
    return m_boxOfRecord[static_cast<std::size_t>(iRecord)];
}

int ChartLayout::BoxOfId(qint16 id) const {
    return BoxOfRecord(m_roster->IndexOfId(id));
}

QRectF ChartLayout::Box(int iBox) const {
    return QRectF(m_left[static_cast<std::size_t>(iBox)], LevelOf(iBox) * LevelPitch(),
                  m_metrics.rBoxWidth, m_metrics.rBoxHeight);
}

qreal ChartLayout::JoinY(int iLevel) const {
    return iLevel * LevelPitch() - m_metrics.rLevelGap / 2;
}

ChartLayout::Range ChartLayout::BoxesAcross(int iLevel, qreal rLeft, qreal rRight) const {
    if (iLevel < 0 || iLevel >= Levels())
        return {0, 0};
    const auto itBegin = m_left.begin() + LevelBegin(iLevel);
    const auto itEnd = m_left.begin() + LevelEnd(iLevel);
    const auto itFirst = std::lower_bound(itBegin, itEnd, rLeft - m_metrics.rBoxWidth);
    const auto itLast = std::upper_bound(itFirst, itEnd, rRight);
    return {static_cast<int>(itFirst - m_left.begin()), static_cast<int>(itLast - m_left.begin())};
}

ChartLayout::Range ChartLayout::LevelsAcross(qreal rTop, qreal rBottom) const {
    const qreal rPitch = LevelPitch();
    const int iFirst =
        std::max(0, static_cast<int>(std::ceil((rTop - m_metrics.rBoxHeight) / rPitch)));
    const int iLast = std::min(
        Levels() - 1, static_cast<int>(std::floor((rBottom + m_metrics.rLevelGap) / rPitch)));
    return iFirst > iLast ? Range{0, 0} : Range{iFirst, iLast + 1};
}

ChartLayout::Family ChartLayout::FamilyAt(int iLevel, int iFamily) const {
    const int iPatron = m_families[static_cast<std::size_t>(
        m_familyStart[static_cast<std::size_t>(iLevel)] + iFamily)];
    return {iPatron, FirstChild(iPatron), FirstChild(iPatron) + ChildCount(iPatron) - 1};
}

ChartLayout::Range ChartLayout::FamiliesAcross(int iLevel, qreal rLeft, qreal rRight) const {
    if (iLevel <= 0 || iLevel >= Levels())
        return {0, 0};
    const int nFamilies = m_familyStart[static_cast<std::size_t>(iLevel) + 1] -
                          m_familyStart[static_cast<std::size_t>(iLevel)];
    // The lines across of one level are apart and in order, so their right ends are sorted.
    int iLow = 0, iHigh = nFamilies;
    while (iLow < iHigh) {
        const int iMid = (iLow + iHigh) / 2;
        if (CentreX(FamilyAt(iLevel, iMid).iLast) < rLeft)
            iLow = iMid + 1;
        else
            iHigh = iMid;
    }
    int iEnd = iLow;
    while (iEnd < nFamilies && CentreX(FamilyAt(iLevel, iEnd).iFirst) <= rRight)
        ++iEnd;
    return {iLow, iEnd};
}

int ChartLayout::BoxAt(const QPointF& point) const {
    const int iLevel = static_cast<int>(std::floor(point.y() / LevelPitch()));
    if (iLevel < 0 || iLevel >= Levels() || point.y() > Box(LevelBegin(iLevel)).bottom())
        return -1;
    const Range boxes = BoxesAcross(iLevel, point.x(), point.x());
    return boxes.iBegin < boxes.iEnd ? boxes.iBegin : -1;
}
