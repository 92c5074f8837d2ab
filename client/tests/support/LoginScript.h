#pragma once
// Scripts the server and character dialog: the next time it shows, it is filled and confirmed.
#include "ScriptedPrompts.h"
#include "frmPlayerSetup.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

inline void QueueLoginDialog(ScriptedPrompts& prompts, const QString& strAddress,
                             const QString& strName, const QString& strPassword) {
    prompts.dialogs << [=](QDialog& dlg) {
        auto& setup = static_cast<frmPlayerSetup&>(dlg);
        setup.cmbServerAddress->setEditText(strAddress);
        setup.cmbCharName->setEditText(strName);
        setup.txtPassword->setText(strPassword);
        QTest::mouseClick(setup.cmdOK, Qt::LeftButton);
        return setup.result();
    };
}
