// The allegiance at 32767 members, offscreen: the payload parser alone; the whole refresh from
// payload to a shown, reselected tree and a filled flat list; and, as the baseline, a plain
// QTreeWidget filled with the same node texts in the same shape. Then the time from login to
// the own record against a seeded zorv-server. Prints one line per figure.
#include "AllegianceModel.h"
#include "AllegianceView.h"
#include "Characters.h"
#include "MainViews.h"
#include "RequestCycle.h"
#include "TreePayload.h"
#include "frmMain.h"
#include "frmPlayerSetup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTreeView>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>
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
        if (std::string(szName) == "wide") {
            iPatron = (id - 2) / 12 + 1;
        } else if (std::string(szName) == "chain") {
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

long RssKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

template <typename F> double Median(int nRuns, F run) {
    std::vector<double> times;
    for (int i = 0; i < nRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
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

double LoginToOwnRecord() {
    QTemporaryDir dir;
    QString strDb = dir.filePath(QStringLiteral("seed.db"));
    QProcess::execute(QStringLiteral(ZORV_SERVER_BIN),
                      {"seed", "--db", strDb, "--members", "32767", "--shape", "random"});
    QProcess server;
    server.start(QStringLiteral(ZORV_SERVER_BIN),
                 {"serve", "--db", strDb, "--listen", "127.0.0.1:0"});
    server.waitForReadyRead(10000);
    QString strLine = QString::fromLocal8Bit(server.readLine()).trimmed();
    QString strAddress = strLine.section(QStringLiteral("http://"), 1);
    frmMain window(nullptr, dir.path());
    window.show();
    window.playerSetup().strServer = strAddress;
    window.playerSetup().strName = QStringLiteral("Seed Monarch");
    window.playerSetup().strPassword = QStringLiteral("seedpass1");
    bool bDone = false;
    QObject::connect(&window.cycle().HTTP, &HTTPRequest::GotResults, [&] {
        if (window.cycle().iCurrentOp == 107)
            bDone = true;
    });
    QElapsedTimer timer;
    timer.start();
    window.Login();
    while (!bDone && timer.elapsed() < 60000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    double dMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    server.terminate();
    server.waitForFinished();
    return bDone ? dMs : -1;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    for (const char* szShape : {"random", "wide", "chain"}) {
        Shape shape = MakeShape(szShape);
        const QString strPayload = Payload(shape);
        Characters roster;
        double dParse = Median(5, [&] { ParseTreePayload(strPayload, roster); });

        long lRssBefore = RssKiB();
        QTemporaryDir settings;
        frmMain window(nullptr, settings.path());
        window.resize(1000, 800);
        window.show();
        QApplication::processEvents();
        long lRssWindow = RssKiB();
        window.cycle().HTTP.strHTTPData = strPayload;
        window.allegiance().strCurrentNodeKey = QStringLiteral("Char30000");
        double dRefresh = Median(7, [&] {
            window.allegiance().ParseTreeData();
            QApplication::processEvents(); // the tree and the list lay out and paint
        });
        bool bSelected = window.allegiance().SelectedKey() == QStringLiteral("Char30000");
        double dGenerate = Median(7, [&] {
            window.allegiance().GenerateTree(window.views().treTreeView, -1);
            window.allegiance().FillFlatList();
        });
        double dShow = Median(7, [&] {
            window.views().treTreeView->reset();
            QApplication::processEvents();
        });
        long lRssAfter = RssKiB();
        double dBaseline = Baseline(shape);
        std::printf("%-6s parse %5.1f ms | refresh %5.1f ms (generate %.1f, show %.1f) | "
                    "QTreeWidget baseline %5.1f ms | refresh/baseline %.2f | memory +%.1f MB "
                    "(window %.1f MB)%s\n",
                    szShape, dParse, dRefresh, dGenerate, dShow, dBaseline, dRefresh / dBaseline,
                    (lRssAfter - lRssWindow) / 1024.0, (lRssWindow - lRssBefore) / 1024.0,
                    bSelected ? "" : "  [reselection FAILED]");
    }
    std::printf("login to own record, 32767 members: %.1f ms\n", LoginToOwnRecord());
    return 0;
}
