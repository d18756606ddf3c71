#pragma once

#include <QMessageBox>
#include <QString>

namespace Utility {

// Modal message box with `text`, `icon` and an OK button, titled with the
// application name. Goes through Utility::Prompt, so tests can answer it.
void showMessage(const QString &text, QMessageBox::Icon icon = QMessageBox::NoIcon);

} // namespace Utility
