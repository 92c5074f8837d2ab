// The allegiance chart's layout without a window: its rules (no overlap, the lists' order,
// patrons centred, equal branches alike, the depth) on generated shapes up to a chain of 32767,
// its spatial index against a plain search, a chart too large for one page or picture, and the
// whole of a 32767-member allegiance on screen.
#include "ActivityPage.h"
#include "Characters.h"
#include "ChartCanvas.h"
#include "ChartExport.h"
#include "ChartLayout.h"
#include "ChartShapes.h"
#include "ScriptedPrompts.h"
#include "frmAllegianceChart.h"

#include <QChartView>
#include <QComboBox>
#include <QDate>
#include <QImage>
#include <QLabel>
#include <QSet>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace chart_shapes;

namespace {

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

} // namespace

class tst_chart : public QObject {
    Q_OBJECT

private slots:
    void layoutKeepsItsRules_data();
    void layoutKeepsItsRules();
    void equalBranchesAlike();
    void indexFindsWhatMeetsARectangle();
    void largeChartOnPages();
    void wholeAllegianceOnScreen();
    void emptyAllegiance();
    void activityWithoutHistory();
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
    std::vector<int> patrons(1, 0); // index 0 unused
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
    const ChartLayout chart = ChartLayout::Make(MakeRoster(patrons, 1, false), -1, 0);
    const QString strProblem = Problem(chart, -1, 0);
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
    const int nPages =
        ChartExport::PageCount(chart.Exported(), ChartExport::PdfPageLayout(chart.Exported()),
                               ChartExport::kPdfResolution);
    QVERIFY2(nPages > 1 && nPages <= frmAllegianceChart::kManyPages,
             qPrintable(QString::number(nPages)));
    QTemporaryDir dir;
    QVERIFY(chart.ExportTo(dir.filePath("cut.pdf")));
    QTemporaryDir rendered;
    QCOMPARE(RenderedPages(dir.filePath("cut.pdf"), rendered.path()), nPages);

    chart.cmbChartDepth->setCurrentIndex(3);
    const int nAll =
        ChartExport::PageCount(chart.Exported(), ChartExport::PdfPageLayout(chart.Exported()),
                               ChartExport::kPdfResolution);
    QVERIFY2(nAll > frmAllegianceChart::kManyPages, qPrintable(QString::number(nAll)));
    prompts.answers << MessagePrompts::Answer::No;
    QVERIFY(!chart.ExportTo(dir.filePath("all.pdf")));
    QVERIFY(prompts.shown.last().strText.contains(QString::number(nAll)));
    QVERIFY(!QFile::exists(dir.filePath("all.pdf")));
    // A picture of a chart too large for one is drawn smaller, and the user is told.
    shown.Replace(MakeRoster(Chain(2000)));
    chart.RosterChanged();
    QCOMPARE(chart.Chart().Count(), 2000);
    QVERIFY(ChartExport::PictureScale(chart.Exported()) < 1.0);
    prompts.ExpectOk();
    QVERIFY(chart.ExportTo(dir.filePath("chain.png")));
    QVERIFY(prompts.shown.last().strText.contains(QStringLiteral("too large")));
    QCOMPARE(QImage(dir.filePath("chain.png")).height(), ChartExport::kMaxPictureSide);
    QCOMPARE(prompts.nUnexpected, 0);
}

void tst_chart::wholeAllegianceOnScreen() {
    // 32767 members fitted in view are drawn as each level's runs of boxes; at 100 % the boxes
    // in view are drawn with their words, however deep they stand.
    ScriptedPrompts prompts;
    Roster shown;
    shown.Replace(MakeRoster(Random(32767, 1, 21)));
    frmAllegianceChart chart(prompts, shown, nullptr);
    chart.ShowFor(-1);
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    ChartCanvas& canvas = *chart.Canvas();
    auto Ink = [&] {
        const QImage image = canvas.grab().toImage();
        const QRgb background = image.pixel(0, 0);
        int nInk = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                nInk += image.pixel(x, y) != background ? 1 : 0;
        return nInk;
    };
    for (const std::vector<int>& patrons : {Random(32767, 1, 21), Chain(32767)}) {
        shown.Replace(MakeRoster(patrons));
        chart.RosterChanged();
        QCOMPARE(chart.Chart().Count(), 32767);
        canvas.Fit();
        QVERIFY(canvas.SceneInView().contains(chart.Chart().Bounds()));
        QVERIFY(Ink() > 20);
        canvas.SetZoom(1.0);
        const int iDeepest = chart.Chart().Count() - 1;
        canvas.CentreOn(chart.Chart().Box(iDeepest).center());
        QVERIFY(Ink() > 200);
        QCOMPARE(chart.Chart().BoxAt(
                     canvas.ToScene(QPointF(canvas.width() / 2.0, canvas.height() / 2.0))),
                 iDeepest);
    }
    QCOMPARE(prompts.nUnexpected, 0);
}

void tst_chart::emptyAllegiance() {
    // Before the first download: nothing to draw, export or print, and no step of the window
    // trips over the empty chart.
    ScriptedPrompts prompts;
    Roster shown;
    frmAllegianceChart chart(prompts, shown, nullptr);
    chart.ShowFor(5);
    QCOMPARE(chart.BranchId(), qint16(-1));
    QVERIFY(!chart.cmbChartScope->isEnabled());
    QCOMPARE(chart.Chart().Count(), 0);
    QCOMPARE(chart.Chart().Levels(), 0);
    QCOMPARE(chart.Chart().BoxAt(QPointF(0, 0)), -1);
    chart.Canvas()->Fit();
    chart.Canvas()->ZoomOut();
    QVERIFY(!chart.Canvas()->grab().isNull());
    prompts.ExpectOk(2);
    chart.cmdChartExport_Click();
    chart.cmdChartPrint_Click();
    QCOMPARE(prompts.shown.size(), 2);
    QVERIFY(prompts.shown[0].strText.contains(QStringLiteral("no chart")));
    QCOMPARE(prompts.nUnexpected, 0);
}

// The joins and departures page says what the history cannot tell instead of drawing zeros,
// and refuses an answer it cannot read.
void tst_chart::activityWithoutHistory() {
    QString strWeeks;
    for (int i = 0; i < 26; ++i)
        strWeeks += QDate(2026, 6, 8).addDays(7 * i).toString(Qt::ISODate) + "|0|0!;";
    ActivityPage page;
    page.show();
    page.Show("none|!;" + strWeeks);
    QVERIFY(!page.HasFigures());
    QVERIFY(!page.chtActivity->isVisible());
    QVERIFY(page.lblActivity->text().contains("keeps no change history"));
    page.Show("30|2026-11-02!;" + strWeeks.replace("2026-11-30|0|0", "2026-11-30|3|1"));
    QVERIFY(page.HasFigures());
    QVERIFY(page.chtActivity->isVisible());
    QVERIFY(page.lblActivity->text().contains("reaches back to 2026-11-02 only"));
    QCOMPARE(page.grdStatsActivity->item(25, 1)->text(), QString("3"));
    QCOMPARE(page.grdStatsActivity->item(25, 2)->text(), QString("1"));
    page.Show("all|2026-01-01!;2026-11-30|3!;");
    QVERIFY(!page.HasFigures());
    QVERIFY(page.lblActivity->text().contains("cannot be read"));
}

QTEST_MAIN(tst_chart)
#include "tst_chart.moc"
