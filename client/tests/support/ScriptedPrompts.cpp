#include "ScriptedPrompts.h"

#include <QTest>

void ScriptedPrompts::Unexpected(const QString& strWhat) {
    ++nUnexpected;
    QTest::qFail(qPrintable(QStringLiteral("unexpected prompt: ") + strWhat), __FILE__, __LINE__);
}

Prompts::Answer ScriptedPrompts::Message(const QString& strText, Buttons buttons, Icon icon,
                                         const QString& strTitle) {
    shown.append({strText, strTitle, icon, buttons});
    if (answers.isEmpty()) {
        Unexpected(strTitle + QStringLiteral(": ") + strText);
        if (buttons == Buttons::Ok)
            return Answer::Ok;
        return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
    return answers.takeFirst();
}

QString ScriptedPrompts::SaveFileName(const QString& strTitle, const QString&) {
    if (saveNames.isEmpty()) {
        Unexpected(QStringLiteral("save file: ") + strTitle);
        return QString();
    }
    return saveNames.takeFirst();
}

int ScriptedPrompts::Exec(QDialog& dlg) {
    dialogNames.append(dlg.objectName());
    if (dialogs.isEmpty()) {
        Unexpected(QStringLiteral("dialog ") + dlg.objectName());
        dlg.reject();
        return QDialog::Rejected;
    }
    return dialogs.takeFirst()(dlg);
}
