#pragma once

#include "import/importreader.h"

#include <QCoreApplication>

// The reader of each source; ImportFormats holds one of each.

class FuelioReader : public ImportReader
{
    Q_DECLARE_TR_FUNCTIONS(FuelioReader)
public:
    QString sourceName() const override { return QStringLiteral("Fuelio"); }
    bool recognises(const QString &path) const override;
    bool read(const QStringList &paths, const ImportSettings &settings, ImportBatch *batch,
              QString *error) const override;
};

class DrivvoReader : public ImportReader
{
    Q_DECLARE_TR_FUNCTIONS(DrivvoReader)
public:
    QString sourceName() const override { return QStringLiteral("Drivvo"); }
    bool recognises(const QString &path) const override;
    bool read(const QStringList &paths, const ImportSettings &settings, ImportBatch *batch,
              QString *error) const override;
};

class FuellyReader : public ImportReader
{
    Q_DECLARE_TR_FUNCTIONS(FuellyReader)
public:
    QString sourceName() const override { return QStringLiteral("Fuelly"); }
    bool recognises(const QString &path) const override;
    bool read(const QStringList &paths, const ImportSettings &settings, ImportBatch *batch,
              QString *error) const override;
};

class ACarReader : public ImportReader
{
    Q_DECLARE_TR_FUNCTIONS(ACarReader)
public:
    QString sourceName() const override { return QStringLiteral("aCar"); }
    bool recognises(const QString &path) const override;
    bool read(const QStringList &paths, const ImportSettings &settings, ImportBatch *batch,
              QString *error) const override;
};

class LubeLoggerReader : public ImportReader
{
    Q_DECLARE_TR_FUNCTIONS(LubeLoggerReader)
public:
    QString sourceName() const override { return QStringLiteral("LubeLogger"); }
    bool recognises(const QString &path) const override;
    bool read(const QStringList &paths, const ImportSettings &settings, ImportBatch *batch,
              QString *error) const override;
};

class GarvoExportReader : public ImportReader
{
    Q_DECLARE_TR_FUNCTIONS(GarvoExportReader)
public:
    QString sourceName() const override { return QStringLiteral("Garvo export"); }
    bool recognises(const QString &path) const override;
    bool read(const QStringList &paths, const ImportSettings &settings, ImportBatch *batch,
              QString *error) const override;
};
