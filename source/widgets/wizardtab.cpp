#include "widgets/wizardtab.h"

#include <QKeyEvent>
#include <QPainter>

CWizardTab::CWizardTab(QWidget *parent) : QGroupBox(parent) {}

bool CWizardTab::activatePage(bool forward)
{
    Q_UNUSED(forward)
    return true;
}

bool CWizardTab::validatePage()
{
    return true;
}

void CWizardTab::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        if (lastPage)
            emit finish();
        else
            emit next();
        return;
    }
    QGroupBox::keyPressEvent(event);
}

void CWizardTab::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QColor(QStringLiteral("#C6C6C6")));
        painter.setBrush(QColor(QStringLiteral("#EBEBEB")));
        painter.drawRoundedRect(QRectF(0, 0, width() - 2, height() - 2), 3, 3);
    }
    QGroupBox::paintEvent(event);
}
