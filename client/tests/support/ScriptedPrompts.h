#pragma once
// Prompts for tests: records every prompt and answers from queues the test fills beforehand.
// A prompt with nothing queued for it fails the running test and is answered with a refusal.
#include "Prompts.h"

#include <QDialog>
#include <QFile>
#include <QList>
#include <functional>

class ScriptedPrompts final : public Prompts {
public:
    struct Shown {
        QString strText;
        QString strTitle;
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
    };

    QList<Shown> shown;
    QList<Answer> answers;                       // one per message box expected
    QList<QString> saveNames;                    // one per save-file dialog expected
    QList<std::function<int(QDialog&)>> dialogs; // one per modal dialog expected
    // Run while the next message box is open, before it is answered: a real box runs the event
    // loop, so a reply, a timeout or a watch event can arrive meanwhile. A test waits here for
    // what should arrive.
    QList<std::function<void()>> whileOpen;
    QStringList dialogNames; // objectName of each dialog run
    QStringList saveTitles;  // the title and filter of each save-file dialog asked for
    int nUnexpected = 0;
    // Set, a prompt with nothing queued for it is answered as a user who declines would (Cancel,
    // No or OK; no file; the dialog rejected) rather than failing the test, and each dialog is
    // first handed to onDialog: for a test that opens everything there is to look at it.
    bool bDeclineUnexpected = false;
    // Set, a message no translation can give fails the test: every message a test makes the
    // client show is checked against the translations' sources (in English; a test that shows
    // the client in another language turns it off).
    bool bCheckTranslatable = true;
    std::function<void(QDialog&)> onDialog;
    // Message boxes open as real modal dialogs, each running its own event loop until it is
    // answered, so that code which must wait while a dialog is open sees one.
    bool bModal = false;

    enum class Dismissal { Escape, CloseButton };
    // Expects a modal dialog that the user leaves by Escape or by its window's close button.
    void ExpectDismissed(Dismissal how);

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
    // The answer for a box shown now; the hook for it runs first.
    Answer Answered(const QString& strText, Buttons buttons, const QString& strTitle);
};

// A file's bytes, as a test reads back what was saved; empty when it cannot be read.
inline QByteArray FileBytes(const QString& strPath) {
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
