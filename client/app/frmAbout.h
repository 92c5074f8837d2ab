#pragma once
// The about box: the product's name, version and licence, and where the user is logged in.
#include <QDialog>

class QLabel;

class frmAbout final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmAbout)
public:
    explicit frmAbout(QWidget* pParent = nullptr);

    // The server address and guild of the current login; empty when there is none.
    void SetLogin(const QString& strServer, const QString& strGuild);

    QLabel* lblLogin;
};
