#pragma once
// Allegiances of known shapes for the chart's and the statistics' tests, the rules a chart's
// layout must keep, and readers of the exported files.
#include "Characters.h"
#include "ChartLayout.h"
#include "TreePayload.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace chart_shapes {

inline constexpr qreal kEpsilon = 1e-6;

// A roster read from a download of members 1..n with these patrons (index = id, -1 for a
// monarch; index 0 unused). Each vassal list is shuffled, so that a list's order is not the ids',
// unless bShuffle is false.
inline RosterSnapshot MakeRoster(const std::vector<int>& patrons, unsigned seed = 1,
                                 bool bShuffle = true) {
    const int n = static_cast<int>(patrons.size()) - 1;
    std::vector<std::vector<int>> vassals(patrons.size());
    for (int id = 1; id <= n; ++id)
        if (patrons[id] > 0)
            vassals[patrons[id]].push_back(id);
    std::mt19937 random(seed);
    QString strPayload;
    for (int id = 1; id <= n; ++id) {
        if (bShuffle)
            std::shuffle(vassals[id].begin(), vassals[id].end(), random);
        QStringList list;
        for (int v : vassals[id])
            list << QString::number(v);
        strPayload += QStringLiteral("%1|Member %1|%2|%3|%4|%5|%6|0|0!;")
                          .arg(id)
                          .arg(1 + id % 126)
                          .arg(id % 11)
                          .arg(patrons[id])
                          .arg(list.join(','))
                          .arg(id % 7 == 0);
    }
    QString strProblem;
    RosterSnapshot roster = ParseTreePayload(strPayload, strProblem);
    if (!strProblem.isEmpty())
        qFatal("%s", qPrintable(strProblem));
    return roster;
}

inline std::vector<int> Chain(int n) {
    std::vector<int> patrons(n + 1);
    for (int id = 1; id <= n; ++id)
        patrons[id] = id - 1 == 0 ? -1 : id - 1;
    return patrons;
}

// Every patron with `fan` vassals, filled level by level.
inline std::vector<int> Full(int n, int fan) {
    std::vector<int> patrons(n + 1, -1);
    for (int id = 2; id <= n; ++id)
        patrons[id] = (id - 2) / fan + 1;
    return patrons;
}

// Several monarchs, each patron 0 to 12 vassals, a patron drawn at random among those with room.
inline std::vector<int> Random(int n, int nMonarchs, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<int> patrons(n + 1, -1), count(n + 1, 0), room(n + 1, 0), open;
    for (int id = 1; id <= n; ++id) {
        if (id > nMonarchs) {
            const std::size_t k = random() % open.size();
            patrons[id] = open[k];
            if (++count[open[k]] == room[open[k]]) {
                open[k] = open.back();
                open.pop_back();
            }
        }
        if (random() % 4 != 0 || open.empty()) {
            room[id] = 1 + static_cast<int>(random() % 12);
            open.push_back(id);
        }
    }
    return patrons;
}

// The members a chart must hold: their generation below the start (or below their monarch for
// the whole allegiance), worked out from the patron ids alone; -1 for those not drawn.
inline std::vector<int> ExpectedLevels(const Characters& roster, qint16 idStart, int nLevels) {
    const int n = roster.Count();
    std::vector<int> level(static_cast<std::size_t>(n), -2); // -2: not known yet
    for (int i = 0; i < n; ++i) {
        std::vector<int> path;
        int j = i;
        int iLevel = -1;
        while (true) {
            if (level[j] != -2) {
                iLevel = level[j] < 0 ? -1 : level[j] + 1;
                break;
            }
            path.push_back(j);
            const Character& c = roster.At(j);
            if (c.nID == idStart || (idStart == -1 && c.nPatronID == -1)) {
                iLevel = 0;
                break;
            }
            j = roster.IndexOfId(c.nPatronID);
            if (j < 0)
                break;
        }
        if (iLevel == 0) {
            level[path.back()] = 0;
            path.pop_back();
            iLevel = 1;
        }
        for (auto it = path.rbegin(); it != path.rend(); ++it)
            level[*it] = iLevel < 0 ? -1 : iLevel++;
    }
    for (int& l : level)
        if (nLevels != ChartLayout::kAllLevels && l >= nLevels)
            l = -1;
    return level;
}

// Why a chart breaks the layout's rules, or an empty text.
inline QString Problem(const ChartLayout& chart, qint16 idStart, int nLevels) {
    const Characters& roster = *chart.Snapshot();
    const ChartMetrics& m = chart.Metrics();
    const std::vector<int> expected = ExpectedLevels(roster, idStart, nLevels);
    const auto nExpected =
        std::count_if(expected.begin(), expected.end(), [](int l) { return l >= 0; });
    if (chart.Count() != nExpected)
        return QStringLiteral("%1 boxes for %2 members").arg(chart.Count()).arg(nExpected);
    for (int iLevel = 0; iLevel < chart.Levels(); ++iLevel) {
        std::vector<QRectF> boxes;
        for (int b = chart.LevelBegin(iLevel); b < chart.LevelEnd(iLevel); ++b)
            boxes.push_back(chart.Box(b));
        std::sort(boxes.begin(), boxes.end(),
                  [](const QRectF& a, const QRectF& b) { return a.left() < b.left(); });
        for (std::size_t k = 1; k < boxes.size(); ++k)
            if (boxes[k].left() < boxes[k - 1].right() + m.rSiblingGap - kEpsilon)
                return QStringLiteral("two boxes overlap on level %1").arg(iLevel);
    }
    for (int b = 0; b < chart.Count(); ++b) {
        const Character& member = chart.CharacterOf(b);
        const int iLevel = expected[static_cast<std::size_t>(chart.Record(b))];
        if (iLevel < 0 || chart.LevelOf(b) != iLevel)
            return QStringLiteral("%1 on level %2, not %3")
                .arg(member.strName)
                .arg(chart.LevelOf(b))
                .arg(iLevel);
        if (!chart.Bounds().contains(chart.Box(b)))
            return member.strName + QStringLiteral(" outside the bounds");
        const int p = chart.Parent(b);
        if (p >= 0 && chart.CharacterOf(p).nID != member.nPatronID)
            return member.strName + QStringLiteral(" under another than its patron");
        if (chart.ChildCount(b) == 0)
            continue;
        // The vassals in their list's order, left to right, and the patron centred over them.
        std::vector<int> listed;
        for (int v : roster.VassalIndexes(chart.Record(b)))
            if (v >= 0)
                listed.push_back(v);
        std::vector<int> drawn;
        for (int c = chart.FirstChild(b); c < chart.FirstChild(b) + chart.ChildCount(b); ++c) {
            drawn.push_back(chart.Record(c));
            if (c > chart.FirstChild(b) && chart.CentreX(c) <= chart.CentreX(c - 1))
                return member.strName + QStringLiteral("'s vassals out of order");
        }
        if (drawn != listed)
            return member.strName + QStringLiteral("'s vassals are not its list");
        const int iLast = chart.FirstChild(b) + chart.ChildCount(b) - 1;
        const qreal rMiddle = (chart.CentreX(chart.FirstChild(b)) + chart.CentreX(iLast)) / 2;
        if (std::abs(chart.CentreX(b) - rMiddle) > kEpsilon)
            return member.strName + QStringLiteral(" not centred over its vassals");
    }
    return QString();
}

// The texts of an SVG document's text elements and the count of its rectangles; false when it
// is not well-formed XML.
inline bool SvgTexts(const QString& strFile, QStringList& texts, int& nRects) {
    QFile file(strFile);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QXmlStreamReader xml(&file);
    nRects = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("text"))
            texts << xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        else if (xml.isStartElement() && xml.name() == QLatin1String("rect"))
            ++nRects;
    }
    return !xml.hasError();
}

// The pages pdftoppm makes of a PDF; -1 when it cannot render it.
inline int RenderedPages(const QString& strPdf, const QString& strFolder) {
    const QString strTool = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (strTool.isEmpty())
        return -1;
    QProcess render;
    render.start(strTool, {"-r", "12", "-png", strPdf, strFolder + "/page"});
    if (!render.waitForFinished(60000) || render.exitCode() != 0)
        return -1;
    return static_cast<int>(QDir(strFolder).entryList({"page*.png"}).size());
}

} // namespace chart_shapes
