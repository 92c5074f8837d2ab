// The client in a pseudo-language made from the translations' own sources: every view, tab, menu,
// dialog, window and message the client shows must read in it. A text still in English is one
// that no translation can reach: a literal never marked, a sentence glued from pieces, a caption
// taken from somewhere lupdate does not read.
#include "PseudoLanguage.h"
#include "TestClient.h"
#include "Translations.h"

#include "Catalogue.h"
#include "CharacterRecord.h"
#include "ErrorTable.h"
#include "Refusals.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLocale>
#include <QScopeGuard>
#include <QStatusBar>
#include <QTextDocumentFragment>

namespace {

QString Where(const QWidget* pWidget) {
    QStringList path;
    for (const QWidget* p = pWidget; p; p = p->parentWidget())
        if (!p->objectName().isEmpty())
            path.prepend(p->objectName());
    return path.join(QLatin1Char('/')) + QLatin1Char(' ') +
           QLatin1String(pWidget->metaObject()->className());
}

// A text as the user reads it: without an accelerator's "&" and, for rich text, without tags.
QString Read(const QString& strText) {
    QString strPlain = Qt::mightBeRichText(strText)
                           ? QTextDocumentFragment::fromHtml(strText).toPlainText()
                           : strText;
    strPlain.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    strPlain.remove(QLatin1Char('&'));
    return strPlain.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

// Collects the English a window shows, each as "where: text".
class EnglishFinder {
public:
    explicit EnglishFinder(QStringList data) : m_data(std::move(data)) {}

    QStringList found;

    void Text(const QString& strWhere, const QString& strText) {
        if (pseudo::HoldsEnglish(Read(strText), m_data))
            found << strWhere + QStringLiteral(": ") + strText;
    }

    void Actions(const QString& strWhere, const QList<QAction*>& actions) {
        for (QAction* pAction : actions) {
            if (pAction->isSeparator() || !pAction->isVisible())
                continue;
            Text(strWhere + QLatin1Char('/') + pAction->objectName(), pAction->text());
            Text(strWhere + QLatin1Char('/') + pAction->objectName(), pAction->toolTip());
            if (QMenu* pMenu = pAction->menu())
                Actions(strWhere + QLatin1Char('/') + pAction->objectName(), pMenu->actions());
        }
    }

    void Window(QWidget* pWindow) {
        Text(Where(pWindow), pWindow->windowTitle());
        Widget(pWindow);
        for (QWidget* pWidget : pWindow->findChildren<QWidget*>())
            if (pWidget->isVisibleTo(pWindow))
                Widget(pWidget);
    }

private:
    void Widget(QWidget* pWidget) {
        const QString strWhere = Where(pWidget);
        if (!pWidget->toolTip().isEmpty())
            Text(strWhere + QStringLiteral(" tool tip"), pWidget->toolTip());
        if (auto* pLabel = qobject_cast<QLabel*>(pWidget)) {
            Text(strWhere, pLabel->text());
        } else if (auto* pButton = qobject_cast<QAbstractButton*>(pWidget)) {
            // Qt's own standard buttons are Qt's translation's, not the client's.
            auto* pBox = qobject_cast<QDialogButtonBox*>(pButton->parentWidget());
            if (!pBox || pBox->standardButton(pButton) == QDialogButtonBox::NoButton)
                Text(strWhere, pButton->text());
        } else if (auto* pGroup = qobject_cast<QGroupBox*>(pWidget)) {
            Text(strWhere, pGroup->title());
        } else if (auto* pEdit = qobject_cast<QLineEdit*>(pWidget)) {
            Text(strWhere + QStringLiteral(" placeholder"), pEdit->placeholderText());
        } else if (auto* pCombo = qobject_cast<QComboBox*>(pWidget);
                   pCombo && !pCombo->isEditable()) {
            for (int i = 0; i < pCombo->count(); ++i)
                Text(strWhere, pCombo->itemText(i));
        } else if (auto* pBar = qobject_cast<QTabBar*>(pWidget)) {
            for (int i = 0; i < pBar->count(); ++i)
                Text(strWhere, pBar->tabText(i));
        } else if (auto* pView = qobject_cast<QAbstractItemView*>(pWidget)) {
            if (QAbstractItemModel* pModel = pView->model())
                for (int i = 0; i < pModel->columnCount(); ++i)
                    Text(strWhere + QStringLiteral(" header"),
                         pModel->headerData(i, Qt::Horizontal).toString());
        } else if (auto* pMenuBar = qobject_cast<QMenuBar*>(pWidget)) {
            Actions(strWhere, pMenuBar->actions());
        }
    }

    QStringList m_data;
};

// Lets every posted event, layout and running exchange come to rest.
void Settle(frmMain& window) {
    QTest::qWaitFor([&] { return !window.cycle().IsBusy(); }, 20000);
    for (int i = 0; i < 4; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCoreApplication::processEvents();
    }
}

} // namespace

class tst_language final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void pseudoTranslation();
    void everyViewAndTab();
    void everyMenuAndWhatItOpens();
    void everyErrorAndRefusal();
    void aRefusedValueInEachLanguage();

private:
    EnglishFinder Finder() const { return EnglishFinder(m_data); }

    QTemporaryDir m_folder;
    std::unique_ptr<ServerProcess> m_server;
    std::unique_ptr<TestClient> m_client;
    QStringList m_data;
};

void tst_language::initTestCase() {
    QString strWhy;
    QVERIFY2(pseudo::Install(qEnvironmentVariable("ZORV_TS_DIR") + QStringLiteral("/zorv_de.ts"),
                             m_folder.path(), strWhy),
             qPrintable(strWhy));
    m_server = std::make_unique<ServerProcess>();
    QVERIFY(m_server->Start("demo"));
    m_client = std::make_unique<TestClient>();
    // Its messages are in the pseudo-language and the shipped ones, which this test reads itself.
    m_client->prompts->bCheckTranslatable = false;
    QVERIFY(m_client->LogInAndWait(m_server->Address(), "Aldric Stormwind", "lantern1"));
    QCOMPARE(m_client->FillEveryList(), QString());
    // What no translation changes: the guild's names and places, the game's terms, the server's
    // address, the program's name.
    const Characters& roster = *m_client->window->roster();
    for (int i = 0; i < roster.Count(); ++i)
        m_data << roster.At(i).strName;
    for (const zorv::CatalogueSkill& skill : zorv::kSkillCatalogue)
        m_data << QString::fromLatin1(skill.szName);
    for (const auto& race : zorv::kRankTitles)
        for (const auto& sex : race)
            for (const char* szTitle : sex)
                m_data << QString::fromLatin1(szTitle);
    for (int i = 1; i <= zorv::FieldInfo(zorv::RecordField::Race).nHigh; ++i)
        m_data << QString::fromLatin1(zorv::kRaceNames[i]);
    for (const ClientLanguage& language : kClientLanguages) // each language is named in itself
        m_data << QString::fromUtf8(language.szName);
    m_data << m_client->window->session().strGuildName
           << m_client->window->session().strRescueSquadName << m_server->Address()
           << QStringLiteral("ZORV") << QStringLiteral("Stormwind") << QStringLiteral("HTTP")
           << QStringLiteral("UTC") << QStringLiteral("PNG") << QStringLiteral("PDF")
           << QStringLiteral("CSV") << QStringLiteral("SVG");
    // The longest first, so that a name is taken whole before a shorter one inside it.
    std::sort(m_data.begin(), m_data.end(),
              [](const QString& a, const QString& b) { return a.size() > b.size(); });
    QCOMPARE(m_client->prompts->nUnexpected, 0);
}

// The pseudo-language keeps what makes a text work and changes every letter.
void tst_language::pseudoTranslation() {
    const QString strPseudo = pseudo::Translate(QStringLiteral("&Save %1 of %n <b>now</b>"));
    QVERIFY2(strPseudo.startsWith(QStringLiteral("[&S")), qPrintable(strPseudo));
    for (const char* szKept : {"%1", "%n", "<b>", "</b>"})
        QVERIFY2(strPseudo.contains(QLatin1String(szKept)), szKept);
    QVERIFY(!pseudo::HoldsEnglish(strPseudo, {}));
    QVERIFY(strPseudo.size() >= int(QStringLiteral("&Save %1 of %n <b>now</b>").size() * 1.4));
    QVERIFY(pseudo::HoldsEnglish(QStringLiteral("Saved by Aldric Stormwind"), {}));
    QVERIFY(!pseudo::HoldsEnglish(strPseudo + QStringLiteral(" Aldric Stormwind 12"),
                                  {QStringLiteral("Aldric Stormwind")}));
    // A translated window shows its texts: the title of the window itself.
    QCOMPARE(m_client->window->views().tabMainTab->tabText(0).front(), QLatin1Char('['));
}

void tst_language::everyViewAndTab() {
    frmMain& window = *m_client->window;
    MainViews& v = window.views();
    QStringList found;
    for (int iMain = 0; iMain < v.tabMainTab->count(); ++iMain) {
        v.tabMainTab->setCurrentIndex(iMain);
        const int nChar = iMain == 0 ? v.tabCharInfo->count() : 1;
        for (int iChar = 0; iChar < nChar; ++iChar) {
            if (iMain == 0)
                v.tabCharInfo->setCurrentIndex(iChar);
            Settle(window);
            EnglishFinder finder = Finder();
            finder.Window(&window);
            finder.Actions(QStringLiteral("menus"), window.menuBar()->actions());
            found << finder.found;
        }
    }
    found.removeDuplicates();
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
}

// Each menu item is chosen once, as a user who looks and declines would: every dialog, window
// and message it brings up is read, then left.
void tst_language::everyMenuAndWhatItOpens() {
    frmMain& window = *m_client->window;
    ScriptedPrompts& prompts = *m_client->prompts;
    prompts.bDeclineUnexpected = true;
    QStringList found;
    prompts.onDialog = [&](QDialog& dlg) {
        dlg.show();
        Settle(window);
        EnglishFinder finder = Finder();
        finder.Window(&dlg);
        found << finder.found;
    };
    QList<QAction*> actions;
    std::function<void(const QList<QAction*>&)> Collect = [&](const QList<QAction*>& list) {
        for (QAction* pAction : list) {
            if (QMenu* pMenu = pAction->menu())
                Collect(pMenu->actions());
            else if (!pAction->isSeparator() && pAction->isVisible() && pAction->isEnabled())
                actions << pAction;
        }
    };
    Collect(window.menuBar()->actions());
    // The log-in comes last: declined, it leaves the window logged out.
    std::stable_partition(actions.begin(), actions.end(), [](const QAction* pAction) {
        return pAction->objectName() != QLatin1String("mnuLogin");
    });
    QVERIFY(actions.size() > 15);
    window.views().tabMainTab->setCurrentIndex(0);
    int nWindows = 0;
    for (QAction* pAction : actions) {
        const qsizetype nShown = prompts.shown.size();
        const qsizetype nSaves = prompts.saveTitles.size();
        const QList<QWidget*> before = QApplication::topLevelWidgets();
        pAction->trigger();
        Settle(window);
        EnglishFinder finder = Finder();
        const QString strWhere = pAction->objectName();
        for (qsizetype i = nShown; i < prompts.shown.size(); ++i) {
            finder.Text(strWhere + QStringLiteral(" message"), prompts.shown[i].strText);
            finder.Text(strWhere + QStringLiteral(" title"), prompts.shown[i].strTitle);
        }
        for (qsizetype i = nSaves; i < prompts.saveTitles.size(); ++i)
            finder.Text(strWhere + QStringLiteral(" save dialog"), prompts.saveTitles[i]);
        // The windows it opened beside the main one: read, then closed.
        for (QWidget* pTop : QApplication::topLevelWidgets())
            if (pTop->isVisible() && pTop != &window && !before.contains(pTop)) {
                ++nWindows;
                finder.Window(pTop);
                pTop->close();
            } else if (pTop->isVisible() && pTop != &window && pTop->parentWidget() == &window &&
                       !qobject_cast<QMenu*>(pTop)) {
                ++nWindows;
                finder.Window(pTop);
                pTop->close();
            }
        found << finder.found;
        Settle(window);
    }
    // The dialogs and windows of the menus were all reached.
    QVERIFY2(prompts.dialogNames.size() >= 8, qPrintable(prompts.dialogNames.join(u' ')));
    QVERIFY(nWindows >= 4);
    found.removeDuplicates();
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
}

// Every message of the error table, and every refused value as the client composes it.
void tst_language::everyErrorAndRefusal() {
    EnglishFinder finder = Finder();
    for (int iCode = 0; iCode < 2000; ++iCode)
        if (const std::optional<QString> strText = ServerErrorText(iCode))
            finder.Text(QString::number(iCode), *strText);
    for (const zorv::RefusalText& refusal : zorv::kRefusalTexts) {
        // A caption where the refusal names one, numbers elsewhere.
        QString strPayload = QStringLiteral("English|%1").arg(static_cast<int>(refusal.refusal));
        for (int i = 1; i <= 4; ++i)
            strPayload += i == refusal.iCaption ? QStringLiteral("|Level") : QStringLiteral("|7");
        finder.Text(QLatin1String(refusal.szEnglish),
                    *ServerErrorText(991, strPayload + QStringLiteral("<STOP_HERE>")));
    }
    finder.Text(QStringLiteral("throttled"), *ServerErrorText(954, QStringLiteral("x|30")));
    QVERIFY2(finder.found.isEmpty(), qPrintable(finder.found.join(QLatin1Char('\n'))));
}

// A value the real server refuses, shown in each shipped language: the server's refusal and
// parameters composed by the client from the language's own template and caption.
void tst_language::aRefusedValueInEachLanguage() {
    frmMain& window = *m_client->window;
    ScriptedPrompts& prompts = *m_client->prompts;
    prompts.bDeclineUnexpected = false;
    auto restore = qScopeGuard([] { InstallTranslations(QStringLiteral("en")); });
    for (const char* szLanguage : {"de", "fr", "es"}) {
        QVERIFY(InstallTranslations(QLatin1String(szLanguage)));
        const qsizetype nShown = prompts.shown.size();
        prompts.ExpectOk();
        window.cycle().StartOperation(106, QString(),
                                      {{QStringLiteral("charid"), QStringLiteral("1")},
                                       {QStringLiteral("updateid"), QStringLiteral("1")},
                                       {QStringLiteral("LEVEL"), QStringLiteral("abc")}});
        ZORV_TRY(prompts.shown.size() == nShown + 1);
        const QString strTemplate =
            QCoreApplication::translate("Refusal", "The value '%1' of %2 is not a whole number");
        QVERIFY2(strTemplate != QLatin1String("The value '%1' of %2 is not a whole number"),
                 szLanguage);
        const QString strLevel = QCoreApplication::translate("Field", "Level");
        QVERIFY2(strLevel != QLatin1String("Level"), szLanguage);
        const QString strShown = prompts.shown.last().strText;
        QVERIFY2(strShown.endsWith(strTemplate.arg(QStringLiteral("abc"), strLevel)),
                 qPrintable(strShown));
        QVERIFY2(!strShown.contains(QLatin1String("is not a whole number")), qPrintable(strShown));
    }
}

QTEST_MAIN(tst_language)
#include "tst_language.moc"
