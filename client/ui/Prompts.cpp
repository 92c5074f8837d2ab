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
    QMessageBox::StandardButtons standard = QMessageBox::Ok;
    if (buttons == Buttons::YesNo)
        standard = QMessageBox::Yes | QMessageBox::No;
    else if (buttons == Buttons::SaveDiscardCancel)
        standard = QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
    QMessageBox box(qIcon, strTitle, strText, standard, m_pParent);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Save:
        return Answer::Save;
    case QMessageBox::Discard:
        return Answer::Discard;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        // Closing the box is its safe answer: No, or Cancel.
        if (buttons == Buttons::Ok)
            return Answer::Ok;
        return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
}

QString QtPrompts::SaveFileName(const QString& strTitle, const QString& strFilter) {
    return QFileDialog::getSaveFileName(m_pParent, strTitle, QString(), strFilter);
}

int QtPrompts::Exec(QDialog& dlg) {
    return dlg.exec();
}
