#include "import/importer.h"

struct CImporter::Plan
{
};

int ImportPreview::totalToImport() const
{
    int total = 0;
    for (const ImportKindPreview &kind : kinds)
        total += kind.toImport;
    return total;
}

CImporter::CImporter(const ImportBatch &batch, const ImportTarget &target, const ImportSettings &settings)
    : m_batch(batch), m_target(target), m_settings(settings)
{
}

CImporter::Plan CImporter::plan() const
{
    return Plan();
}

ImportPreview CImporter::preview() const
{
    ImportPreview preview;
    preview.problems = m_batch.problems;
    return preview;
}

bool CImporter::run(const std::function<bool(int, int)> &progress, QString *error)
{
    Q_UNUSED(progress)
    if (error)
        *error = tr("Not available yet.");
    return false;
}

int CImporter::vehicleId() const
{
    return m_vehicleId;
}

QVector<int> CImporter::importedCounts() const
{
    return m_imported;
}
