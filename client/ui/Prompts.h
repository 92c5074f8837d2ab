#pragma once
// Every message box, question, file dialog and modal dialog of the client goes through this
// interface, so that the running program shows real dialogs and tests answer from a script.
#include <QString>

class QDialog;
class QWidget;

class Prompts {
public:
    enum class Icon { None, Critical, Question, Exclamation, Information };
    enum class Buttons { Ok, YesNo, SaveDiscardCancel };
    enum class Answer { Ok, Yes, No, Save, Discard, Cancel };

    virtual ~Prompts() = default;

    virtual Answer Message(const QString& strText, Buttons buttons, Icon icon,
                           const QString& strTitle) = 0;
    // Returns the chosen path, or an empty string when the user cancelled.
    virtual QString SaveFileName(const QString& strTitle, const QString& strFilter) = 0;
    // Runs a dialog modally; returns QDialog::Accepted or QDialog::Rejected.
    virtual int Exec(QDialog& dlg) = 0;

    // The title of informational messages.
    static QString AppTitle() { return QStringLiteral("ZORV"); }

    // An informational message: OK button, no icon, the application's title.
    void Inform(const QString& strText) { Message(strText, Buttons::Ok, Icon::None, AppTitle()); }
    // A Yes/No confirmation, with the application's title unless given another; true for Yes.
    bool Confirm(const QString& strText, Icon icon = Icon::Question,
                 const QString& strTitle = AppTitle()) {
        return Message(strText, Buttons::YesNo, icon, strTitle) == Answer::Yes;
    }
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
