#pragma once
// How the user left the main window: its size and place, and where the splitter between the
// tree and the character sheet stands. Kept in a file of its own beside the settings file, so
// that zorv.ini keeps its format.
#include <QByteArray>
#include <QString>

struct WindowLayout {
    QByteArray geometry; // as the window saves it; empty until the first close
    QByteArray splitter; // as the splitter saves it; empty until the first close

    // Missing or unreadable files leave the layout empty.
    static WindowLayout Load(const QString& strFile);
    bool Save(const QString& strFile) const;
};
