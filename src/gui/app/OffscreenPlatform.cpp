#include "app/OffscreenPlatform.h"

#include <QByteArray>
#include <QDir>
#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace osk {

void useOffscreenPlatform() {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef Q_OS_WIN
    if (qEnvironmentVariableIsSet("QT_QPA_FONTDIR"))
        return;
    wchar_t windows[MAX_PATH];
    const UINT length = GetWindowsDirectoryW(windows, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return;
    const QString fonts = QString::fromWCharArray(windows, static_cast<qsizetype>(length)) +
                          QStringLiteral("\\Fonts");
    qputenv("QT_QPA_FONTDIR", QDir::toNativeSeparators(fonts).toLocal8Bit());
#endif
}

} // namespace osk
