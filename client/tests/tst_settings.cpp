// The settings file and the three dialogs that check their own input: the server and character
// dialog, the options, and the server set-up.
#include "IniFile.h"
#include "ScriptedPrompts.h"
#include "Translations.h"
#include "frmLogin.h"
#include "frmNewServerSetup.h"
#include "frmOptions.h"
#include "frmPlayerSetup.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <tuple>

namespace {

void WriteBytes(const QString& strFile, const QByteArray& bytes) {
    QFile file(strFile);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

// Fills the server dialog and presses OK; returns whether it closed accepted.
bool Confirm(frmPlayerSetup& dlg, const QString& strServer, const QString& strName,
             const QString& strPassword) {
    dlg.cmbServerAddress->setEditText(strServer);
    dlg.cmbCharName->setEditText(strName);
    dlg.txtPassword->setText(strPassword);
    dlg.setResult(0);
    QTest::mouseClick(dlg.cmdOK, Qt::LeftButton);
    return dlg.result() == QDialog::Accepted;
}

// The server and character dialog over settings of its own, kept in `strFolder`.
struct SetupDialog {
    explicit SetupDialog(const QString& strFolder) { settings.SetFolder(strFolder); }
    ScriptedPrompts prompts;
    Settings settings;
    frmPlayerSetup dlg{prompts, settings};
};

} // namespace

class tst_settings final : public QObject {
    Q_OBJECT

private slots:
    void writtenFileIsExact();
    void readingIsForgiving();
    void rememberedPairs();
    void playerSetupValidation_data();
    void playerSetupValidation();
    void loadOffersTheLastServerAndPlayer();
    void enterInTheAddressMeansOk();
    void unusableFolder();
    void unusableSettingsFile();
    void optionsTimeout_data();
    void optionsTimeout();
    void languageChosenAndKept();
    void serverSetupValidation_data();
    void serverSetupValidation();
    void loginPromptActivation();
};

void tst_settings::writtenFileIsExact() {
    QTemporaryDir dir;
    Settings settings;
    settings.iTimeoutTime = 15;
    settings.iUsePics = 0;
    settings.strLastServer = "guild.example.org/zorv";
    settings.strLastPlayer = "Ann";
    settings.objServers.Add("guild.example.org/zorv").objPlayers.Add("Ann");
    settings.objServers.Item("guild.example.org/zorv")->objPlayers.Add("Bo Tall");
    settings.objServers.Add("127.0.0.1:8080/zorv").objPlayers.Add("Cy");
    QString strFile = dir.filePath("zorv.ini");
    QVERIFY(WriteIniFile(strFile, settings));
    QCOMPARE(FileBytes(strFile), QByteArray("Version = \r\n"
                                            "Timeout = 15\r\n"
                                            "UsePics = 0\r\n"
                                            "LastServerUsed = guild.example.org/zorv\r\n"
                                            "LastPlayerUsed = Ann\r\n"
                                            "[guild.example.org/zorv]\r\n"
                                            "Player = Ann\r\n"
                                            "Player = Bo Tall\r\n"
                                            "[127.0.0.1:8080/zorv]\r\n"
                                            "Player = Cy\r\n"));
    Settings back;
    QVERIFY(ReadIniFile(strFile, back));
    QCOMPARE(back.iTimeoutTime, qint16(15));
    QCOMPARE(back.objServers.Count(), 2);
    QCOMPARE(back.objServers.Item(1).objPlayers.Item(2).strName, QStringLiteral("Bo Tall"));
}

void tst_settings::readingIsForgiving() {
    QTemporaryDir dir;
    QString strFile = dir.filePath("zorv.ini");
    // Another order, unknown lines, quotes, a comma ending a value, LF-only lines, no Timeout
    // and no UsePics: 30 and 1 stand.
    WriteBytes(strFile, "[ host/a ]\r\n"
                        "Player =  \"Ann\" \r\n"
                        "something else\n"
                        "LastPlayerUsed = Ann, the second\r\n"
                        "[host/b]\r\n"
                        "Player = Bo\r\n"
                        "Player = Bo\r\n"
                        " Player = Not anchored\r\n"
                        "LastServerUsed = \"host/b\"\r\n"
                        "Version = 2\r\n");
    Settings settings;
    QVERIFY(ReadIniFile(strFile, settings));
    QCOMPARE(settings.iTimeoutTime, qint16(30));
    QCOMPARE(settings.iUsePics, qint16(1));
    QCOMPARE(settings.strLastServer, QStringLiteral("host/b"));
    QCOMPARE(settings.strLastPlayer, QStringLiteral("Ann"));
    QCOMPARE(settings.strIniVersion, QStringLiteral("2"));
    // Written back, the version line is empty whatever was read.
    QVERIFY(WriteIniFile(strFile, settings));
    QVERIFY(FileBytes(strFile).startsWith("Version = \r\nTimeout = 30\r\n"));
    QCOMPARE(settings.objServers.Count(), 2);
    QCOMPARE(settings.objServers.Item(1).Key, QStringLiteral("host/a"));
    QCOMPARE(settings.objServers.Item(1).objPlayers.Item(1).strName, QStringLiteral("Ann"));
    QCOMPARE(settings.objServers.Item(2).objPlayers.Count(), 1);
    QVERIFY(settings.objServers.Item("HOST/B") != nullptr);

    WriteBytes(strFile, "Timeout = 1 5\r\nUsePics = 0\r\n");
    QVERIFY(ReadIniFile(strFile, settings));
    QCOMPARE(settings.iTimeoutTime, qint16(15));
    QCOMPARE(settings.iUsePics, qint16(0));
    QVERIFY(!ReadIniFile(dir.filePath("missing.ini"), settings));
}

void tst_settings::rememberedPairs() {
    QTemporaryDir dir;
    SetupDialog setup(dir.path());
    auto& [prompts, settings, dlg] = setup;
    dlg.Form_Load();
    QVERIFY(Confirm(dlg, "HtTp://guild.example.org/zorv", "Ann", "secret1"));
    QCOMPARE(dlg.strServer, QStringLiteral("guild.example.org/zorv"));
    QCOMPARE(dlg.cmbServerAddress->currentText(), QStringLiteral("guild.example.org/zorv"));
    QVERIFY(!dlg.bHitCancel);
    QVERIFY(Confirm(dlg, "guild.example.org/zorv", "Bo", "secret1"));
    QVERIFY(Confirm(dlg, "guild.example.org/zorv", "Ann", "secret1"));
    QVERIFY(Confirm(dlg, "GUILD.example.org/zorv", "ann", "secret1"));
    QByteArray file = FileBytes(settings.strINIFile);
    QCOMPARE(file.count("[guild.example.org/zorv]"), 1);
    QCOMPARE(file.count("Player = "), 2);
    QVERIFY(!file.contains("secret1"));
    QVERIFY(file.contains("LastPlayerUsed = ann\r\n"));

    // Cancel keeps the file as it was.
    QTest::mouseClick(dlg.cmdCancel, Qt::LeftButton);
    QVERIFY(dlg.bHitCancel);
    QCOMPARE(FileBytes(settings.strINIFile), file);
    QCOMPARE(prompts.shown.size(), 0);
}

void tst_settings::playerSetupValidation_data() {
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("message");
    const QString strShort = "Your password is too short!  It must be at least 6 characters long.";
    const QString strLong = "Your password is too long!  It can be at most 10 characters long.";
    const QString strNoAddress = "Please type in the address of the ZORV server";
    const std::tuple<const char*, const char*, const char*, const char*, QString> rows[] = {
        {"no address", "", "Ann", "secret1", strNoAddress},
        {"no name", "host/zorv", "", "secret1", "Please type in your character's name"},
        {"no password", "host/zorv", "Ann", "", "Please type in your password"},
        {"5", "host/zorv", "Ann", "12345", strShort},
        {"6", "host/zorv", "Ann", "123456", ""},
        {"10", "host/zorv", "Ann", "1234567890", ""},
        {"11", "host/zorv", "Ann", "12345678901", strLong},
        {"address first", "", "", "", strNoAddress}};
    for (const auto& [szRow, szServer, szName, szPassword, strMessage] : rows)
        QTest::newRow(szRow) << QString(szServer) << QString(szName) << QString(szPassword)
                             << strMessage;
}

void tst_settings::playerSetupValidation() {
    QFETCH(QString, server);
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(QString, message);
    QTemporaryDir dir;
    SetupDialog setup(dir.path());
    auto& [prompts, settings, dlg] = setup;
    if (!message.isEmpty())
        prompts.ExpectOk();
    bool bAccepted = Confirm(dlg, server, name, password);
    QCOMPARE(bAccepted, message.isEmpty());
    if (!message.isEmpty()) {
        QCOMPARE(prompts.shown.size(), 1);
        QCOMPARE(prompts.shown[0].strText, message);
        QCOMPARE(prompts.shown[0].icon, Prompts::Icon::None);
        QVERIFY2(!QFile::exists(settings.strINIFile), "nothing saved");
    }
}

void tst_settings::loadOffersTheLastServerAndPlayer() {
    QTemporaryDir dir;
    WriteBytes(dir.filePath("zorv.ini"), "LastServerUsed = b/z\r\nLastPlayerUsed = Cy\r\n"
                                         "Timeout = 12\r\n[a/z]\r\nPlayer = Ann\r\n"
                                         "[b/z]\r\nPlayer = Bo\r\nPlayer = Cy\r\n");
    SetupDialog setup(dir.path());
    auto& [prompts, settings, dlg] = setup;
    prompts.dialogs << [](QDialog& d) {
        auto& setup = static_cast<frmPlayerSetup&>(d);
        // The remembered lists are there when the dialog shows.
        [&] {
            QCOMPARE(setup.cmbServerAddress->count(), 2);
            QCOMPARE(setup.cmbServerAddress->currentText(), QStringLiteral("b/z"));
            QCOMPARE(setup.cmbCharName->count(), 2);
            QCOMPARE(setup.cmbCharName->currentText(), QStringLiteral("Cy"));
            setup.cmbServerAddress->setCurrentIndex(0);
            setup.cmbServerAddress_Click();
            QCOMPARE(setup.cmbCharName->currentText(), QStringLiteral("Ann"));
        }();
        setup.cmdCancel_Click();
        return int(QDialog::Rejected);
    };
    dlg.Run();
    QVERIFY(dlg.bHitCancel);
    QCOMPARE(settings.iTimeoutTime, qint16(12));
    QCOMPARE(prompts.dialogs.size(), 0);
}

void tst_settings::enterInTheAddressMeansOk() {
    // A new address typed over a remembered one, then Enter: the dialog confirms with the name
    // still there; the list of names changes only when another address is picked from the list.
    QTemporaryDir dir;
    WriteBytes(dir.filePath("zorv.ini"), "LastServerUsed = a/z\r\nLastPlayerUsed = Ann\r\n"
                                         "[a/z]\r\nPlayer = Ann\r\n[b/z]\r\nPlayer = Bo\r\n");
    SetupDialog setup(dir.path());
    auto& [prompts, settings, dlg] = setup;
    dlg.Form_Load();
    dlg.txtPassword->setText("secret1");
    dlg.cmbServerAddress->lineEdit()->setText("new.example.org/zorv");
    dlg.setResult(0);
    QTest::keyClick(dlg.cmbServerAddress->lineEdit(), Qt::Key_Return);
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(dlg.strServer, QStringLiteral("new.example.org/zorv"));
    QCOMPARE(dlg.strName, QStringLiteral("Ann"));
    QCOMPARE(prompts.shown.size(), 0);
    QCOMPARE(dlg.cmbServerAddress->findText("new.example.org/zorv"), 2); // remembered once
    QCOMPARE(dlg.cmbServerAddress->count(), 3);

    // Picking b/z from the list offers its names.
    dlg.cmbServerAddress->setCurrentIndex(1);
    emit dlg.cmbServerAddress->activated(1);
    QCOMPARE(dlg.cmbCharName->currentText(), QStringLiteral("Bo"));
}

void tst_settings::unusableFolder() {
    // A folder that cannot be made (its parent is a file): told so, the dialog stays empty.
    QTemporaryDir dir;
    WriteBytes(dir.filePath("blocker"), "a file");
    SetupDialog setup(dir.filePath("blocker/zorv"));
    auto& [prompts, settings, dlg] = setup;
    prompts.ExpectOk();
    dlg.Form_Load();
    QCOMPARE(prompts.shown.size(), 1);
    QCOMPARE(prompts.shown[0].strText, QStringLiteral("Directory Error!"));
    QCOMPARE(dlg.cmbServerAddress->count(), 0);
    QCOMPARE(settings.iTimeoutTime, qint16(30));
}

void tst_settings::unusableSettingsFile() {
    // A "zorv.ini" that is a folder can be neither read nor replaced: told so, naming the file,
    // and the login still goes on.
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("zorv.ini"));
    SetupDialog setup(dir.path());
    auto& [prompts, settings, dlg] = setup;
    prompts.ExpectOk();
    dlg.Form_Load();
    QCOMPARE(prompts.shown.size(), 1);
    QVERIFY2(prompts.shown[0].strText.contains("could not be read"),
             qPrintable(prompts.shown[0].strText));
    QVERIFY(prompts.shown[0].strText.contains(QDir::toNativeSeparators(settings.strINIFile)));
    QCOMPARE(settings.iTimeoutTime, kDefaultTimeoutSeconds);

    prompts.ExpectOk();
    QVERIFY(Confirm(dlg, "host/zorv", "Ann", "secret1"));
    QCOMPARE(prompts.shown.size(), 2);
    QCOMPARE(prompts.shown[1].strText, "The settings could not be saved to " +
                                           QDir::toNativeSeparators(settings.strINIFile) + ".");
    QCOMPARE(prompts.shown[1].icon, Prompts::Icon::None);
    QCOMPARE(dlg.strServer, QStringLiteral("host/zorv"));
}

void tst_settings::optionsTimeout_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("stored"); // 0: refused
    QTest::newRow("9") << "9" << 0;
    QTest::newRow("10") << "10" << 10;
    QTest::newRow("30") << "30" << 30;
    QTest::newRow("31") << "31" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("15abc") << "15abc" << 15;
    QTest::newRow("12.5 to even") << "12.5" << 12;
    QTest::newRow("13.5 to even") << "13.5" << 14;
    QTest::newRow("30.2") << "30.2" << 0;
    QTest::newRow("blanks") << "  20" << 20;
}

void tst_settings::optionsTimeout() {
    QFETCH(QString, text);
    QFETCH(int, stored);
    ScriptedPrompts prompts;
    Settings settings;
    settings.iTimeoutTime = 25;
    settings.iUsePics = 1;
    frmOptions dlg(prompts, settings);
    dlg.Form_Activate();
    QCOMPARE(dlg.txtTimeout->text(), QStringLiteral("25"));
    dlg.chkUsePics->setChecked(false);
    dlg.txtTimeout->setText(text);
    if (!stored)
        prompts.ExpectOk();
    QTest::mouseClick(dlg.cmdOK, Qt::LeftButton);
    if (stored) {
        QVERIFY(!dlg.bHitCancel);
        QCOMPARE(int(settings.iTimeoutTime), stored);
        QCOMPARE(settings.iUsePics, qint16(0));
        // Used once, then left by Escape or the close button: a cancel.
        for (auto how :
             {ScriptedPrompts::Dismissal::Escape, ScriptedPrompts::Dismissal::CloseButton}) {
            prompts.ExpectDismissed(how);
            dlg.txtTimeout->setText("11");
            dlg.Run();
            QVERIFY(dlg.bHitCancel);
        }
    } else {
        QCOMPARE(prompts.shown.size(), 1);
        QCOMPARE(prompts.shown[0].strText,
                 QStringLiteral("The timeout time must be a number between 10 and 30"));
        // A refused value followed by Cancel changes nothing.
        QTest::mouseClick(dlg.cmdCancel, Qt::LeftButton);
        QVERIFY(dlg.bHitCancel);
        QCOMPARE(settings.iTimeoutTime, qint16(25));
        QCOMPARE(settings.iUsePics, qint16(1));
    }
}

// The language: the one chosen in Options when there is one (written to the file only then),
// else the desktop's first that the client speaks, else English.
void tst_settings::languageChosenAndKept() {
    QCOMPARE(ChosenLanguage("fr", {"de-DE"}), QStringLiteral("fr"));
    QCOMPARE(ChosenLanguage("", {"pt-BR", "de_AT", "en-US"}), QStringLiteral("de"));
    QCOMPARE(ChosenLanguage("xx", {"pt-BR"}), QStringLiteral("en"));
    QTemporaryDir dir;
    ScriptedPrompts prompts;
    Settings settings;
    settings.SetFolder(dir.path());
    frmOptions dlg(prompts, settings);
    dlg.Form_Activate();
    QCOMPARE(dlg.cmbLanguage->currentIndex(), 0); // the system's
    dlg.cmbLanguage->setCurrentIndex(dlg.cmbLanguage->findText(QStringLiteral("Deutsch")));
    QTest::mouseClick(dlg.cmdOK, Qt::LeftButton);
    QCOMPARE(settings.strLanguage, QStringLiteral("de"));
    QVERIFY(SaveSettings(settings, prompts));
    QVERIFY(FileBytes(settings.strINIFile).contains("\r\nLanguage = de\r\n"));
    QCOMPARE(SavedLanguage(dir.path()), QStringLiteral("de"));
    // Back to the system's: no line, as in a file from before languages.
    dlg.Form_Activate();
    QCOMPARE(dlg.cmbLanguage->currentText(), QStringLiteral("Deutsch"));
    dlg.cmbLanguage->setCurrentIndex(0);
    QTest::mouseClick(dlg.cmdOK, Qt::LeftButton);
    QVERIFY(SaveSettings(settings, prompts));
    QVERIFY(!FileBytes(settings.strINIFile).contains("Language"));
    QCOMPARE(SavedLanguage(dir.path()), QString());
}

void tst_settings::serverSetupValidation_data() {
    QTest::addColumn<bool>("newServer");
    QTest::addColumn<QString>("guild");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("confirm");
    QTest::addColumn<bool>("rescue");
    QTest::addColumn<QString>("squad");
    QTest::addColumn<QString>("message");
    const QString strMismatch =
        "The confirmation password does not match the password you entered!";
    const std::tuple<const char*, bool, const char*, const char*, const char*, bool, const char*,
                     QString>
        rows[] = {{"1 guild", true, "", "secret1", "secret1", false, "",
                   "You must enter your guild's name!"},
                  {"2 default", true, "G", "", "", false, "",
                   "You must enter the default password for your server!"},
                  {"3 confirm", false, "G", "secret1", "", false, "",
                   "You must confirm the password you entered for the default password!"},
                  {"4 mismatch", true, "G", "secret1", "secret2", false, "", strMismatch},
                  {"4 exact case", true, "G", "secret1", "Secret1", false, "", strMismatch},
                  {"5 short", true, "G", "12345", "12345", false, "",
                   "Your password is too short!  It must be at least 6 characters long."},
                  {"6 long", true, "G", "12345678901", "12345678901", false, "",
                   "Your password is too long!  It can be at most 10 characters long."},
                  {"7 squad", true, "G", "secret1", "secret1", true, "",
                   "You must specify the name of your rescue squad!"},
                  {"new server ok", true, "G", "123456", "123456", true, "Watch", ""},
                  {"change without password", false, "G", "", "", false, "", ""},
                  {"10 chars", false, "G", "1234567890", "1234567890", false, "", ""}};
    for (const auto& [szRow, bNew, szGuild, szPassword, szConfirm, bRescue, szSquad, strMessage] :
         rows)
        QTest::newRow(szRow) << bNew << QString(szGuild) << QString(szPassword)
                             << QString(szConfirm) << bRescue << QString(szSquad) << strMessage;
}

void tst_settings::serverSetupValidation() {
    QFETCH(bool, newServer);
    QFETCH(QString, guild);
    QFETCH(QString, password);
    QFETCH(QString, confirm);
    QFETCH(bool, rescue);
    QFETCH(QString, squad);
    QFETCH(QString, message);
    ScriptedPrompts prompts;
    frmNewServerSetup dlg(prompts);
    dlg.bNewServer = newServer;
    dlg.Form_Activate();
    QCOMPARE(dlg.cmdCancel->isEnabled(), !newServer);
    QCOMPARE(dlg.chkResetExisting->isEnabled(), !newServer);
    dlg.txtGuildName->setText(guild);
    dlg.txtDefaultPW->setText(password);
    dlg.txtConfirmPW->setText(confirm);
    dlg.chkUseRescue->setChecked(rescue);
    QCOMPARE(dlg.txtRescueSquadName->isEnabled(), rescue);
    dlg.txtRescueSquadName->setText(squad);
    // What Latin-1 cannot carry is not typed in: the server would store something else.
    for (QLineEdit* pBox :
         {dlg.txtGuildName, dlg.txtDefaultPW, dlg.txtConfirmPW, dlg.txtRescueSquadName}) {
        QKeyEvent omega(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QChar(0x3A9)));
        const QString strBefore = pBox->text();
        QApplication::sendEvent(pBox, &omega);
        QCOMPARE(pBox->text(), strBefore);
    }
    if (!message.isEmpty())
        prompts.ExpectOk();
    QTest::mouseClick(dlg.cmdOK, Qt::LeftButton);
    QCOMPARE(dlg.bComplete, message.isEmpty());
    if (message.isEmpty()) {
        QCOMPARE(dlg.strGuildName, guild);
        QCOMPARE(dlg.strDefaultPW, password);
        QCOMPARE(dlg.iUseRescueSquad, qint16(rescue ? 1 : 0));
        QVERIFY(!dlg.bHitCancel);
    } else {
        QCOMPARE(prompts.shown.size(), 1);
        QCOMPARE(prompts.shown[0].strText, message);
        QVERIFY2(dlg.strGuildName.isEmpty(), "nothing stored");
    }
}

void tst_settings::loginPromptActivation() {
    ScriptedPrompts prompts;
    frmLogin dlg(prompts);
    dlg.strCharName = "Bo";
    dlg.Form_Activate();
    QCOMPARE(dlg.txtCharName->text(), QStringLiteral("Bo"));
    QVERIFY(dlg.txtPassword->text().isEmpty());
    // A blank password would send one's own under Bo's name: refused before anything goes out.
    prompts.ExpectOk();
    QTest::mouseClick(dlg.cmdOK, Qt::LeftButton);
    QVERIFY(!dlg.bHitOk);
    QCOMPARE(prompts.shown.size(), 1);
    QCOMPARE(prompts.shown[0].strText,
             QStringLiteral("You must enter the other character's name and password!"));
    // Text outside Latin-1 cannot be typed in: the server would store something else.
    QTest::keyClicks(dlg.txtPassword, "bos");
    QKeyEvent sCaron(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QChar(0x161)));
    QApplication::sendEvent(dlg.txtPassword, &sCaron);
    QTest::keyClicks(dlg.txtPassword, "pass");
    QCOMPARE(dlg.txtPassword->text(), QStringLiteral("bospass"));
    dlg.txtPassword->clear();
    dlg.txtPassword->setText("bospass");
    QTest::mouseClick(dlg.cmdOK, Qt::LeftButton);
    QVERIFY(dlg.bHitOk);
    QCOMPARE(dlg.strPass, QStringLiteral("bospass"));
    // The same name again keeps its password; another name empties it.
    dlg.Form_Activate();
    QCOMPARE(dlg.txtPassword->text(), QStringLiteral("bospass"));
    QVERIFY(!dlg.bHitOk);
    QTest::mouseClick(dlg.cmdCancel, Qt::LeftButton);
    QVERIFY(!dlg.bHitOk);
    dlg.strCharName = "Cy";
    dlg.Form_Activate();
    QVERIFY(dlg.txtPassword->text().isEmpty());
    QCOMPARE(dlg.txtCharName->text(), QStringLiteral("Cy"));
    // Cy's prompt cancelled and opened again: Bo's password is not offered for Cy.
    dlg.cmdCancel_Click();
    dlg.Form_Activate();
    QVERIFY(dlg.txtPassword->text().isEmpty());
    dlg.strCharName = "Bo";
    dlg.Form_Activate();
    QCOMPARE(dlg.txtPassword->text(), QStringLiteral("bospass"));
}

QTEST_MAIN(tst_settings)
#include "tst_settings.moc"
