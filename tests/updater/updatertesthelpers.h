#pragma once

#include "application/configuration.h"

#include <QDir>
#include <QDirIterator>
#include <QStringList>

// The configuration with the updater's group selected.
inline CConfiguration *updaterConfig()
{
    CConfiguration *config = CConfiguration::instance();
    config->setGroup(Config::Group::Updater);
    return config;
}

// Relative paths of every file below `root`, sorted.
inline QStringList filesBelow(const QString &root)
{
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(root).relativeFilePath(it.next());
    files.sort();
    return files;
}
