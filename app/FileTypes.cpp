#include "FileTypes.h"

namespace velmora::app {

FileType FileTypes::pTextPlain;

namespace {

QList<FileType>& registry()
{
    static QList<FileType> types;
    return types;
}

} // namespace

void FileTypes::setUp()
{
    if (!registry().isEmpty())
        return;
    pTextPlain = FileType{};
    pTextPlain.name = QStringLiteral("text/plain");
    pTextPlain.extensions = QStringLiteral(
        ".asc;.ascii;.bas;.c;.class;.cp;.cpp;.h;.hp;.hpp;.i3;.java;.m2;.m3;.mak;.text;.txt;.TRAW;.TRA");
    pTextPlain.typeCode = QStringLiteral("TEXT");
    pTextPlain.creatorCode = QStringLiteral("????");
    registry().append(pTextPlain);
}

const QList<FileType>& FileTypes::registered()
{
    return registry();
}

} // namespace velmora::app
