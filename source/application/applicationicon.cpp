#include "application/applicationicon.h"

QString applicationDesktopId()
{
    return QStringLiteral("example.kestrelrow.garvo");
}

QIcon applicationIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/resource/icons/logo-32.png"));
    icon.addFile(QStringLiteral(":/resource/icons/logo-64.png"));
    icon.addFile(QStringLiteral(":/resource/icons/logo-128.png"));
    icon.addFile(QStringLiteral(":/resource/icons/logo-256.png"));
    return icon;
}
