// File names as the core opens them: UTF-8, from whichever Qt control the user picked them in,
// with the platform's own separators (Qt's dialogs and drops give "/" on Windows too, and the
// name is shown and printed as the user knows it).
#pragma once

#include <QDir>
#include <QString>

#include <string>

namespace osk {

inline std::string utf8FileName(const QString& name) {
    return QDir::toNativeSeparators(name).toUtf8().toStdString();
}

} // namespace osk
