#pragma once

#include <QString>
#include <QStringList>

namespace CommandLine {

// "-update": install the update from the running program's folder.
QString updateSwitch();
// "-cleandf": delete the download folder, then start normally.
QString cleanDownloadsSwitch();

struct Switches
{
    bool update = false;
    bool cleanDownloads = false;

    // "-update" wins: with both, only the update is installed.
    bool installUpdate() const { return update; }
    bool cleanThenStart() const { return !update && cleanDownloads; }
};

// Looks at every argument, the program path included. An argument matches
// only as a whole and with the same letter case.
Switches match(const QStringList &arguments);

} // namespace CommandLine
