// The allegiance chart: its layout's rules (no overlap, the lists' order, patrons centred, equal
// branches alike, the depth) on the demo guild and on generated shapes up to a chain of 32767;
// its spatial index against a plain search; the window against a real zorv-server (the branch
// and depth chosen, following the roster shown, the double click, zoom and pan); and the
// exported PNG, SVG and PDF files and the printout.
#include "AllegianceOperations.h"
#include "AllegianceView.h"
#include "CharacterSheet.h"
#include "Characters.h"
#include "ChartCanvas.h"
#include "ChartExport.h"
#include "ChartLayout.h"
#include "RequestCycle.h"
#include "ServerProcess.h"
#include "TestClient.h"
#include "TreeFeed.h"
#include "TreePayload.h"
#include "frmAddVassal.h"
#include "frmAllegianceChart.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <algorithm>
#include <map>
#include <random>

namespace {

constexpr qreal kEpsilon = 1e-6;

// A roster read from a download of members 1..n with these patrons (index = id, -1 for a
// monarch; index 0 unused). Each vassal list is shuffled, so that a list's order is not the ids'.
RosterSnapshot MakeRoster(const std::vector<int>& patrons, unsigned seed = 1) {
    const int n = static_cast<int>(patrons.size()) - 1;
    std::vector<std::vector<int>> vassals(patrons.size());
    for (int id = 1; id <= n; ++id)
        if (patrons[id] > 0)
            vassals[patrons[id]].push_back(id);
    std::mt19937 random(seed);
    QString strPayload;
    for (int id = 1; id <= n; ++id) {
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

std::vector<int> Chain(int n) {
    std::vector<int> patrons(n + 1);
    for (int id = 1; id <= n; ++id)
        patrons[id] = id - 1 == 0 ? -1 : id - 1;
    return patrons;
}

// Every patron with `fan` vassals, filled level by level.
std::vector<int> Full(int n, int fan) {
    std::vector<int> patrons(n + 1, -1);
    for (int id = 2; id <= n; ++id)
        patrons[id] = (id - 2) / fan + 1;
    return patrons;
}

// Several monarchs, each patron 0 to 12 vassals, a patron drawn at random among those with room.
std::vector<int> Random(int n, int nMonarchs, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<int> patrons(n + 1, -1), count(n + 1, 0), open;
    for (int id = 1; id <= n; ++id) {
        if (id > nMonarchs) {
            const std::size_t k = random() % open.size();
            patrons[id] = open[k];
            if (++count[open[k]] == 1 + static_cast<int>(random() % 12)) {
                open[k] = open.back();
                open.pop_back();
            }
        }
        if (random() % 4 != 0 || open.empty())
            open.push_back(id);
    }
    return patrons;
}

// The members a chart must hold: their generation below the start (or below their monarch for
// the whole allegiance), worked out from the patron ids alone; -1 for those not drawn.
std::vector<int> ExpectedLevels(const Characters& roster, qint16 idStart, int nLevels) {
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
QString Problem(const ChartLayout& chart, qint16 idStart, int nLevels) {
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

// Each box of a branch as its place relative to the branch's top, in the chart's order.
std::vector<QPointF> Shape(const ChartLayout& chart, int iTop) {
    std::vector<QPointF> shape;
    std::vector<int> pending{iTop};
    while (!pending.empty()) {
        const int b = pending.back();
        pending.pop_back();
        shape.push_back(chart.Box(b).topLeft() - chart.Box(iTop).topLeft());
        for (int c = chart.FirstChild(b) + chart.ChildCount(b); c-- > chart.FirstChild(b);)
            pending.push_back(c);
    }
    return shape;
}

void QueueAddVassal(TestClient& client, const QString& strName) {
    client.prompts->dialogs << [strName](QDialog& dlg) {
        auto& add = static_cast<frmAddVassal&>(dlg);
        add.show();
        add.txtVassalName->setText(strName);
        QTest::keyClick(add.txtVassalName, Qt::Key_Return);
        return add.result();
    };
}

// The texts of an SVG document's text elements; false when it is not well-formed XML.
bool SvgTexts(const QString& strFile, QStringList& texts, int& nRects) {
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
int RenderedPages(const QString& strPdf, const QString& strFolder) {
    const QString strTool = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (strTool.isEmpty())
        return -1;
    QProcess render;
    render.start(strTool, {"-r", "12", "-png", strPdf, strFolder + "/page"});
    if (!render.waitForFinished(60000) || render.exitCode() != 0)
        return -1;
    return static_cast<int>(QDir(strFolder).entryList({"page*.png"}).size());
}

} // namespace

class tst_chart : public QObject {
    Q_OBJECT

private slots:
    void layoutKeepsItsRules_data();
    void layoutKeepsItsRules();
    void equalBranchesAlike();
    void indexFindsWhatMeetsARectangle();
    void windowOnTheDemoGuild();
    void followsTheRosterShown();
    void exports();
    void largeChartOnPages();
};

void tst_chart::layoutKeepsItsRules_data() {
    QTest::addColumn<std::vector<int>>("patrons");
    QTest::addColumn<int>("idStart");
    QTest::addColumn<int>("nLevels");
    QTest::addColumn<int>("nLeaves"); // the bottom level's boxes side by side; 0: not known
    const std::vector<int> full = Full(1 + 12 + 144 + 1728, 12);
    QTest::newRow("wide, whole") << full << -1 << 0 << 1728;
    QTest::newRow("wide, three levels") << full << -1 << 3 << 144;
    QTest::newRow("wide, a branch") << full << 2 << 0 << 144;
    // One generation per box: 32767 levels deep, laid out without recursion.
    QTest::newRow("chain of 32767") << Chain(32767) << -1 << 0 << 1;
    QTest::newRow("chain, five levels from the middle") << Chain(32767) << 16000 << 5 << 1;
    for (unsigned seed : {1u, 2u, 3u}) {
        const std::vector<int> random = Random(3000, 1 + seed, seed);
        QTest::addRow("random %u, whole", seed) << random << -1 << 0 << 0;
        QTest::addRow("random %u, two levels", seed) << random << -1 << 2 << 0;
        QTest::addRow("random %u, a branch", seed) << random << 7 << 0 << 0;
    }
    QTest::newRow("random, 32767") << Random(32767, 1, 9) << -1 << 0 << 0;
    QTest::newRow("no such start") << Chain(5) << 99 << 0 << 0;
}

void tst_chart::layoutKeepsItsRules() {
    QFETCH(std::vector<int>, patrons);
    QFETCH(int, idStart);
    QFETCH(int, nLevels);
    QFETCH(int, nLeaves);
    const RosterSnapshot roster = MakeRoster(patrons);
    const ChartLayout chart = ChartLayout::Make(roster, qint16(idStart), nLevels);
    const QString strProblem = Problem(chart, qint16(idStart), nLevels);
    QVERIFY2(strProblem.isEmpty(), qPrintable(strProblem));
    if (nLeaves > 0) {
        // Tidy: leaves side by side stand one pitch apart, so the chart is no wider than its
        // bottom level.
        const ChartMetrics& m = chart.Metrics();
        QCOMPARE(chart.Bounds().width(), nLeaves * (m.rBoxWidth + m.rSiblingGap) - m.rSiblingGap);
    }
    if (idStart > 0 && chart.Count() > 0)
        QCOMPARE(chart.CharacterOf(0).nID, qint16(idStart));
}

void tst_chart::equalBranchesAlike() {
    // Under the monarch: a deep branch, two small ones and the deep one's twin. The small ones
    // stand evenly between the deep ones, and the twins are drawn alike.
    std::vector<int> patrons(1, 0);
    auto Add = [&](int iPatron) {
        patrons.push_back(iPatron);
        return static_cast<int>(patrons.size()) - 1;
    };
    const int monarch = Add(-1);
    auto Deep = [&] {
        const int top = Add(monarch);
        const int a = Add(top), b = Add(top), c = Add(top);
        Add(a);
        Add(c), Add(c);
        const int d = Add(b);
        Add(d), Add(d), Add(d);
        return top;
    };
    const int first = Deep();
    const int small1 = Add(monarch);
    const int small2 = Add(monarch);
    const int twin = Deep();
    // Vassal lists in id order here: the twins' lists must be alike.
    QString strPayload;
    for (int id = 1; id < static_cast<int>(patrons.size()); ++id) {
        QStringList vassals;
        for (int v = 1; v < static_cast<int>(patrons.size()); ++v)
            if (patrons[v] == id)
                vassals << QString::number(v);
        strPayload += QStringLiteral("%1|M%1|1|1|%2|%3|0|0|0!;")
                          .arg(id)
                          .arg(patrons[id])
                          .arg(vassals.join(','));
    }
    QString strProblem;
    const ChartLayout chart = ChartLayout::Make(ParseTreePayload(strPayload, strProblem), -1, 0);
    QVERIFY(strProblem.isEmpty());
    strProblem = Problem(chart, -1, 0);
    QVERIFY2(strProblem.isEmpty(), qPrintable(strProblem));
    QCOMPARE(Shape(chart, chart.BoxOfId(qint16(first))), Shape(chart, chart.BoxOfId(qint16(twin))));
    const qreal x1 = chart.CentreX(chart.BoxOfId(qint16(first)));
    const qreal x2 = chart.CentreX(chart.BoxOfId(qint16(small1)));
    const qreal x3 = chart.CentreX(chart.BoxOfId(qint16(small2)));
    const qreal x4 = chart.CentreX(chart.BoxOfId(qint16(twin)));
    QVERIFY(std::abs((x2 - x1) - (x3 - x2)) < kEpsilon);
    QVERIFY(std::abs((x3 - x2) - (x4 - x3)) < kEpsilon);

    // Every branch of a full tree is drawn like its siblings.
    const ChartLayout full =
        ChartLayout::Make(MakeRoster(Full(1 + 4 + 16 + 64 + 256, 4), 3), -1, 0);
    for (int b = full.FirstChild(0) + 1; b < full.FirstChild(0) + full.ChildCount(0); ++b)
        QCOMPARE(Shape(full, b), Shape(full, full.FirstChild(0)));
}

void tst_chart::indexFindsWhatMeetsARectangle() {
    const ChartLayout chart = ChartLayout::Make(MakeRoster(Random(4000, 3, 5)), -1, 0);
    const ChartMetrics& m = chart.Metrics();
    const QRectF bounds = chart.Bounds();
    std::mt19937 random(11);
    auto Uniform = [&](qreal rLow, qreal rHigh) {
        return std::uniform_real_distribution<qreal>(rLow, rHigh)(random);
    };
    for (int iTry = 0; iTry < 300; ++iTry) {
        const QRectF view(Uniform(-500, bounds.right()), Uniform(-200, bounds.bottom()),
                          Uniform(1, 3000), Uniform(1, 800));
        QSet<int> found;
        const ChartLayout::Range levels = chart.LevelsAcross(view.top(), view.bottom());
        for (int iLevel = levels.iBegin; iLevel < levels.iEnd; ++iLevel) {
            const ChartLayout::Range boxes = chart.BoxesAcross(iLevel, view.left(), view.right());
            for (int b = boxes.iBegin; b < boxes.iEnd; ++b)
                found.insert(b);
            // Each family whose line across meets the view, and no other.
            const ChartLayout::Range families =
                chart.FamiliesAcross(iLevel, view.left(), view.right());
            int iFamily = 0;
            for (int p = chart.LevelBegin(iLevel - (iLevel > 0 ? 1 : 0));
                 iLevel > 0 && p < chart.LevelEnd(iLevel - 1); ++p) {
                if (chart.ChildCount(p) == 0)
                    continue;
                const int iLast = chart.FirstChild(p) + chart.ChildCount(p) - 1;
                const bool bMeets = chart.CentreX(chart.FirstChild(p)) <= view.right() &&
                                    chart.CentreX(iLast) >= view.left();
                QCOMPARE(bMeets, iFamily >= families.iBegin && iFamily < families.iEnd);
                ++iFamily;
            }
        }
        for (int b = 0; b < chart.Count(); ++b) {
            const QRectF box = chart.Box(b);
            const bool bMeets = box.left() <= view.right() && box.right() >= view.left() &&
                                box.top() <= view.bottom() && box.bottom() >= view.top();
            // What is found meets the view or has its lines above the box in it.
            const bool bNear = box.left() <= view.right() && box.right() >= view.left() &&
                               box.top() - m.rLevelGap <= view.bottom() &&
                               box.bottom() >= view.top();
            if (bMeets)
                QVERIFY2(found.contains(b), qPrintable(QString::number(b)));
            else if (found.contains(b))
                QVERIFY(bNear);
        }
    }
    for (int b = 0; b < chart.Count(); b += 7)
        QCOMPARE(chart.BoxAt(chart.Box(b).center()), b);
    QCOMPARE(chart.BoxAt(QPointF(-1, -1)), -1);
}

void tst_chart::windowOnTheDemoGuild() {
    ServerProcess server;
    QVERIFY(server.Start("demo"));
    TestClient c;
    c.LogIn(server.Address(), "Aldric Stormwind", "lantern1");
    QTRY_VERIFY_WITH_TIMEOUT(c.window->sheet().iCurDisplayCharID != 0, 20000);
    QVERIFY(c.Show("Brenna Ashvale"));
    const Characters& roster = c.window->objCharDB();
    const qint16 idBrenna = roster.GetID("Brenna Ashvale");
    QAction* pMenu = c.window->findChild<QAction*>("mnuTreeOpChart");
    QVERIFY(pMenu);
    pMenu->trigger();
    frmAllegianceChart& chart = c.window->chart();
    QVERIFY(chart.isVisible());
    QCOMPARE(chart.BranchId(), idBrenna);
    QCOMPARE(chart.Chart().CharacterOf(0).nID, idBrenna);
    QCOMPARE(chart.Chart().Count(), 1 + roster.CountFollowers(CharKey(idBrenna)));
    QVERIFY(Problem(chart.Chart(), idBrenna, 0).isEmpty());
    // Two levels: Brenna and her vassals.
    chart.cmbChartDepth->setCurrentIndex(0);
    QCOMPARE(chart.Chart().Count(),
             1 + int(roster.VassalIndexes(roster.IndexOfId(idBrenna)).size()));
    chart.cmbChartScope->setCurrentIndex(1);
    QCOMPARE(chart.Chart().StartId(), qint16(-1));
    QVERIFY(Problem(chart.Chart(), -1, 2).isEmpty());
    chart.cmbChartDepth->setCurrentIndex(3);
    QCOMPARE(chart.Chart().Count(), roster.Count());
    QVERIFY(Problem(chart.Chart(), -1, 0).isEmpty());

    // Fit shows the whole chart; the wheel zooms about the pointer, keeping the point under it.
    ChartCanvas& canvas = *chart.Canvas();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    QTest::mouseClick(chart.cmdChartFit, Qt::LeftButton);
    QVERIFY(canvas.SceneInView().contains(chart.Chart().Bounds()));
    const QPointF pointer(canvas.width() / 3.0, canvas.height() / 3.0);
    const QPointF under = canvas.ToScene(pointer);
    const qreal rZoom = canvas.Zoom();
    QWheelEvent wheel(pointer, canvas.mapToGlobal(pointer), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&canvas, &wheel);
    QVERIFY(std::abs(canvas.Zoom() - rZoom * ChartCanvas::kZoomStep) < kEpsilon);
    QVERIFY((canvas.ToScene(pointer) - under).manhattanLength() < 1e-3);
    QTest::keyClick(&chart, Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(canvas.Zoom(), 1.0);
    QTest::keyClick(&chart, Qt::Key_Equal, Qt::ControlModifier);
    QCOMPARE(canvas.Zoom(), ChartCanvas::kZoomStep);
    QTest::keyClick(&chart, Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(canvas.Zoom(), 1.0);
    // A drag moves the chart with the pointer.
    const QPointF centre = canvas.Centre();
    QTest::mousePress(&canvas, Qt::LeftButton, {}, QPoint(100, 100));
    QMouseEvent move(QEvent::MouseMove, QPointF(160, 130), canvas.mapToGlobal(QPointF(160, 130)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&canvas, &move);
    QTest::mouseRelease(&canvas, Qt::LeftButton, {}, QPoint(160, 130));
    QCOMPARE(canvas.Centre(), centre - QPointF(60, 30));

    // The chart takes the desktop's colours: a dark palette paints a dark chart.
    QTest::mouseClick(chart.cmdChartFit, Qt::LeftButton);
    QPalette dark = canvas.palette();
    dark.setColor(QPalette::Window, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::Base, QColor(0x30, 0x30, 0x30));
    dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    canvas.setPalette(dark);
    QCOMPARE(canvas.grab().toImage().pixelColor(0, 0), QColor(0x20, 0x20, 0x20));

    // A double click on a box selects that member in the main tree and shows the sheet.
    chart.cmbChartDepth->setCurrentIndex(1);
    QTest::keyClick(&chart, Qt::Key_0, Qt::ControlModifier);
    const int iVassal = chart.Chart().FirstChild(chart.Chart().BoxOfId(idBrenna));
    const qint16 idVassal = chart.Chart().CharacterOf(iVassal).nID;
    QVERIFY(idVassal != c.window->sheet().iCurDisplayCharID);
    const QPoint at = canvas.ToView(chart.Chart().Box(iVassal).center()).toPoint();
    QVERIFY(canvas.rect().contains(at));
    QTest::mouseDClick(&canvas, Qt::LeftButton, {}, at);
    QCOMPARE(c.window->allegiance().SelectedKey(), CharKey(idVassal));
    QTRY_COMPARE_WITH_TIMEOUT(c.window->sheet().iCurDisplayCharID, idVassal, 20000);
    QCOMPARE(canvas.Marked(), idVassal);
    QCOMPARE(c.prompts->nUnexpected, 0);
}

void tst_chart::followsTheRosterShown() {
    ServerProcess server;
    QVERIFY(server.Start("demo"));
    TestClient watching, other;
    watching.window->feed().SetEnabled(true);
    watching.LogIn(server.Address(), "Brenna Ashvale", "welcome1");
    QTRY_VERIFY_WITH_TIMEOUT(watching.window->sheet().iCurDisplayCharID != 0, 20000);
    QVERIFY(watching.window->feed().Watching());
    QVERIFY(watching.Show("Pella Rook"));
    watching.window->findChild<QAction*>("mnuTreeOpChart")->trigger();
    frmAllegianceChart& chart = watching.window->chart();
    const int nBefore = chart.Chart().Count();
    auto Drawn = [&](const QString& strName) {
        const qint16 id = watching.window->objCharDB().GetID(strName);
        return id != -1 && chart.Chart().BoxOfId(id) >= 0;
    };

    // Another member adds a vassal under Pella: the watch brings it and the chart draws it.
    other.LogIn(server.Address(), "Brenna Ashvale", "welcome1");
    QTRY_VERIFY_WITH_TIMEOUT(other.window->sheet().iCurDisplayCharID != 0, 20000);
    QVERIFY(other.Show("Pella Rook"));
    QueueAddVassal(other, "Newcomer");
    other.prompts->ExpectOk();
    other.window->operations().AddVassal();
    QTRY_VERIFY_WITH_TIMEOUT(Drawn("Newcomer"), 20000);
    QCOMPARE(chart.Chart().Count(), nBefore + 1);
    QCOMPARE(chart.Chart().Snapshot(), watching.window->roster().Now());
    QVERIFY(Problem(chart.Chart(), chart.BranchId(), 0).isEmpty());

    // Hidden, the chart waits; shown again, it draws the roster shown then.
    chart.hide();
    QueueAddVassal(other, "Latecomer");
    other.prompts->ExpectOk();
    other.window->operations().AddVassal();
    QTRY_VERIFY_WITH_TIMEOUT(watching.window->objCharDB().GetID("Latecomer") != -1, 20000);
    QVERIFY(!Drawn("Latecomer"));
    chart.show();
    QVERIFY(Drawn("Latecomer"));

    // A whole download redraws it too.
    watching.window->feed().SetEnabled(false);
    QueueAddVassal(other, "Thirdcomer");
    other.prompts->ExpectOk();
    other.window->operations().AddVassal();
    QTRY_VERIFY_WITH_TIMEOUT(other.window->objCharDB().GetID("Thirdcomer") != -1, 20000);
    QVERIFY(watching.window->cycle().StartAndWait(
        [&] { watching.window->allegiance().RefreshTree(); }));
    QVERIFY(Drawn("Thirdcomer"));
    QCOMPARE(chart.Chart().Count(), nBefore + 3);
    QCOMPARE(watching.prompts->nUnexpected, 0);
    QCOMPARE(other.prompts->nUnexpected, 0);
}

void tst_chart::exports() {
    ServerProcess server;
    QVERIFY(server.Start("demo"));
    TestClient c;
    c.LogIn(server.Address(), "Aldric Stormwind", "lantern1");
    QTRY_VERIFY_WITH_TIMEOUT(c.window->sheet().iCurDisplayCharID != 0, 20000);
    c.window->findChild<QAction*>("mnuTreeOpChart")->trigger();
    frmAllegianceChart& chart = c.window->chart();
    chart.cmbChartDepth->setCurrentIndex(1); // three levels: not the whole guild
    const ChartLayout& layout = chart.Chart();
    const Characters& roster = c.window->objCharDB();
    QVERIFY(layout.Count() > 5 && layout.Count() < roster.Count());
    // Zoomed in on a corner: an export is the whole chart all the same.
    chart.Canvas()->SetZoom(3.0);
    QTemporaryDir dir;

    // PNG: the chart's size and its margin.
    c.prompts->saveNames << dir.filePath("chart.PNG");
    chart.cmdChartExport_Click();
    const QImage picture(dir.filePath("chart.PNG"));
    QCOMPARE(picture.size(),
             (layout.Bounds().size() + QSizeF(2, 2) * ChartExport::kMargin).toSize());
    // The top box holds its words in black.
    const QRect top = layout.Box(0)
                          .translated(ChartExport::kMargin, ChartExport::kMargin)
                          .adjusted(6, 6, -6, -6)
                          .toRect();
    int nInk = 0;
    for (int y = top.top(); y <= top.bottom(); ++y)
        for (int x = top.left(); x <= top.right(); ++x)
            nInk += picture.pixelColor(x, y).lightness() < 100 ? 1 : 0;
    QVERIFY(nInk > 50);

    // SVG: well-formed, one box and one name for each member drawn, none for those not drawn.
    c.prompts->saveNames << dir.filePath("chart");
    chart.cmdChartExport_Click();
    QVERIFY(QFile::exists(dir.filePath("chart.png"))); // no known suffix: a picture
    QVERIFY(chart.ExportTo(dir.filePath("chart.svg")));
    QStringList texts;
    int nRects = 0;
    QVERIFY(SvgTexts(dir.filePath("chart.svg"), texts, nRects));
    QCOMPARE(nRects, layout.Count() + 1); // and the background
    QStringList drawn, notDrawn;
    for (int i = 0; i < roster.Count(); ++i)
        (layout.BoxOfRecord(i) >= 0 ? drawn : notDrawn) << roster.At(i).strName;
    for (const QString& strName : drawn)
        QVERIFY2(texts.count(strName) == 1, qPrintable(strName));
    for (const QString& strName : notDrawn)
        QVERIFY2(!texts.contains(strName), qPrintable(strName));

    // PDF: a document that pdftoppm renders, on one page.
    c.prompts->saveNames << dir.filePath("chart.pdf");
    chart.cmdChartExport_Click();
    QFile pdf(dir.filePath("chart.pdf"));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QCOMPARE(pdf.read(5), QByteArray("%PDF-"));
    QTemporaryDir pages;
    QCOMPARE(RenderedPages(pdf.fileName(), pages.path()), 1);

    // Printing, to a PDF file chosen in the print dialog.
    c.prompts->dialogs << [&](QDialog& dlg) {
        auto& print = static_cast<QPrintDialog&>(dlg);
        print.printer()->setOutputFormat(QPrinter::PdfFormat);
        print.printer()->setOutputFileName(dir.filePath("printed.pdf"));
        return int(QDialog::Accepted);
    };
    chart.cmdChartPrint_Click();
    QCOMPARE(c.prompts->dialogNames.last(), QStringLiteral("dlgChartPrint"));
    QTemporaryDir printedPages;
    QCOMPARE(RenderedPages(dir.filePath("printed.pdf"), printedPages.path()), 1);

    // A file that cannot be written: nothing is left, and the message names the file.
    c.prompts->ExpectOk();
    QVERIFY(!chart.ExportTo(dir.filePath("missing/chart.svg")));
    QVERIFY(c.LastText().contains(QDir::toNativeSeparators(dir.filePath("missing/chart.svg"))));
    QCOMPARE(c.prompts->nUnexpected, 0);
}

void tst_chart::largeChartOnPages() {
    // A chart too large to read on one page is cut into pages at a readable size, empty ones
    // left out; beyond kManyPages the user is asked first.
    const RosterSnapshot roster = MakeRoster(Random(4000, 2, 4));
    ScriptedPrompts prompts;
    Roster shown;
    shown.Replace(roster);
    frmAllegianceChart chart(prompts, shown, nullptr);
    chart.ShowFor(-1);
    chart.cmbChartDepth->setCurrentIndex(1);
    const int nPages = ChartExport::PageCount(
        chart.Chart(), ChartExport::PdfPageLayout(chart.Chart()), ChartExport::kPdfResolution);
    QVERIFY2(nPages > 1 && nPages <= frmAllegianceChart::kManyPages,
             qPrintable(QString::number(nPages)));
    QTemporaryDir dir;
    QVERIFY(chart.ExportTo(dir.filePath("cut.pdf")));
    QTemporaryDir rendered;
    QCOMPARE(RenderedPages(dir.filePath("cut.pdf"), rendered.path()), nPages);

    chart.cmbChartDepth->setCurrentIndex(3);
    const int nAll = ChartExport::PageCount(
        chart.Chart(), ChartExport::PdfPageLayout(chart.Chart()), ChartExport::kPdfResolution);
    QVERIFY2(nAll > frmAllegianceChart::kManyPages, qPrintable(QString::number(nAll)));
    prompts.answers << MessagePrompts::Answer::No;
    QVERIFY(!chart.ExportTo(dir.filePath("all.pdf")));
    QVERIFY(prompts.shown.last().strText.contains(QString::number(nAll)));
    QVERIFY(!QFile::exists(dir.filePath("all.pdf")));
    // A picture of a chart too large for one is drawn smaller, and the user is told.
    const ChartLayout chain = ChartLayout::Make(MakeRoster(Chain(2000)), -1, 0);
    QVERIFY(ChartExport::PictureScale(chain) < 1.0);
    QVERIFY(ChartExport::PictureSize(chain).height() <= ChartExport::kMaxPictureSide);
    QCOMPARE(prompts.nUnexpected, 0);
}

QTEST_MAIN(tst_chart)
#include "tst_chart.moc"
