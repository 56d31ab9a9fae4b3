// File names as the core opens them: UTF-8, from whichever Qt control the user picked them in.
#pragma once

#include <QString>

#include <string>

namespace osk {

inline std::string utf8FileName(const QString& name) {
    return name.toUtf8().toStdString();
}

} // namespace osk
