// The allegiance at 32767 members, offscreen, one shape per process so that each shape's memory
// growth is its own: the payload parser alone; the whole refresh from payload to a shown,
// reselected tree and a filled flat list; as the baseline, a plain QTreeWidget filled with the
// same node texts in the same shape; and the time from a character reply to a shown sheet, for
// the monarch (whose immediate tree is the whole allegiance) and for a leaf; changes applied as
// the live tree applies them; and the allegiance chart of the whole allegiance, its layout alone
// and its window from the menu command to its first paint, against the refresh of the same run.
// Prints one line per figure group, with the targets it misses. (The login against a real
// server is bench_live's.)
#include "AllegianceModel.h"
#include "AllegianceView.h"
#include "CharacterSheet.h"
#include "Characters.h"
#include "ChartCanvas.h"
#include "ChartLayout.h"
#include "GuildFacts.h"
#include "GuildStatistics.h"
#include "MainViews.h"
#include "RequestCycle.h"
#include "SheetViews.h"
#include "Tabs.h"
#include "TreePayload.h"
#include "frmAllegianceChart.h"
#include "frmMain.h"
#include "frmPlayerSetup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeView>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <vector>

namespace {

constexpr int kMembers = 32767;

struct Shape {
    const char* szName;
    std::vector<int> patrons; // by id, 1-based; -1 for the monarch
};

Shape MakeShape(const char* szName) {
    Shape shape{szName, std::vector<int>(kMembers + 1, -1)};
    std::mt19937 random(32767);
    std::vector<int> open{1}, count(kMembers + 1, 0);
    for (int id = 2; id <= kMembers; ++id) {
        int iPatron = 1;
        if (std::strcmp(szName, "wide") == 0) {
            iPatron = (id - 2) / 12 + 1;
        } else if (std::strcmp(szName, "chain") == 0) {
            iPatron = id - 1;
        } else {
            std::size_t iPick = random() % open.size();
            iPatron = open[iPick];
            if (++count[iPatron] == 12) {
                open[iPick] = open.back();
                open.pop_back();
            }
            open.push_back(id);
        }
        shape.patrons[id] = iPatron;
    }
    return shape;
}

QString Payload(const Shape& shape) {
    std::vector<QStringList> vassals(kMembers + 1);
    for (int id = 2; id <= kMembers; ++id)
        vassals[shape.patrons[id]] << QString::number(id);
    QString strPayload;
    for (int id = 1; id <= kMembers; ++id)
        strPayload += QStringLiteral("%1|Member %1|%2|%3|%4|%5|%6|%7|%8!;")
                          .arg(id)
                          .arg(1 + id % 126)
                          .arg(1 + id % 10)
                          .arg(shape.patrons[id])
                          .arg(vassals[id].join(','))
                          .arg(id % 10 == 0)
                          .arg(id % 20 == 0)
                          .arg(id % 15 == 0);
    return strPayload;
}

// A character reply as a server writes it: all 33 fields, a dozen skills, a short biography.
QString CharacterRecord(const Shape& shape, int id) {
    QStringList fields(33);
    fields[0] = QString::number(id);
    fields[1] = QStringLiteral("Member %1").arg(id);
    fields[2] = QString::number(1 + id % 126);
    fields[3] = QString::number(1 + id % 10);
    fields[6] = QStringLiteral("12");
    fields[8] = QStringLiteral("Sword Mage");
    fields[9] = QStringLiteral("1");
    fields[10] = QStringLiteral("2");
    fields[11] = QStringLiteral("0");
    fields[13] = QStringLiteral("Holtburg");
    fields[14] = QStringLiteral("Arwic");
    fields[15] = QStringLiteral("Came over from the old guild (amp) stayed for the company.");
    fields[16] = QStringLiteral("1,1,10!8,2,150!9,1,40!14,3,0!19,2,150!22,1,80!25,1,60!29,2,40!"
                                "32,3,9!34,2,5!35,1,30!40,1,20");
    fields[17] = QStringLiteral("Jo Smith");
    fields[18] = QStringLiteral("Leeds");
    fields[20] = QStringLiteral("jo(amp)co@example.org");
    fields[22] = QStringLiteral("7");
    fields[23] = QStringLiteral("2026-12-01 10:00");
    fields[24] =
        shape.patrons[id] < 0 ? QString() : QStringLiteral("Member %1").arg(shape.patrons[id]);
    fields[25] = QStringLiteral("Member %1 (pipe) Member 1").arg(id);
    fields[26] = QStringLiteral("0");
    fields[27] = QStringLiteral("1");
    fields[28] = QStringLiteral("0");
    fields[29] = QStringLiteral("1");
    fields[30] = fields[1];
    fields[31] = QStringLiteral("1");
    fields[32] = QStringLiteral("Guardian of the Gate");
    return fields.join('|');
}

long RssKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

// The median time of run(), each run after an untimed prepare().
template <typename P, typename F> double Median(int nRuns, P prepare, F run) {
    std::vector<double> times;
    for (int i = 0; i < nRuns; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        run();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

template <typename F> double Median(int nRuns, F run) {
    return Median(
        nRuns, [] {}, run);
}

double Baseline(const Shape& shape) {
    // The node texts are made beforehand and the widget is destroyed after the clock stops:
    // only the filling and the showing count.
    QStringList texts;
    for (int id = 0; id <= kMembers; ++id)
        texts << QStringLiteral("Member %1 - Level %2").arg(id).arg(1 + id % 126);
    std::vector<std::unique_ptr<QTreeWidget>> trees;
    double dMs = Median(7, [&] {
        auto pTree = std::make_unique<QTreeWidget>();
        std::vector<QTreeWidgetItem*> items(kMembers + 1, nullptr);
        for (int id = 1; id <= kMembers; ++id)
            items[id] = shape.patrons[id] < 0
                            ? new QTreeWidgetItem(pTree.get(), QStringList{texts[id]})
                            : new QTreeWidgetItem(items[shape.patrons[id]], QStringList{texts[id]});
        pTree->show();
        QApplication::processEvents();
        trees.push_back(std::move(pTree));
    });
    return dMs;
}

// A 107 reply handled as the request cycle routes it, with the tree's node of that character
// selected as a click leaves it, until the sheet has painted.
double ShowSheet(frmMain& window, const Shape& shape, int id) {
    const QString strRecord = CharacterRecord(shape, id);
    window.allegiance().strCurrentNodeKey = CharKey(static_cast<qint16>(id));
    return Median(9, [&] {
        window.sheet().DisplayCharInfo(strRecord);
        window.sheet().SetCharTabEnable(true);
        QApplication::processEvents();
    });
}

// Counts the paints of a widget.
struct PaintCounter : QObject {
    int nPaints = 0;
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override {
        if (pEvent->type() == QEvent::Paint)
            ++nPaints;
        return QObject::eventFilter(pWatched, pEvent);
    }
};

// The chart of the whole allegiance at every level, as the menu opens it on a window made
// beforehand (the program makes it once, at start): its layout, then the first paint. One chart
// window at a time, as in the program: a window left open from the run before would be
// repainted as the new one takes the focus from it.
double ChartFirstPaint(frmMain& window, bool& bPainted) {
    std::unique_ptr<frmAllegianceChart> pChart;
    PaintCounter counter;
    double dMs = Median(
        7,
        [&] {
            pChart.reset();
            QApplication::processEvents();
            pChart =
                std::make_unique<frmAllegianceChart>(window.prompts(), window.roster(), &window);
            // As in the program, the window was made before the roster it will show.
            pChart->RosterChanged();
            pChart->Canvas()->installEventFilter(&counter);
            counter.nPaints = 0;
        },
        [&] {
            pChart->ShowFor(-1);
            QApplication::processEvents();
        });
    bPainted = counter.nPaints > 0 && pChart->Chart().Count() == kMembers;
    return dMs;
}

// The last member added below the monarch is a leaf in every shape.
int Leaf(const Shape& shape) {
    std::vector<bool> patron(kMembers + 1, false);
    for (int id = 2; id <= kMembers; ++id)
        patron[static_cast<std::size_t>(shape.patrons[id])] = true;
    for (int id = kMembers; id > 1; --id)
        if (!patron[static_cast<std::size_t>(id)])
            return id;
    return kMembers;
}

void BenchShape(const char* szShape) {
    Shape shape = MakeShape(szShape);
    const QString strPayload = Payload(shape);
    double dParse = 0;
    {
        // Read again and again, each time against the roster the last reading made, as a
        // refresh reads.
        RosterSnapshot roster = Characters::Empty();
        QString strProblem;
        dParse = Median(7, [&] { roster = ParseTreePayload(strPayload, strProblem, *roster); });
    }

    long lRssBefore = RssKiB();
    QTemporaryDir settings;
    frmMain window(nullptr, settings.path());
    window.resize(1000, 800);
    window.show();
    // The immediate tree in view, so that the sheet's figures include painting it.
    QTabWidget* pCharTabs = window.views().sheet.tabCharInfo;
    pCharTabs->setCurrentIndex(TabIndex(pCharTabs, QStringLiteral("Allegiance Info")));
    // A user refreshes a window that has settled: its layouts take a few rounds of events
    // after the first show, and those rounds are not the refresh's.
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents();
    long lRssWindow = RssKiB();
    // A user refreshes with a character on the sheet, whose branch the refresh brings back too.
    window.allegiance().ParseTreeData(strPayload);
    window.allegiance().strCurrentNodeKey = QStringLiteral("Char30000");
    window.sheet().DisplayCharInfo(CharacterRecord(shape, 30000));
    window.sheet().SetCharTabEnable(true);
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents();
    std::vector<double> paints;
    double dRefresh = Median(7, [&] {
        window.allegiance().ParseTreeData(strPayload);
        QElapsedTimer paint;
        paint.start();
        QApplication::processEvents(); // the tree and the list lay out and paint
        paints.push_back(static_cast<double>(paint.nsecsElapsed()) / 1e6);
    });
    std::sort(paints.begin(), paints.end());
    const double dPaint = paints[paints.size() / 2];
    bool bSelected = window.allegiance().SelectedKey() == QStringLiteral("Char30000");
    long lRssAfter = RssKiB();
    // A fresh roster each time, as after a download: the roster keeps what it has worked out
    // (ranks, counts) until it changes.
    double dGenerate = Median(
        7,
        [&] {
            QString strProblem;
            window.roster().Replace(ParseTreePayload(strPayload, strProblem));
        },
        [&] {
            window.allegiance().GenerateTree(window.views().treTreeView, -1);
            window.allegiance().FillFlatList();
        });
    double dShow = Median(7, [&] {
        window.views().treTreeView->reset();
        QApplication::processEvents();
    });
    // A change made elsewhere, as the feed applies it: one member renamed, the views following
    // with their open branches and selection kept, until they have painted.
    // The tree as the refresh left it: Char30000 selected and shown on the sheet.
    window.allegiance().ParseTreeData(strPayload);
    QApplication::processEvents();
    int nChange = 0;
    double dApply = Median(7, [&] {
        Character renamed = window.objCharDB().At(window.objCharDB().IndexOfId(30000));
        renamed.strName = QStringLiteral("Renamed %1").arg(++nChange);
        window.allegiance().ApplyChanges({renamed}, {});
        QApplication::processEvents();
    });
    // A feed reply of 100 changed members.
    double dApply100 = Median(7, [&] {
        std::vector<Character> changed;
        ++nChange;
        for (int id = 30000; id < 30100; ++id) {
            const int i = window.objCharDB().IndexOfId(static_cast<qint16>(id));
            if (i < 0)
                continue;
            Character c = window.objCharDB().At(i);
            c.nLevel = static_cast<qint16>(1 + nChange % 126);
            changed.push_back(c);
        }
        window.allegiance().ApplyChanges(changed, {});
        QApplication::processEvents();
    });
    // The tree's shape changing: a member leaving, then joining again, in turns.
    const auto idLeaf = static_cast<qint16>(Leaf(shape));
    const Character leaf = window.objCharDB().At(window.objCharDB().IndexOfId(idLeaf));
    bool bGone = false;
    double dJoinLeave = Median(8, [&] {
        Character patron = window.objCharDB().At(window.objCharDB().IndexOfId(leaf.nPatronID));
        QStringList vassals = patron.strVassalIDs.split(',', Qt::SkipEmptyParts);
        if (bGone) {
            vassals << QString::number(idLeaf);
            patron.strVassalIDs = vassals.join(',');
            window.allegiance().ApplyChanges({patron, leaf}, {});
        } else {
            vassals.removeAll(QString::number(idLeaf));
            patron.strVassalIDs = vassals.join(',');
            window.allegiance().ApplyChanges({patron}, {idLeaf});
        }
        bGone = !bGone;
        QApplication::processEvents();
    });
    double dLayout = Median(7, [&] {
        ChartLayout chart = ChartLayout::Make(window.roster().Now(), -1, ChartLayout::kAllLevels);
        (void)chart;
    });
    // The guild statistics with race and sex: the facts' reply read, and everything counted.
    QString strFacts = QStringLiteral("12!;");
    for (int id = 1; id <= kMembers; ++id)
        strFacts +=
            QStringLiteral("%1|%2|%3|0|0||2026-01-01 00:00!;").arg(id).arg(id % 4).arg(id % 3);
    double dStatistics = Median(7, [&] {
        const std::optional<GuildFacts> facts = GuildFacts::Parse(strFacts, false);
        const GuildStatistics stats = GuildStatistics::Count(*window.roster().Now(), -1, &*facts);
        (void)stats;
    });
    bool bChartPainted = false;
    double dChartPaint = ChartFirstPaint(window, bChartPainted);
    double dMonarch = ShowSheet(window, shape, 1);
    double dLeaf = ShowSheet(window, shape, Leaf(shape));
    double dBaseline = Baseline(shape);

    const double dRatio = dRefresh / dBaseline;
    QString strMissed;
    if (dRatio > 0.25)
        strMissed += QStringLiteral("  [refresh/baseline above 0.25]");
    if (dMonarch > 0.25 * dRefresh)
        strMissed += QStringLiteral("  [monarch sheet above 0.25 x refresh]");
    if (dLeaf > 5)
        strMissed += QStringLiteral("  [leaf sheet above 5 ms]");
    if (!bSelected)
        strMissed += QStringLiteral("  [reselection FAILED]");
    if (dApply > 2)
        strMissed += QStringLiteral("  [one change above 2 ms]");
    if (dJoinLeave > 2)
        strMissed += QStringLiteral("  [a join or departure above 2 ms]");
    if (dApply100 > 10)
        strMissed += QStringLiteral("  [100 changes above 10 ms]");
    if (dLayout > 100)
        strMissed += QStringLiteral("  [chart layout above 100 ms]");
    if (dChartPaint > 0.5 * dRefresh)
        strMissed += QStringLiteral("  [chart first paint above 0.5 x refresh]");
    if (dStatistics > 20)
        strMissed += QStringLiteral("  [statistics above 20 ms]");
    if (!bChartPainted)
        strMissed += QStringLiteral("  [chart paint FAILED]");
    std::printf(
        "%-6s parse %5.1f ms | refresh %5.1f ms (generate %.1f, paint %.1f, show %.1f) | "
        "QTreeWidget baseline %5.1f ms | refresh/baseline %.2f | changes applied: 1 %.1f ms, "
        "100 %.1f ms, a join or departure %.1f ms | "
        "sheet monarch %.1f ms, leaf %.1f ms | chart layout %.1f ms, first paint %.1f ms "
        "(%.2f x refresh) | statistics %.1f ms | memory +%.1f MB (window %.1f MB)%s\n",
        szShape, dParse, dRefresh, dGenerate, dPaint, dShow, dBaseline, dRatio, dApply, dApply100,
        dJoinLeave, dMonarch, dLeaf, dLayout, dChartPaint, dChartPaint / dRefresh, dStatistics,
        (lRssAfter - lRssWindow) / 1024.0, (lRssWindow - lRssBefore) / 1024.0,
        qPrintable(strMissed));
}

} // namespace

int main(int argc, char** argv) {
    const char* szWhat = argc > 1 ? argv[1] : "";
    if (std::strcmp(szWhat, "random") != 0 && std::strcmp(szWhat, "wide") != 0 &&
        std::strcmp(szWhat, "chain") != 0) {
        std::fprintf(stderr, "usage: bench_tree random|wide|chain\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    BenchShape(szWhat);
    return 0;
}
