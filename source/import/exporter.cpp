#include "import/exporter.h"

#include "utility/clock.h"

#include <QDateTime>
#include <QStringList>

QStringList CExporter::fileNames()
{
    return {QStringLiteral("manifest.csv"),         QStringLiteral("vehicles.csv"),
            QStringLiteral("vehicle_types.csv"),    QStringLiteral("odometer.csv"),
            QStringLiteral("fuel.csv"),             QStringLiteral("service_sessions.csv"),
            QStringLiteral("service_items.csv"),    QStringLiteral("service_schedules.csv"),
            QStringLiteral("notes.csv"),            QStringLiteral("expenses.csv")};
}

QString CExporter::suggestedFileName()
{
    return QStringLiteral("garvo-export-%1.zip")
        .arg(Utility::Clock::now().toString(QStringLiteral("yyyyMMdd-HHmmss")));
}

bool CExporter::exportTo(const QString &zipPath, const QList<int> &vehicleIds, QString *error)
{
    Q_UNUSED(zipPath)
    Q_UNUSED(vehicleIds)
    if (error)
        *error = tr("Not available yet.");
    return false;
}
