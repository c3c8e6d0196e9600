#include "ui/framework/dictionary_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QString>

QString dictionaryBesideProgram() {
    return QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("dictionary.txt"));
}
