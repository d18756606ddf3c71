#include "modules/report/printing.h"

#include "application/configuration.h"

#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace Printing {

void setupPrinter(QPrinter *printer)
{
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageMargins(QMarginsF(10.0, 10.0, 10.0, 10.0), QPageLayout::Millimeter);
}

QString pdfDirectory()
{
    CConfiguration *config = CConfiguration::instance();
    config->setGroup(Config::Group::Main);
    return config->value(Config::Key::PdfDirectoryPath, QString()).toString();
}

void setPdfDirectory(const QString &path)
{
    CConfiguration *config = CConfiguration::instance();
    config->setGroup(Config::Group::Main);
    config->setValue(Config::Key::PdfDirectoryPath, path);
}

QRect previewPlacement(const QSize &screen, int width, int height, const QVariant &left, const QVariant &top)
{
    if (width <= 0 || width >= screen.width())
        width = screen.width() * 5 / 8;
    if (height <= 0 || height >= screen.height())
        height = screen.height() * 5 / 8;
    bool ok = false;
    int x = left.toInt(&ok);
    if (!ok)
        x = (screen.width() - width) / 2;
    int y = top.toInt(&ok);
    if (!ok)
        y = (screen.height() - height) / 4;
    x = std::clamp(x, 0, screen.width() - width);
    y = std::clamp(y, 0, screen.height() - height);
    return QRect(x, y, width, height);
}

void restorePreviewPlacement(QWidget *dialog)
{
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    CConfiguration *config = CConfiguration::instance();
    config->setGroup(Config::Group::PrintPreviewDialog);
    const QRect placement = previewPlacement(screen->geometry().size(), config->value(Config::Key::Width).toInt(),
                                             config->value(Config::Key::Height).toInt(),
                                             config->value(Config::Key::Left), config->value(Config::Key::Top));
    dialog->resize(placement.size());
    dialog->move(placement.topLeft());
}

void savePreviewPlacement(const QWidget *dialog)
{
    CConfiguration *config = CConfiguration::instance();
    config->setGroup(Config::Group::PrintPreviewDialog);
    config->setValue(Config::Key::Top, dialog->y());
    config->setValue(Config::Key::Left, dialog->x());
    config->setValue(Config::Key::Width, dialog->width());
    config->setValue(Config::Key::Height, dialog->height());
}

} // namespace Printing
