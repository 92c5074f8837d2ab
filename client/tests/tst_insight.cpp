// The allegiance chart and the guild statistics against a real zorv-server with the demo guild:
// the branch and depth chosen, following the roster shown, the double click, zoom and pan, the
// exported PNG, SVG and PDF files and the printout; and the guild statistics, their figures
// counted on generated shapes and their window, tables and pictures on the demo guild.
#include "ActivityPage.h"
#include "AttentionReport.h"
#include "ChartCanvas.h"
#include "ChartExport.h"
#include "ChartLayout.h"
#include "ChartPainter.h"
#include "ChartShapes.h"
#include "GuildStatistics.h"
#include "Statistics.h"
#include "TestClient.h"
#include "frmAllegianceChart.h"
#include "frmAttentionReport.h"
#include "frmGuildStatistics.h"

#include <QChart>
#include <QChartView>
#include <QDate>
#include <QImage>
#include <QPrintDialog>
#include <QPrinter>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimeZone>
#include <algorithm>

using namespace chart_shapes;

class tst_insight : public QObject {
    Q_OBJECT

private slots:
    void windowOnTheDemoGuild();
    void followsTheRosterShown();
    void exports();
    void statisticsFigures();
    void statisticsWindow();
    void attentionSections();
    void attentionWindow();
    void init();
    void cleanup();

private:
    // The slots that start from the demo guild get it served, logged in as its monarch.
    std::unique_ptr<ServerProcess> m_server;
    std::unique_ptr<TestClient> m_client;
};

void tst_insight::init() {
    const QByteArray slot = QTest::currentTestFunction();
    if (slot == "followsTheRosterShown" || slot == "statisticsFigures" ||
        slot == "attentionSections")
        return;
    m_server = std::make_unique<ServerProcess>();
    QVERIFY(m_server->Start("demo"));
    m_client = std::make_unique<TestClient>();
    QVERIFY(m_client->LogInAndWait(m_server->Address(), "Aldric Stormwind", "lantern1"));
}

void tst_insight::cleanup() {
    m_client.reset();
    m_server.reset();
}

void tst_insight::windowOnTheDemoGuild() {
    TestClient& c = *m_client;
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
    // Once the guild's facts arrive, a box's rank title is that of its member's race and sex
    // (Brenna is a Sho man), and one of no known race keeps the unknown titles.
    const qint16 nRank = roster.At(roster.IndexOfId(idBrenna)).nRank;
    const ChartStyle paper = ChartStyle::Paper(chart.font());
    ZORV_TRY_COMPARE(ChartPainter(chart.Chart(), paper).RankTitle(nRank, idBrenna),
                     RankTitles("3", "1")[nRank]);
    QVERIFY(RankTitles("3", "1")[nRank] != RankTitles("", "")[nRank]);
    QCOMPARE(ChartPainter(chart.Chart(), paper).RankTitle(nRank, 7), RankTitles("", "")[nRank]);
    // Two levels: Brenna and her vassals.
    chart.cmbChartDepth->setCurrentIndex(0);
    QCOMPARE(chart.Chart().Count(),
             1 + int(roster.VassalIndexes(roster.IndexOfId(idBrenna)).size()));
    chart.cmbChartScope->setCurrentIndex(1);
    QCOMPARE(chart.Chart().StartId(), qint16(-1));
    chart.cmbChartDepth->setCurrentIndex(3);
    QCOMPARE(chart.Chart().Count(), roster.Count());

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
    QCOMPARE(canvas.Centre(), centre - QPointF(60, 30) / canvas.Scale());
    // A desktop set to larger text draws the chart larger at 100 %.
    const QFont plain = canvas.font();
    QFont large = plain;
    large.setPixelSize(24);
    canvas.setFont(large);
    QCOMPARE(canvas.Zoom(), 1.0);
    QCOMPARE(canvas.Scale(), 2.0);
    canvas.setFont(plain);

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
    ZORV_TRY_COMPARE(c.window->sheet().iCurDisplayCharID, idVassal);
    QCOMPARE(canvas.Marked(), idVassal);

    // From the keyboard: Alt and the arrows move the mark, Enter shows the marked member.
    QTest::keyClick(&canvas, Qt::Key_Up, Qt::AltModifier);
    QCOMPARE(canvas.Marked(), idBrenna);
    QTest::keyClick(&canvas, Qt::Key_Right, Qt::AltModifier);
    const qint16 idNext = chart.Chart().CharacterOf(chart.Chart().BoxOfId(idBrenna) + 1).nID;
    QCOMPARE(canvas.Marked(), idNext);
    QTest::keyClick(&canvas, Qt::Key_Return);
    QCOMPARE(c.window->allegiance().SelectedKey(), CharKey(idNext));
    ZORV_TRY_COMPARE(c.window->sheet().iCurDisplayCharID, idNext);
    QCOMPARE(c.prompts->nUnexpected, 0);
}

// Brenna watches the guild, the chart and the statistics of Pella's branch open, while another
// client of hers adds vassals under Pella: every view follows without a request of the watching
// client's; and her own add refreshes through the watch, not by a whole download.
void tst_insight::followsTheRosterShown() {
    ServerProcess server;
    QVERIFY(server.Start("demo"));
    TestClient watching, other;
    watching.window->feed().SetEnabled(true);
    QVERIFY(watching.LogInAndWait(server.Address(), "Brenna Ashvale", "welcome1"));
    QVERIFY(watching.window->feed().Watching());
    QVERIFY(watching.Show("Pella Rook"));
    watching.window->findChild<QAction*>("mnuTreeOpChart")->trigger();
    watching.window->findChild<QAction*>("mnuTreeOpStatistics")->trigger();
    frmAllegianceChart& chart = watching.window->chart();
    frmGuildStatistics& statistics = watching.window->statistics();
    const int nBefore = chart.Chart().Count();
    QCOMPARE(statistics.Statistics().nMembers, nBefore);
    auto Drawn = [&](const QString& strName) {
        const qint16 id = watching.window->objCharDB().GetID(strName);
        return id != -1 && chart.Chart().BoxOfId(id) >= 0;
    };
    // Back on her own sheet: her record does not change below, her count of followers does.
    QVERIFY(watching.Show("Brenna Ashvale"));
    auto Followers = [&] {
        return watching.window->views().sheet.lblNumCountFollowers->text().section(' ', 0, 0);
    };
    const int nFollowers = Followers().toInt();
    ZORV_TRY(statistics.Activity().HasFigures()); // the last request of the watching client's
    QSignalSpy answered(&watching.window->cycle(), &RequestCycle::Answered);

    // Another member adds a vassal under Pella: the watch brings it and the chart draws it.
    QVERIFY(other.LogInAndWait(server.Address(), "Brenna Ashvale", "welcome1"));
    QVERIFY(other.StartAddingVassal("Pella Rook", "Newcomer"));
    ZORV_TRY(other.window->objCharDB().GetID("Newcomer") != -1);
    ZORV_TRY(Drawn("Newcomer"));
    QCOMPARE(answered.count(), 0);
    QCOMPARE(Nodes(watching.window->allegiance().MainModel()),
             Nodes(other.window->allegiance().MainModel()));
    QCOMPARE(Followers().toInt(), nFollowers + 1);
    QCOMPARE(chart.Chart().Count(), nBefore + 1);
    QCOMPARE(statistics.Statistics().nMembers, nBefore + 1);
    QCOMPARE(chart.Chart().Snapshot(), watching.window->roster().Now());
    QVERIFY(Problem(chart.Chart(), chart.BranchId(), 0).isEmpty());

    // Hidden, the chart waits; shown again, it draws the roster shown then.
    chart.hide();
    QVERIFY(other.StartAddingVassal("Pella Rook", "Latecomer"));
    ZORV_TRY(watching.window->objCharDB().GetID("Latecomer") != -1);
    QVERIFY(!Drawn("Latecomer"));
    chart.show();
    QVERIFY(Drawn("Latecomer"));

    // Her own add, under herself: each operation is answered once its route is done, the watch's
    // refresh inside the add's route, and the sheet comes back to her.
    answered.clear();
    watching.ExpectAddVassalDialog("Second");
    watching.prompts->ExpectOk();
    watching.window->operations().AddVassal();
    ZORV_TRY(!watching.window->cycle().IsBusy() && answered.count() >= 3);
    QList<int> ops;
    for (const QList<QVariant>& signal : answered)
        ops << signal.at(0).toInt();
    QCOMPARE(ops.mid(0, 3), QList<int>({120, 101, 107}));
    QVERIFY(!ops.contains(100));
    QCOMPARE(watching.window->sheet().iCurDisplayCharID, qint16(2));

    // A whole download redraws it too.
    watching.window->feed().SetEnabled(false);
    QVERIFY(other.StartAddingVassal("Pella Rook", "Thirdcomer"));
    ZORV_TRY(other.window->objCharDB().GetID("Thirdcomer") != -1);
    QVERIFY(watching.window->cycle().StartAndWait(
        [&] { watching.window->allegiance().RefreshTree(); }));
    QVERIFY(Drawn("Thirdcomer"));
    QCOMPARE(chart.Chart().Count(), nBefore + 3);
    QCOMPARE(statistics.Statistics().nMembers, nBefore + 3);
    QCOMPARE(watching.prompts->nUnexpected, 0);
    QCOMPARE(other.prompts->nUnexpected, 0);
}

void tst_insight::exports() {
    TestClient& c = *m_client;
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
    QCOMPARE(picture.size(), (layout.Bounds().size() + QSizeF(2, 2) * ChartExport::kMargin +
                              QSizeF(0, ChartExport::kTitleBand))
                                 .toSize());
    // The top box holds its words in black.
    const QRect top =
        layout.Box(0)
            .translated(ChartExport::kMargin, ChartExport::kMargin + ChartExport::kTitleBand)
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
    // Above the chart, what it shows: the guild, the branch, the depth and the day.
    QVERIFY2(texts.contains(QStringLiteral("The Silver Lanterns, Branch of Aldric Stormwind, "
                                           "3 levels, ") +
                            QDate::currentDate().toString(Qt::ISODate)),
             qPrintable(texts.join('|')));

    // PDF, by its suffix (its pages are tst_chart's).
    c.prompts->saveNames << dir.filePath("chart.pdf");
    chart.cmdChartExport_Click();
    QVERIFY(FileBytes(dir.filePath("chart.pdf")).startsWith("%PDF-"));

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

void tst_insight::statisticsFigures() {
    // Generated members: level 1 + id % 126, rank id % 11 (0: not known).
    const int n = 3000;
    const RosterSnapshot roster = MakeRoster(Random(n, 3, 7));
    const GuildStatistics whole = GuildStatistics::Count(*roster, -1);
    QCOMPARE(whole.nMembers, n);
    for (const StatisticsTable* pTable : {&whole.byLevel, &whole.byRank, &whole.bySlots}) {
        QCOMPARE(pTable->Total(), n);
        QCOMPARE(pTable->labels.size(), qsizetype(pTable->counts.size()));
    }
    std::vector<int> bands(13, 0), ranks(11, 0);
    for (int id = 1; id <= n; ++id) {
        ++bands[static_cast<std::size_t>((1 + id % 126 - 1) / 10)];
        ++ranks[static_cast<std::size_t>(id % 11)];
    }
    QCOMPARE(whole.byLevel.counts, bands);
    QCOMPARE(whole.byLevel.labels.first(), QStringLiteral("1-10"));
    QCOMPARE(whole.byLevel.labels.last(), QStringLiteral("121-130"));
    QCOMPARE(whole.byRank.counts.back(), ranks[0]); // "Unknown", after rank 10
    QCOMPARE(whole.byRank.counts.front(), ranks[1]);
    // Every member but a monarch is one patron's vassal once.
    auto Sworn = [](const StatisticsTable& table) {
        int nSworn = 0;
        for (std::size_t k = 0; k < table.counts.size(); ++k)
            nSworn += static_cast<int>(k) * table.counts[k];
        return nSworn;
    };
    QCOMPARE(Sworn(whole.bySlots), n - 3);
    QCOMPARE(whole.bySlots.labels.size(), zorv::domain::kUsualMaxVassals + 1);

    // A branch: the member and its followers, each sworn within it but the member.
    const GuildStatistics branch = GuildStatistics::Count(*roster, 7);
    QCOMPARE(branch.nMembers, 1 + roster->CountFollowers(QStringLiteral("Char7")));
    QCOMPARE(Sworn(branch.bySlots), branch.nMembers - 1);
    QCOMPARE(branch.byRank.Total(), branch.nMembers);
    QCOMPARE(GuildStatistics::Count(*roster, 9999).nMembers, 0);

    // The band edges, a level not known, and a patron beyond the usual twelve vassals.
    QString strPayload = QStringLiteral("1|A|10|0|-1|2,3,4,5,6,7,8,9,10,11,12,13,14,15|0|0|0!;"
                                        "2|B|0|12|1||0|0|0!;3|C|11|10|1||0|0|0!;");
    for (int id = 4; id <= 15; ++id)
        strPayload += QStringLiteral("%1|M%1|20|1|1||0|0|0!;").arg(id);
    QString strProblem;
    const GuildStatistics edges =
        GuildStatistics::Count(*ParseTreePayload(strPayload, strProblem), -1);
    QVERIFY(strProblem.isEmpty());
    QCOMPARE(edges.byLevel.counts, (std::vector<int>{2, 13}));
    QCOMPARE(edges.byRank.counts[9], 1);     // rank 10
    QCOMPARE(edges.byRank.counts.back(), 2); // 0 and 12: not known
    QCOMPARE(edges.bySlots.labels.last(), QStringLiteral("13 or more"));
    QCOMPARE(edges.bySlots.counts.back(), 1);
    QCOMPARE(edges.bySlots.counts.front(), 14);

    // Race and sex from the facts; a member they do not cover, or a code no race has, is unknown.
    const std::optional<GuildFacts> facts =
        GuildFacts::Parse("12!;2|3|2|0|0||!;3|1|1|0|0||!;4|7|0|0|0||!;", false);
    QVERIFY(facts);
    const GuildStatistics kinds = GuildStatistics::Count(*roster, -1, &*facts);
    QCOMPARE(kinds.byRace.counts, (std::vector<int>{1, 0, 1, n - 2}));
    QCOMPARE(kinds.bySex.counts, (std::vector<int>{1, 1, n - 2}));
    QCOMPARE(GuildStatistics::Count(*roster, -1).byRace.counts.back(), n);
}

void tst_insight::statisticsWindow() {
    TestClient& c = *m_client;
    QVERIFY(c.Show("Brenna Ashvale"));
    const Characters& roster = c.window->objCharDB();
    c.window->findChild<QAction*>("mnuTreeOpStatistics")->trigger();
    frmGuildStatistics& stats = c.window->statistics();
    QVERIFY(stats.isVisible());
    QCOMPARE(stats.Statistics().nMembers, 1 + roster.CountFollowers(QStringLiteral("Char2")));
    stats.cmbStatsScope->setCurrentIndex(1);
    QCOMPARE(stats.Statistics().nMembers, roster.Count());
    // Race and sex follow once the server's facts arrive: the demo's by its ids.
    ZORV_TRY_COMPARE(stats.Table(3).counts, (std::vector<int>{18, 18, 18, 8}));
    QCOMPARE(stats.Table(4).counts, (std::vector<int>{29, 28, 5}));
    // Each chart's table: a row per bar and the total.
    for (int iPage = 0; iPage < frmGuildStatistics::kPages; ++iPage) {
        const StatisticsTable& table = stats.Table(iPage);
        QTableWidget* pGrid = stats.Grid(iPage);
        QCOMPARE(pGrid->rowCount(), qsizetype(table.counts.size()) + 1);
        for (int iRow = 0; iRow < pGrid->rowCount() - 1; ++iRow) {
            QCOMPARE(pGrid->item(iRow, 0)->text(), table.labels[iRow]);
            QCOMPARE(pGrid->item(iRow, 1)->text().toInt(), table.counts[std::size_t(iRow)]);
        }
        QCOMPARE(pGrid->item(pGrid->rowCount() - 1, 1)->text().toInt(), roster.Count());
        QCOMPARE(stats.View(iPage)->chart()->series().size(), 1);
    }

    // Saved: a PNG with the chart and, beside it, the table's words; an SVG that parses.
    QTemporaryDir dir;
    stats.tabStatistics->setCurrentIndex(2);
    c.prompts->saveNames << dir.filePath("vassals");
    QTest::mouseClick(stats.cmdStatsSave, Qt::LeftButton);
    const QImage picture(dir.filePath("vassals.png"));
    QCOMPARE(picture.size(),
             QSize(frmGuildStatistics::kPictureChartWidth + frmGuildStatistics::kPictureTableWidth,
                   frmGuildStatistics::kPictureHeight));
    auto Ink = [&](int iLeft, int iRight) {
        int nInk = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = iLeft; x < iRight; ++x)
                nInk += picture.pixelColor(x, y).lightness() < 128 ? 1 : 0;
        return nInk;
    };
    QVERIFY(Ink(0, frmGuildStatistics::kPictureChartWidth) > 200);
    QVERIFY(Ink(frmGuildStatistics::kPictureChartWidth, picture.width()) > 200);
    QVERIFY(stats.SaveTo(0, dir.filePath("levels.svg")));
    QStringList texts;
    int nRects = 0;
    QVERIFY(SvgTexts(dir.filePath("levels.svg"), texts, nRects));
    QVERIFY(texts.contains(QStringLiteral("Total")));
    QVERIFY(texts.contains(QStringLiteral("Members by level, Whole guild, ") +
                           QDate::currentDate().toString(Qt::ISODate)));
    QVERIFY(texts.contains(QString::number(roster.Count())));
    for (const QString& strBand : stats.Table(0).labels)
        QVERIFY2(texts.count(strBand) >= 2, qPrintable(strBand)); // on the axis and in the table

    c.prompts->ExpectOk();
    QVERIFY(!stats.SaveTo(0, dir.filePath("missing/levels.png")));
    QVERIFY(c.LastText().contains(QStringLiteral("levels.png")));

    // Joins and departures: the server's counts for 26 weeks, the current one last, asked again
    // at each opening; saved like the others.
    ActivityPage& activity = stats.Activity();
    ZORV_TRY(activity.HasFigures());
    QCOMPARE(activity.Activity().weeks.size(), std::size_t(26));
    QCOMPARE(activity.grdStatsActivity->rowCount(), 26);
    auto ThisWeek = [&] {
        const auto& weeks = activity.Activity().weeks;
        return weeks.empty() ? -1 : weeks.back().nJoined; // empty while the page asks
    };
    const int nJoined = ThisWeek();
    QVERIFY(c.StartAddingVassal("Brenna Ashvale", "Weekly Newcomer"));
    ZORV_TRY(c.window->objCharDB().GetID("Weekly Newcomer") != -1);
    c.window->findChild<QAction*>("mnuTreeOpStatistics")->trigger();
    ZORV_TRY_COMPARE(ThisWeek(), nJoined + 1);
    QCOMPARE(activity.grdStatsActivity->item(25, 1)->text().toInt(), nJoined + 1);
    stats.tabStatistics->setCurrentWidget(&activity);
    c.prompts->saveNames << dir.filePath("activity");
    QTest::mouseClick(stats.cmdStatsSave, Qt::LeftButton);
    QCOMPARE(QImage(dir.filePath("activity.png")).size(),
             QSize(ActivityPage::kPictureWidth, ActivityPage::kPictureHeight));
    QCOMPARE(c.prompts->nUnexpected, 0);
}

void tst_insight::attentionSections() {
    // Anna over Bert and Cara; Bert over Dov, Eve and Finn (at the cap of 3); Cara over Gail, whom
    // the facts do not cover (she joined since); id 9 has left.
    QString strProblem;
    const RosterSnapshot roster = ParseTreePayload(
        "1|Anna|50|3|-1|2,3|0|0|0!;2|Bert|40|2|1|4,5,6|0|0|0!;3|Cara|30|1|1|7|0|0|0!;"
        "4|Dov|5|1|2||1|0|0!;5|Eve|5|1|2||1|0|0!;6|Finn|5|1|2||1|0|0!;7|Gail|9|1|3||0|0|0!;",
        strProblem);
    QVERIFY(strProblem.isEmpty());
    std::optional<GuildFacts> facts = GuildFacts::Parse(
        "3!;1|1|1|6|0||2026-09-08 12:00!;2|2|2|5|0||2026-09-08 11:59!;3|1|1|2|0|Nobody|!;"
        "4|1|1|0|1| ANNA |2026-12-01 00:00!;5|1|1|0|1||2026-12-06 00:00!;"
        "6|1|1|0|1|Ghost|2020-01-01 00:00!;9|1|1|40|1||!;"
        "D|2!;D|9!;L|1|2026-09-08 12:00!;L|2|!;L|3|2026-12-07 11:00!;<STOP_HERE>",
        true);
    QVERIFY(facts);
    const QDateTime now(QDate(2026, 12, 7), QTime(12, 0), QTimeZone::utc());
    const AttentionReport report = AttentionReport::Make(*roster, *facts, 90, now);
    auto Rows = [&](int iSection) { return report.tables[iSection].rows; };
    using L = QList<QStringList>;
    // By free slots under the server's cap, at the cap first, then by name.
    QCOMPARE(Rows(AttentionReport::Slots), (L{{"Bert", "3", "0"},
                                              {"Anna", "2", "1"},
                                              {"Cara", "1", "2"},
                                              {"Dov", "0", "3"},
                                              {"Eve", "0", "3"},
                                              {"Finn", "0", "3"},
                                              {"Gail", "0", "3"}}));
    // Entered against every follower below (Anna's six are all there), most missing first.
    QCOMPARE(Rows(AttentionReport::Missing), (L{{"Bert", "5", "3", "2"}, {"Cara", "2", "1", "1"}}));
    // Dov's main is Anna in other letters; Cara names nobody but is no mule.
    QCOMPARE(Rows(AttentionReport::LostMules), (L{{"Eve", ""}, {"Finn", "Ghost"}}));
    // More than 90 days to the minute: Anna's exactly 90 are not; never changed first.
    QCOMPARE(Rows(AttentionReport::StaleRecords), (L{{"Cara", "Never", ""},
                                                     {"Finn", "2020-01-01 00:00", "2532"},
                                                     {"Bert", "2026-09-08 11:59", "90"}}));
    QCOMPARE(Rows(AttentionReport::DefaultPassword), (L{{"Bert"}}));
    // 90 days without a login are enough; none noted counts as never.
    QCOMPARE(Rows(AttentionReport::IdleAdmins),
             (L{{"Bert", "Never", ""}, {"Anna", "2026-09-08 12:00", "90"}}));
    QCOMPARE(AttentionReport::Make(*roster, *facts, 3, now)
                 .tables[AttentionReport::StaleRecords]
                 .rows.size(),
             5); // Anna's and Dov's as well

    // Payloads the server would not write are refused whole.
    for (const char* szBad : {"", "x!;1|1|1|0|0||!;", "3!;1|1|1|0|0|!;", "3!;D|zz!;", "0!;"})
        QVERIFY2(!GuildFacts::Parse(QString::fromLatin1(szBad), true), szBad);
}

void tst_insight::attentionWindow() {
    TestClient& c = *m_client;
    const Characters& roster = c.window->objCharDB();
    QAction* pMenu = c.window->findChild<QAction*>("mnuTreeOpAttention");
    QVERIFY(pMenu);
    pMenu->trigger();
    frmAttentionReport& report = c.window->attention();
    QVERIFY(report.isVisible());
    ZORV_TRY(report.Report().bAdminPart);
    // The demo's facts as the server sends them (each section's rules are attentionSections'): the
    // founder alone has a password of his own, and Edrin, the other administrator, has never
    // logged in.
    auto Names = [&](int iSection) {
        QStringList names;
        for (const QStringList& row : report.Report().tables[iSection].rows)
            names << row[0];
        return names;
    };
    QCOMPARE(Names(AttentionReport::Slots).size(), roster.Count());
    QCOMPARE(Names(AttentionReport::LostMules), QStringList{"Zara Mule-Wright"});
    QCOMPARE(Names(AttentionReport::DefaultPassword).size(), roster.Count() - 1);
    QVERIFY(!Names(AttentionReport::DefaultPassword).contains("Aldric Stormwind"));
    QCOMPARE(Names(AttentionReport::IdleAdmins), QStringList{"Edrin Falk"});
    for (int iSection = 0; iSection < AttentionReport::kSections; ++iSection)
        QVERIFY(report.tabAttention->isTabVisible(iSection));
    // More days: Willa Ford's 200 are no longer enough.
    report.spnAttentionDays->setValue(300);
    QCOMPARE(Names(AttentionReport::StaleRecords), QStringList{"Yorick Dunn"});

    // A double click shows the member in the tree; the list exports as CSV.
    Grid* pMules = report.SectionGrid(AttentionReport::LostMules);
    report.tabAttention->setCurrentIndex(AttentionReport::LostMules);
    QVERIFY(QTest::qWaitForWindowExposed(&report));
    const QModelIndex first = pMules->model()->index(0, 0);
    QTRY_VERIFY(pMules->isVisible() && !pMules->visualRect(first).isEmpty() &&
                pMules->viewport()->rect().contains(pMules->visualRect(first).center()));
    const QRect cell = pMules->visualRect(first);
    // A view takes a double click on the row its press went to.
    QTest::mouseClick(pMules->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(pMules->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(c.window->allegiance().SelectedKey(), CharKey(roster.GetID("Zara Mule-Wright")));
    QTemporaryDir dir;
    c.prompts->saveNames << dir.filePath("mules.csv");
    QTest::mouseClick(report.cmdAttentionExport, Qt::LeftButton);
    const QString strCsv = QString::fromUtf8(FileBytes(dir.filePath("mules.csv")));
    QVERIFY2(strCsv.contains("Name") && strCsv.contains("Zara Mule-Wright") &&
                 strCsv.contains("Zara Wright"),
             qPrintable(strCsv));
    QCOMPARE(c.prompts->nUnexpected, 0);

    // A member is not sent the administrators' part, and does not ask for it.
    TestClient member;
    QVERIFY(member.LogInAndWait(m_server->Address(), "Brenna Ashvale", "welcome1"));
    member.window->findChild<QAction*>("mnuTreeOpAttention")->trigger();
    frmAttentionReport& theirs = member.window->attention();
    ZORV_TRY_COMPARE(theirs.Report().tables[AttentionReport::Slots].rows.size(),
                     qsizetype(roster.Count()));
    const QString strSent = member.PostData();
    QVERIFY2(strSent.contains("msgid=121") && !strSent.contains("admin="), qPrintable(strSent));
    QVERIFY(!theirs.Report().bAdminPart);
    QVERIFY(theirs.Report().tables[AttentionReport::DefaultPassword].rows.isEmpty());
    QVERIFY(theirs.tabAttention->isTabVisible(AttentionReport::StaleRecords));
    QVERIFY(!theirs.tabAttention->isTabVisible(AttentionReport::DefaultPassword));
    QVERIFY(!theirs.tabAttention->isTabVisible(AttentionReport::IdleAdmins));
    QCOMPARE(member.prompts->nUnexpected, 0);
}

QTEST_MAIN(tst_insight)
#include "tst_insight.moc"
