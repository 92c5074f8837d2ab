#include "WindowLayout.h"

#include <QSettings>

WindowLayout WindowLayout::Load(const QString& strFile) {
    QSettings file(strFile, QSettings::IniFormat);
    WindowLayout layout;
    layout.geometry = file.value(QStringLiteral("window/geometry")).toByteArray();
    layout.splitter = file.value(QStringLiteral("window/treeSheetSplitter")).toByteArray();
    return layout;
}

bool WindowLayout::Save(const QString& strFile) const {
    QSettings file(strFile, QSettings::IniFormat);
    file.setValue(QStringLiteral("window/geometry"), geometry);
    file.setValue(QStringLiteral("window/treeSheetSplitter"), splitter);
    file.sync();
    return file.status() == QSettings::NoError;
}
