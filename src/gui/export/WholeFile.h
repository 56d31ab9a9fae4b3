// Writing a file whole or not at all: the bytes go to a temporary file in the same folder,
// which takes the file's name only once everything is written.
#pragma once

#include <QByteArray>
#include <QString>

namespace osk {

// Returns an error text, empty on success; on failure the folder is left as it was.
QString writeWholeFile(const QString& path, const QByteArray& bytes);

} // namespace osk
