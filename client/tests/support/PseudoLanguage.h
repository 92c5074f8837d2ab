#pragma once
// A language made from the translations' sources, to find texts the client shows that no
// translation can reach: every source text of a .ts file turned into its pseudo-translation,
// built into a .qm file with lrelease, and installed over everything else.
#include <QString>
#include <QStringList>

namespace pseudo {

// "[Ŝåvé Çĥåŕåçţéŕ ~~~~]" for "Save Character": every ASCII letter swapped for an accented one,
// the text bracketed and made about 40% longer; "%1", "%L1", "%n", "&" and what they stand
// before, and HTML tags, are kept as they are, so that the text still works as a template.
QString Translate(const QString& strSource);

// Whether a text the client shows holds English: a run of two or more ASCII letters outside what
// strData lists (the names, numbers and game terms that no translation changes).
bool HoldsEnglish(const QString& strShown, const QStringList& data);

// Builds the pseudo-language from the .ts file at strTs into strFolder and installs it; its
// texts are then what the client shows. False, with strWhy, when lrelease fails.
bool Install(const QString& strTs, const QString& strFolder, QString& strWhy);

// What of a text the client shows no translation can give: empty when the text is one of the
// sources of the .ts file at strTs (or an English plural form), its placeholders standing for
// anything, or is made of such sources joined by line breaks or two blanks, as the client joins
// whole sentences. A line that begins "- " is Qt's own (its SSL errors) and is passed over.
QString NotTranslatable(const QString& strShown, const QString& strTs);

} // namespace pseudo
