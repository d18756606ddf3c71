#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <QVariant>

class QPrinter;
class QWidget;

// What printing, the print preview and PDF files share: the printer set-up,
// the folder of the last PDF and the preview window's placement, both kept
// in the configuration file.
namespace Printing {

// A4 with margins of 10 mm on every side.
void setupPrinter(QPrinter *printer);

// The folder of the last PDF written; empty before the first.
QString pdfDirectory();
void setPdfDirectory(const QString &path);

// The preview's placement from the stored one on a screen of `screen`: a
// stored width of 0, or one at least as wide as the screen, becomes five
// eighths of the screen's width, and likewise the height; without a stored
// position the window is centred horizontally and placed a quarter of the
// free height from the top. A position that would put the window partly off
// the screen is moved back onto it.
QRect previewPlacement(const QSize &screen, int width, int height, const QVariant &left, const QVariant &top);
// Places `dialog` by the stored values on the primary screen.
void restorePreviewPlacement(QWidget *dialog);
void savePreviewPlacement(const QWidget *dialog);

} // namespace Printing
