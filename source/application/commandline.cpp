#include "application/commandline.h"

namespace CommandLine {

QString updateSwitch()
{
    return QStringLiteral("-update");
}

QString cleanDownloadsSwitch()
{
    return QStringLiteral("-cleandf");
}

Switches match(const QStringList &arguments)
{
    Switches switches;
    switches.update = arguments.contains(updateSwitch(), Qt::CaseSensitive);
    switches.cleanDownloads = arguments.contains(cleanDownloadsSwitch(), Qt::CaseSensitive);
    return switches;
}

} // namespace CommandLine
