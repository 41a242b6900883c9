#pragma once

#include <QList>
#include <QString>

namespace velmora::app {

// A file type the program declares it can be handed. Platforms without type
// and creator codes carry them only here.
struct FileType {
    QString name;       // the MIME type
    QString extensions; // ";"-separated, each with its leading dot
    QString typeCode;   // four characters
    QString creatorCode; // four characters
};

// The program's registered file types: one, plain text. The desktop entry
// installed with the program announces the same MIME type to the desktop.
struct FileTypes {
    static FileType pTextPlain;

    // Fills in pTextPlain and registers it, once per run.
    static void setUp();
    // What has been registered, in order.
    static const QList<FileType>& registered();
};

} // namespace velmora::app
