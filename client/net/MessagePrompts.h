#pragma once
// The messages and Yes/No questions that the server link puts to the user: its errors, the
// timeout, an untrusted certificate. The user interface implements it with message boxes, tests
// with a script; the link itself shows nothing.
#include <QString>

class MessagePrompts {
public:
    enum class Icon { None, Critical, Question, Exclamation, Information };
    enum class Buttons { Ok, YesNo, SaveDiscardCancel };
    enum class Answer { Ok, Yes, No, Save, Discard, Cancel };

    virtual ~MessagePrompts() = default;

    virtual Answer Message(const QString& strText, Buttons buttons, Icon icon,
                           const QString& strTitle) = 0;

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
