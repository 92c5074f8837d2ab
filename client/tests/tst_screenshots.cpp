// The main window's layout at its minimum size and at a large one: every main view and every
// character tab, logged in to a real demo guild with its lists filled, is checked for controls
// that are clipped, squeezed or overlapped, and written as a PNG file when ZORV_SCREENSHOTS names
// a folder (`make screenshots`).
//
// The rule. A widget is checked where this program lays it out: as a child of a plain container
// (QWidget, QFrame, QGroupBox, QSplitter, a tab widget's page stack, a scroll area's content, the
// main window's central widget and status bar). Each visible child of such a container
//  - lies inside the container's contents rectangle (a group box's leaves out its title and
//    frame, a frame's its border),
//  - intersects no visible sibling,
//  - is no smaller than the least its layout may give it: its minimum size if set, else its
//    minimum size hint or its size hint as its size policy says, as Qt's layouts decide; a
//    word-wrapped label is as wide as its longest word and tall enough for its text at its width.
// The inside of any other control (a line edit, a combo box, an item view, a tab bar) is the
// control's and the style's own arrangement and is not entered; a splitter's handles are not
// controls. Two things inside are checked all the same, because the user would miss them: every
// tab of a visible tab bar shows whole, without scroll buttons or a cut caption, and a scroll
// area's content passes its viewport only in a direction the area can scroll.
#include "PseudoLanguage.h"
#include "TestClient.h"
#include "Translations.h"

#include <QPalette>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitterHandle>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>

namespace {

QString Name(const QWidget* pWidget) {
    return pWidget->objectName().isEmpty()
               ? QLatin1Char('<') + QLatin1String(pWidget->metaObject()->className()) +
                     QLatin1Char('>')
               : pWidget->objectName();
}

// The widget and where it is: its parent, and the nearest named ancestor when the parent has no
// name, so that a report leads straight to the line that builds it.
QString Where(const QWidget* pWidget) {
    QString strWhere = Name(pWidget);
    const QWidget* pParent = pWidget->parentWidget();
    if (!pParent)
        return strWhere;
    strWhere += QStringLiteral(" in ") + Name(pParent);
    if (pParent->objectName().isEmpty()) {
        for (const QWidget* p = pParent->parentWidget(); p; p = p->parentWidget())
            if (!p->objectName().isEmpty()) {
                strWhere += QStringLiteral(" in ") + p->objectName();
                break;
            }
    }
    return strWhere;
}

QString Text(const QRect& rect) {
    return QStringLiteral("(%1,%2 %3x%4)")
        .arg(rect.x())
        .arg(rect.y())
        .arg(rect.width())
        .arg(rect.height());
}

QString Text(const QSize& size) {
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

// The least a layout gives the widget, as Qt's own layouts compute it.
QSize SmallestSize(const QWidget* pWidget) {
    const QSizePolicy policy = pWidget->sizePolicy();
    const QSize hint = pWidget->sizeHint();
    const QSize minHint = pWidget->minimumSizeHint();
    auto Least = [](QSizePolicy::Policy p, int iMinimum, int iHint, int iMinHint) {
        if (iMinimum > 0)
            return iMinimum;
        if (p == QSizePolicy::Ignored)
            return 0;
        return std::max((p & QSizePolicy::ShrinkFlag) ? iMinHint : std::max(iHint, iMinHint), 0);
    };
    return {
        Least(policy.horizontalPolicy(), pWidget->minimumWidth(), hint.width(), minHint.width()),
        Least(policy.verticalPolicy(), pWidget->minimumHeight(), hint.height(), minHint.height())};
}

bool IsContainer(const QWidget* pWidget) {
    const QMetaObject* pMeta = pWidget->metaObject();
    return pMeta == &QWidget::staticMetaObject || pMeta == &QFrame::staticMetaObject ||
           qobject_cast<const QGroupBox*>(pWidget) || qobject_cast<const QSplitter*>(pWidget) ||
           qobject_cast<const QStackedWidget*>(pWidget) || qobject_cast<const QStatusBar*>(pWidget);
}

class LayoutCheck {
public:
    QStringList faults;

    void Window(QMainWindow* pWindow) {
        QList<QWidget*> parts{pWindow->menuBar(), pWindow->centralWidget(), pWindow->statusBar()};
        Siblings(pWindow, parts);
        for (QWidget* pPart : parts)
            Enter(pPart);
    }

    // A window of the program's own class that lays its controls out itself.
    void OwnWindow(QWidget* pWindow) {
        const QList<QWidget*> parts = pWindow->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        Siblings(pWindow, parts);
        for (QWidget* pPart : parts)
            Enter(pPart);
    }

private:
    void Fault(const QWidget* pWidget, const QString& strWhat) {
        faults << Where(pWidget) + QLatin1Char(' ') + strWhat;
    }

    // Checks the visible children of a container against it and each other, then enters them.
    void Siblings(const QWidget* pParent, const QList<QWidget*>& children) {
        QList<QWidget*> shown;
        for (QWidget* pChild : children)
            if (pChild && pChild->isVisible() && !pChild->isWindow())
                shown << pChild;
        const QRect inside = pParent->contentsRect();
        for (int i = 0; i < shown.size(); ++i) {
            const QRect geometry = shown[i]->geometry();
            if (!inside.contains(geometry))
                Fault(shown[i], Text(geometry) + QStringLiteral(" is clipped by its parent's ") +
                                    Text(inside));
            for (int j = i + 1; j < shown.size(); ++j)
                if (geometry.intersects(shown[j]->geometry()))
                    Fault(shown[i], Text(geometry) + QStringLiteral(" overlaps ") + Name(shown[j]) +
                                        Text(shown[j]->geometry()));
        }
        for (QWidget* pChild : shown)
            if (!IsContainer(pChild))
                Size(pChild);
    }

    void Size(const QWidget* pWidget) {
        const QSize size = pWidget->size();
        if (auto* pLabel = qobject_cast<const QLabel*>(pWidget); pLabel && pLabel->wordWrap()) {
            const int iWord = pLabel->minimumSizeHint().width();
            const int iHeight = pLabel->heightForWidth(size.width());
            if (size.width() < iWord || size.height() < iHeight)
                Fault(pWidget, QStringLiteral("is ") + Text(size) +
                                   QStringLiteral(", too small for its wrapped text: ") +
                                   Text(QSize(iWord, iHeight)));
            return;
        }
        const QSize least = SmallestSize(pWidget);
        if (size.width() < least.width() || size.height() < least.height())
            Fault(pWidget, QStringLiteral("is squeezed to ") + Text(size) +
                               QStringLiteral(", less than its least ") + Text(least));
    }

    void Enter(QWidget* pWidget) {
        if (!pWidget || !pWidget->isVisible())
            return;
        if (auto* pTabs = qobject_cast<QTabWidget*>(pWidget)) {
            // The bar and the page stack overlap by design where the style joins them.
            for (QWidget* pPart : {static_cast<QWidget*>(pTabs->tabBar()),
                                   static_cast<QWidget*>(pTabs->findChild<QStackedWidget*>(
                                       QString(), Qt::FindDirectChildrenOnly))})
                if (pPart && pPart->isVisible() && !pTabs->rect().contains(pPart->geometry()))
                    Fault(pPart, Text(pPart->geometry()) +
                                     QStringLiteral(" is clipped by its tab widget's ") +
                                     Text(pTabs->rect()));
            Tabs(pTabs);
            if (QWidget* pPage = pTabs->currentWidget()) {
                Siblings(pPage->parentWidget(), {pPage});
                Enter(pPage);
            }
            return;
        }
        if (auto* pScroll = qobject_cast<QScrollArea*>(pWidget)) {
            QWidget* pContent = pScroll->widget();
            const QSize viewport = pScroll->viewport()->size();
            if (pContent && ((pScroll->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff &&
                              pContent->width() > viewport.width()) ||
                             (pScroll->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff &&
                              pContent->height() > viewport.height())))
                Fault(pContent, Text(pContent->size()) + QStringLiteral(" passes its viewport's ") +
                                    Text(viewport) + QStringLiteral(" where it cannot scroll"));
            Enter(pContent);
            return;
        }
        if (!IsContainer(pWidget))
            return;
        QList<QWidget*> children;
        for (QWidget* pChild : pWidget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!qobject_cast<QSplitterHandle*>(pChild))
                children << pChild;
        Siblings(pWidget, children);
        for (QWidget* pChild : children)
            Enter(pChild);
    }

    void Tabs(const QTabWidget* pTabs) {
        const QTabBar* pBar = pTabs->tabBar();
        if (!pBar->isVisible())
            return;
        const int iSpace = pBar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, pBar);
        for (int i = 0; i < pBar->count(); ++i) {
            const QRect tab = pBar->tabRect(i);
            // The caption as shown, in the language shown; reported by its key.
            const QString strCaption = TabKey(pTabs, i);
            QString strShown = pBar->tabText(i);
            strShown.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
            strShown.remove(QLatin1Char('&')).replace(QLatin1Char('\x01'), QLatin1Char('&'));
            const int iText = pBar->fontMetrics().horizontalAdvance(strShown);
            if (!pBar->rect().contains(tab) || tab.width() < iText + iSpace)
                Fault(pBar, QStringLiteral("does not show the tab \"") + strCaption +
                                QStringLiteral("\" whole: ") + Text(tab) + QStringLiteral(" in ") +
                                Text(pBar->rect()));
        }
    }
};

// Lets every pending layout request and resize run.
void Settle() {
    for (int i = 0; i < 4; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCoreApplication::processEvents();
    }
}

QString Slug(QString strText) {
    strText = strText.toLower();
    strText.replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")), QStringLiteral("-"));
    return strText;
}

} // namespace

class tst_screenshots final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void views_data();
    void views();
    void insightWindows_data();
    void insightWindows();

private:
    QTemporaryDir m_pseudo;
    std::unique_ptr<ServerProcess> m_server;
    std::unique_ptr<TestClient> m_client;
};

// One login for every view: the demo guild's administrator, the lists and a search filled. With
// ZORV_PSEUDO set, in the pseudo-language, whose texts are about 40% longer than English; with
// ZORV_LANGUAGE set, in that language.
void tst_screenshots::initTestCase() {
    if (qEnvironmentVariableIsSet("ZORV_LANGUAGE"))
        QVERIFY(InstallTranslations(qEnvironmentVariable("ZORV_LANGUAGE")));
    if (qEnvironmentVariableIsSet("ZORV_PSEUDO")) {
        QString strWhy;
        QVERIFY2(
            pseudo::Install(qEnvironmentVariable("ZORV_TS_DIR") + QStringLiteral("/zorv_de.ts"),
                            m_pseudo.path(), strWhy),
            qPrintable(strWhy));
    }
    m_server = std::make_unique<ServerProcess>();
    QVERIFY(m_server->Start("demo"));
    m_client = std::make_unique<TestClient>();
    QVERIFY(m_client->LogInAndWait(m_server->Address(), "Aldric Stormwind", "lantern1"));
    QCOMPARE(m_client->window->views().tabMainTab->count(), 6);
    QCOMPARE(m_client->FillEveryList(), QString());
    QCOMPARE(m_client->prompts->nUnexpected, 0);
}

void tst_screenshots::views_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("iMainTab");
    QTest::addColumn<int>("iCharTab");
    const MainViews& v = m_client->window->views();
    for (const QSize size : {m_client->window->minimumSize(), QSize(1280, 900)}) {
        for (int iMain = 0; iMain < v.tabMainTab->count(); ++iMain) {
            const QString strView = TabKey(v.tabMainTab, iMain);
            // The character tabs sit beside the tree, in the first view.
            const int nChar = iMain == 0 ? v.tabCharInfo->count() : 1;
            for (int iChar = 0; iChar < nChar; ++iChar) {
                QString strName = Text(size) + QLatin1Char(' ') + strView;
                if (iMain == 0)
                    strName += QStringLiteral(" - ") + TabKey(v.tabCharInfo, iChar);
                QTest::newRow(qPrintable(strName)) << size << iMain << (iMain == 0 ? iChar : -1);
            }
        }
    }
}

void tst_screenshots::views() {
    QFETCH(QSize, size);
    QFETCH(int, iMainTab);
    QFETCH(int, iCharTab);
    frmMain& window = *m_client->window;
    MainViews& v = window.views();
    window.resize(size);
    v.tabMainTab->setCurrentIndex(iMainTab);
    if (iCharTab >= 0)
        v.tabCharInfo->setCurrentIndex(iCharTab);
    // What a view asks the server for changes the status bar's texts, and so the least size in
    // a longer language: the window is then that much larger.
    QTest::qWaitFor([&] { return !window.cycle().IsBusy(); }, 20000);
    Settle();
    QCOMPARE(window.size(), size.expandedTo(window.minimumSize()));

    const QString strFolder = qEnvironmentVariable("ZORV_SCREENSHOTS");
    if (!strFolder.isEmpty()) {
        const QString strFile =
            QDir(strFolder).filePath(Slug(QString::fromLatin1(QTest::currentDataTag())) + ".png");
        QVERIFY2(window.grab().save(strFile, "PNG", 0), qPrintable(strFile));
    }

    LayoutCheck check;
    check.Window(&window);
    QCOMPARE(check.faults.join(QLatin1Char('\n')), QString());
}

void tst_screenshots::insightWindows_data() {
    QTest::addColumn<QString>("strMenu");
    QTest::addColumn<bool>("bLeast");
    QTest::addColumn<bool>("bDark");
    for (const char* szMenu :
         {"mnuTreeOpChart", "mnuTreeOpStatistics", "mnuTreeOpAttention", "mnuAdminNotifications"})
        for (bool bLeast : {true, false})
            for (bool bDark : {false, true})
                QTest::addRow("%s %s%s", szMenu, bLeast ? "least" : "1280x900",
                              bDark ? " dark" : "")
                    << QString::fromLatin1(szMenu) << bLeast << bDark;
}

namespace {

// A dark desktop's colours, as a dark theme gives them.
QPalette DarkPalette() {
    QPalette dark;
    const QColor window(45, 45, 48), base(30, 30, 32), text(230, 230, 230);
    for (auto [role, colour] : {std::pair{QPalette::Window, window},
                                {QPalette::Base, base},
                                {QPalette::AlternateBase, window.lighter(115)},
                                {QPalette::Button, window},
                                {QPalette::WindowText, text},
                                {QPalette::Text, text},
                                {QPalette::ButtonText, text},
                                {QPalette::Highlight, QColor(42, 130, 218)},
                                {QPalette::HighlightedText, Qt::white}})
        dark.setColor(role, colour);
    return dark;
}

// The mean lightness of a picture, 0 (black) to 255 (white), from a sample of its pixels.
int MeanLightness(const QImage& image) {
    long lSum = 0, lCount = 0;
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7, ++lCount)
            lSum += QColor(image.pixel(x, y)).lightness();
    return lCount ? int(lSum / lCount) : 0;
}

} // namespace

// The allegiance chart and the guild statistics, at the least size their layouts allow and at a
// large one, by the same rule as the main window's views.
void tst_screenshots::insightWindows() {
    QFETCH(QString, strMenu);
    QFETCH(bool, bLeast);
    QFETCH(bool, bDark);
    const QPalette light = QApplication::palette();
    if (bDark)
        QApplication::setPalette(DarkPalette());
    auto restore = qScopeGuard([&] { QApplication::setPalette(light); });
    frmMain& window = *m_client->window;
    window.findChild<QAction*>(strMenu)->trigger();
    QWidget* pShown = QApplication::activeWindow();
    for (QWidget* pTop : QApplication::topLevelWidgets())
        if (pTop->isVisible() && pTop != &window && pTop->parentWidget() == &window)
            pShown = pTop;
    QVERIFY(pShown && pShown != &window);
    pShown->resize(bLeast ? pShown->minimumSizeHint() : QSize(1280, 900));
    Settle();

    const QString strFolder = qEnvironmentVariable("ZORV_SCREENSHOTS");
    if (!strFolder.isEmpty()) {
        const QString strFile =
            QDir(strFolder).filePath(Slug(QString::fromLatin1(QTest::currentDataTag())) + ".png");
        QVERIFY2(pShown->grab().save(strFile, "PNG", 0), qPrintable(strFile));
    }
    // Every part follows the desktop: no chart or table left light on a dark desktop.
    const int iLightness = MeanLightness(pShown->grab().toImage());
    QVERIFY2(bDark ? iLightness < 100 : iLightness > 150, qPrintable(QString::number(iLightness)));

    LayoutCheck check;
    check.OwnWindow(pShown);
    pShown->close();
    QCOMPARE(check.faults.join(QLatin1Char('\n')), QString());
}

QTEST_MAIN(tst_screenshots)
#include "tst_screenshots.moc"
