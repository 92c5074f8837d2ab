#pragma once
// Every message box, question, file dialog and modal dialog of the client goes through this
// interface, so that the running program shows real dialogs and tests answer from a script.
#include "MessagePrompts.h"

#include <QString>

class QDialog;
class QWidget;

class Prompts : public MessagePrompts {
public:
    // Returns the chosen path, or an empty string when the user cancelled.
    virtual QString SaveFileName(const QString& strTitle, const QString& strFilter) = 0;
    // Runs a dialog modally; returns QDialog::Accepted or QDialog::Rejected.
    virtual int Exec(QDialog& dlg) = 0;
};

// The real dialogs, parented to the main window.
class QtPrompts final : public Prompts {
public:
    explicit QtPrompts(QWidget* pParent) : m_pParent(pParent) {}

    Answer Message(const QString& strText, Buttons buttons, Icon icon,
                   const QString& strTitle) override;
    QString SaveFileName(const QString& strTitle, const QString& strFilter) override;
    int Exec(QDialog& dlg) override;

private:
    QWidget* m_pParent;
};
