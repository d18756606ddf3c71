#include "utility/message.h"

#include "utility/prompt.h"

#include <QCoreApplication>

namespace Utility {

void showMessage(const QString &text, QMessageBox::Icon icon)
{
    Prompt::message(nullptr, icon, QCoreApplication::applicationName(), text);
}

} // namespace Utility
