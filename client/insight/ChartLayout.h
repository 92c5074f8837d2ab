#pragma once
// The organisation chart of an allegiance, laid out without a widget: one box per member shown,
// top-down, a patron centred over its vassals, vassals in the order of their patron's list,
// no two boxes overlapping, and equal branches drawn alike: a tidy-tree layout in linear time,
// where the contours of neighbouring branches are followed by threads and a push between two
// branches is spread over the smaller ones between them. Nothing is recursive, so one chain of
// 32767 generations is laid out like any other shape.
//
// Boxes are numbered level by level, left to right: the boxes of one level are one run of
// numbers in the order they are drawn, and a patron's vassals are one run within the next level.
// That order is the chart's spatial index: the boxes (and the lines) that meet a rectangle are
// found by a binary search per level, so a view paints only what it shows.
//
// A layout keeps the roster snapshot it was made from; the roster shown may be replaced
// meanwhile, and the chart follows it only when it is laid out again.
#include "Characters.h"
#include "GuildFacts.h"

#include <QRectF>
#include <vector>

// The sizes of a chart, in its own units (pixels at 100 %).
struct ChartMetrics {
    qreal rBoxWidth = 168;
    qreal rBoxHeight = 58;
    qreal rSiblingGap = 14; // between two boxes side by side
    qreal rLevelGap = 44;   // between one level's boxes and the next's, where the lines run
};

class ChartLayout {
public:
    // No limit to the levels shown.
    static constexpr int kAllLevels = 0;

    // The empty chart.
    ChartLayout();
    // The branch of the member with id idStart, that member at the top, or with idStart -1 the
    // whole allegiance: every monarch (patron id -1) side by side, in roster order. nLevels
    // levels at most (kAllLevels: all); a start id the roster does not hold gives no box.
    static ChartLayout Make(RosterSnapshot roster, qint16 idStart, int nLevels,
                            const ChartMetrics& metrics = ChartMetrics());

    const RosterSnapshot& Snapshot() const { return m_roster; }
    // The guild's facts that give each box its member's race and sex; none: unknown.
    void SetFacts(std::shared_ptr<const GuildFacts> facts) { m_facts = std::move(facts); }
    const GuildFacts* Facts() const { return m_facts.get(); }
    const ChartMetrics& Metrics() const { return m_metrics; }
    qint16 StartId() const { return m_idStart; }
    int LevelLimit() const { return m_nLevelLimit; }

    int Count() const { return static_cast<int>(m_left.size()); }
    // Levels drawn; level 0 holds the top boxes.
    int Levels() const { return static_cast<int>(m_levelStart.size()) - 1; }
    // Boxes [LevelBegin(L), LevelEnd(L)) make level L, left to right.
    int LevelBegin(int iLevel) const { return m_levelStart[static_cast<std::size_t>(iLevel)]; }
    int LevelEnd(int iLevel) const { return m_levelStart[static_cast<std::size_t>(iLevel) + 1]; }
    int LevelOf(int iBox) const;

    // The roster position a box shows.
    int Record(int iBox) const { return m_record[Node(iBox)]; }
    const Character& CharacterOf(int iBox) const { return m_roster->At(Record(iBox)); }
    // The box of the patron above, or -1 for a top box.
    int Parent(int iBox) const { return m_parent[Node(iBox)] - 1; }
    // The vassals' boxes are [FirstChild(i), FirstChild(i) + ChildCount(i)).
    int FirstChild(int iBox) const { return m_firstChild[Node(iBox)] - 1; }
    int ChildCount(int iBox) const { return m_childCount[Node(iBox)]; }
    // The box of a roster position, or -1 when it is not drawn.
    int BoxOfRecord(int iRecord) const;
    int BoxOfId(qint16 id) const;

    QRectF Box(int iBox) const;
    qreal CentreX(int iBox) const { return m_left[static_cast<std::size_t>(iBox)] + HalfWidth(); }
    // Every box within, from (0, 0).
    QRectF Bounds() const { return m_bounds; }
    // Where the lines between level L - 1 and level L run across.
    qreal JoinY(int iLevel) const;

    // The box at a point, or -1.
    int BoxAt(const QPointF& point) const;
    // The boxes of one level that meet [rLeft, rRight], as a range of box numbers.
    struct Range {
        int iBegin;
        int iEnd;
    };
    Range BoxesAcross(int iLevel, qreal rLeft, qreal rRight) const;
    // The levels whose boxes, or the lines above them, meet [rTop, rBottom].
    Range LevelsAcross(qreal rTop, qreal rBottom) const;
    // The families (a patron and the run of its vassals) of level L whose line across meets
    // [rLeft, rRight]: as a range of family numbers of that level, for Family().
    Range FamiliesAcross(int iLevel, qreal rLeft, qreal rRight) const;
    // A family of level L: its patron's box and its first and last vassal's.
    struct Family {
        int iPatron;
        int iFirst;
        int iLast;
    };
    Family FamilyAt(int iLevel, int iFamily) const;

private:
    // The layout's nodes are the boxes after node 0, which stands above the top boxes.
    static std::size_t Node(int iBox) { return static_cast<std::size_t>(iBox) + 1; }
    qreal HalfWidth() const { return m_metrics.rBoxWidth / 2; }
    qreal LevelPitch() const { return m_metrics.rBoxHeight + m_metrics.rLevelGap; }

    RosterSnapshot m_roster;
    std::shared_ptr<const GuildFacts> m_facts;
    ChartMetrics m_metrics;
    qint16 m_idStart = -1;
    int m_nLevelLimit = kAllLevels;
    // By node: the roster position, the parent node, the first child node, the child count.
    std::vector<int> m_record;
    std::vector<int> m_parent;
    std::vector<int> m_firstChild;
    std::vector<int> m_childCount;
    std::vector<qreal> m_left;     // by box
    std::vector<int> m_levelStart; // one more than the levels: the end of the last
    // The families of level L are m_families[m_familyStart[L] .. m_familyStart[L + 1]): the
    // boxes of level L - 1 that have vassals drawn, left to right.
    std::vector<int> m_familyStart;
    std::vector<int> m_families;
    std::vector<int> m_boxOfRecord; // by roster position, -1 when not drawn
    QRectF m_bounds;
};
