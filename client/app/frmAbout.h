#pragma once
// The about box: the product's name and version.
#include <QDialog>

class frmAbout final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmAbout)
public:
    explicit frmAbout(QWidget* pParent = nullptr);
};
