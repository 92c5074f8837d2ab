#include "Prompts.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

Prompts::Answer QtPrompts::Message(const QString& strText, Buttons buttons, Icon icon,
                                   const QString& strTitle) {
    QMessageBox::Icon qIcon = QMessageBox::NoIcon;
    switch (icon) {
    case Icon::None:
        qIcon = QMessageBox::NoIcon;
        break;
    case Icon::Critical:
        qIcon = QMessageBox::Critical;
        break;
    case Icon::Question:
        qIcon = QMessageBox::Question;
        break;
    case Icon::Exclamation:
        qIcon = QMessageBox::Warning;
        break;
    case Icon::Information:
        qIcon = QMessageBox::Information;
        break;
    }
    QMessageBox box(qIcon, strTitle, strText,
                    buttons == Buttons::Ok ? QMessageBox::Ok : QMessageBox::Yes | QMessageBox::No,
                    m_pParent);
    int iResult = box.exec();
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return iResult == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

QString QtPrompts::SaveFileName(const QString& strTitle, const QString& strFilter) {
    return QFileDialog::getSaveFileName(m_pParent, strTitle, QString(), strFilter);
}

int QtPrompts::Exec(QDialog& dlg) {
    return dlg.exec();
}
