#pragma once
// Prompts for tests: records every prompt and answers from queues the test fills beforehand.
// A prompt with nothing queued for it fails the running test and is answered with a refusal.
#include "Prompts.h"

#include <QDialog>
#include <QList>
#include <functional>

class ScriptedPrompts final : public Prompts {
public:
    struct Shown {
        QString strText;
        QString strTitle;
        Icon icon;
        Buttons buttons;
    };

    QList<Shown> shown;
    QList<Answer> answers;                       // one per message box expected
    QList<QString> saveNames;                    // one per save-file dialog expected
    QList<std::function<int(QDialog&)>> dialogs; // one per modal dialog expected
    QStringList dialogNames;                     // objectName of each dialog run
    int nUnexpected = 0;

    // Expects n message boxes answered with OK.
    void ExpectOk(int n = 1) {
        for (int i = 0; i < n; ++i)
            answers.append(Answer::Ok);
    }

    Answer Message(const QString& strText, Buttons buttons, Icon icon,
                   const QString& strTitle) override;
    QString SaveFileName(const QString& strTitle, const QString& strFilter) override;
    int Exec(QDialog& dlg) override;

private:
    void Unexpected(const QString& strWhat);
};
