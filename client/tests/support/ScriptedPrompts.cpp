#include "ScriptedPrompts.h"

#include "PseudoLanguage.h"
#include "Translations.h"

#include <QCoreApplication>
#include <QTest>
#include <QTimer>

namespace {

// The tests read the client's English as a user who chose English does: its plural forms come
// from its translation file.
void InstallEnglish() {
    InstallTranslations(QStringLiteral("en"));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallEnglish)

void ScriptedPrompts::Unexpected(const QString& strWhat) {
    ++nUnexpected;
    QTest::qFail(qPrintable(QStringLiteral("unexpected prompt: ") + strWhat), __FILE__, __LINE__);
}

Prompts::Answer ScriptedPrompts::Message(const QString& strText, Buttons buttons, Icon icon,
                                         const QString& strTitle) {
    shown.append({strText, strTitle, icon, buttons});
    const QString strTs = qEnvironmentVariable("ZORV_TS_DIR") + QStringLiteral("/zorv_en.ts");
    for (const QString& strPart : {strText, strTitle})
        if (const QString strFound = pseudo::NotTranslatable(strPart, strTs);
            bCheckTranslatable && !strFound.isEmpty())
            QTest::qFail(qPrintable(QStringLiteral("a message no translation gives: ") + strFound),
                         __FILE__, __LINE__);
    if (!bModal)
        return Answered(strText, buttons, strTitle);
    QDialog box;
    box.setWindowTitle(strTitle);
    box.setModal(true);
    Answer answer = Answer::Cancel;
    QTimer::singleShot(0, &box, [&] {
        answer = Answered(strText, buttons, strTitle);
        box.done(0);
    });
    box.exec();
    return answer;
}

Prompts::Answer ScriptedPrompts::Answered(const QString& strText, Buttons buttons,
                                          const QString& strTitle) {
    if (!whileOpen.isEmpty())
        whileOpen.takeFirst()();
    if (answers.isEmpty()) {
        if (!bDeclineUnexpected)
            Unexpected(strTitle + QStringLiteral(": ") + strText);
        if (buttons == Buttons::Ok)
            return Answer::Ok;
        return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
    return answers.takeFirst();
}

QString ScriptedPrompts::SaveFileName(const QString& strTitle, const QString& strFilter) {
    saveTitles << strTitle << strFilter;
    if (saveNames.isEmpty()) {
        if (!bDeclineUnexpected)
            Unexpected(QStringLiteral("save file: ") + strTitle);
        return QString();
    }
    return saveNames.takeFirst();
}

void ScriptedPrompts::ExpectDismissed(Dismissal how) {
    dialogs << [how](QDialog& dlg) {
        dlg.show();
        if (how == Dismissal::Escape)
            QTest::keyClick(dlg.focusWidget() ? dlg.focusWidget() : &dlg, Qt::Key_Escape);
        else
            dlg.close();
        if (dlg.isVisible()) { // not dismissed: hide it as a test must not leave it open
            QTest::qFail("the dialog stayed open", __FILE__, __LINE__);
            dlg.hide();
        }
        return dlg.result();
    };
}

int ScriptedPrompts::Exec(QDialog& dlg) {
    dialogNames.append(dlg.objectName());
    if (onDialog)
        onDialog(dlg);
    if (dialogs.isEmpty()) {
        if (!bDeclineUnexpected)
            Unexpected(QStringLiteral("dialog ") + dlg.objectName());
        dlg.reject();
        return QDialog::Rejected;
    }
    return dialogs.takeFirst()(dlg);
}
