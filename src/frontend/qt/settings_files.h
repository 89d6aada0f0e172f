// The files beside the settings: what kind of thing a path names, the text of
// a settings file as far as it can be read cleanly, names for the copies kept
// aside, and the temporary files an interrupted write leaves behind.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace fw {

// "" for an ordinary file (a link to one included) or nothing at all; else
// what is there instead: "a folder", "a FIFO (a named pipe)", "a device", ...
QString NotAFile(const QString& path);

// A settings file's text with what cannot be read cleanly left out, and the
// first such thing ("line 3 is a comment"); problem is empty for a clean file.
// A UTF-8 byte-order mark starts an ordinary file; UTF-16 is turned into UTF-8.
struct CleanText {
    QByteArray text;
    QString problem;
};
CleanText CleanSettingsText(QByteArray bytes);

// A free name in folder for a copy kept aside: "Fruitwhirl-damaged-2024-06-07-183005.ini",
// then "...-183005-2.ini" and so on; never the name of something already there.
QString AsideName(const QString& folder, const QString& extension);

// Removes the temporary files that writes of name interrupted between writing
// and renaming left in folder (name.XXXXXX), when older than since.
void RemoveLeftovers(const QString& folder, const QString& name, const QDateTime& since);

}  // namespace fw
