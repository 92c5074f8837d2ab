#pragma once
// Where the request cycle shows how an exchange goes: texts in named panels ("Current Op",
// "HTTP Status", "Data Received") and the busy pointer while one runs. The main window's status
// bar implements it.
#include <QString>

class ProgressDisplay {
public:
    virtual ~ProgressDisplay() = default;

    virtual void SetPanel(const QString& strKey, const QString& strText) = 0;
    // Called with true when an exchange starts and false when it ends, never twice alike.
    virtual void ShowBusy(bool bBusy) = 0;
};
