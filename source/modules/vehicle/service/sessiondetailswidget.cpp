#include "modules/vehicle/service/sessiondetailswidget.h"

#include "currency/currency.h"
#include "database/session.h"
#include "database/vehicle.h"
#include "modules/options/units.h"
#include "utility/utility.h"

#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

CSessionDetailsWidget::CSessionDetailsWidget(QWidget *parent)
    : CRecordDetailsWidget(parent), m_form(new QFormLayout), m_itemForm(new QFormLayout)
{
    m_dateCaption = new QLabel(this);
    m_date = addTextLabel(false);
    m_odometerCaption = new QLabel(this);
    m_odometer = addTextLabel(false);
    m_notesCaption = new QLabel(this);
    m_notes = addTextLabel(false);
    m_form->addRow(m_dateCaption, m_date);
    m_form->addRow(m_odometerCaption, m_odometer);
    m_form->addRow(m_notesCaption, m_notes);
    contentLayout()->addLayout(m_form);
    m_itemsCaption = new QLabel(this);
    contentLayout()->addWidget(m_itemsCaption);
    contentLayout()->addLayout(m_itemForm);
    m_total = addTitleLabel();
    contentLayout()->addStretch();
    retranslate();
}

void CSessionDetailsWidget::setRecord(const QSqlRecord &record)
{
    CSession session;
    session.load(record);
    const CVehicle vehicle(session.vehicleId());
    m_date->setText(session.date().toString(Utility::dateFormat()));
    m_odometer->setText(QStringLiteral("%1 %2").arg(session.odometer()).arg(vehicle.odometerUnitText()));
    const bool hasNotes = !session.description().trimmed().isEmpty();
    m_notes->setText(session.description());
    m_notesCaption->setVisible(hasNotes);
    m_notes->setVisible(hasNotes);
    m_totalCost = session.totalCost();

    while (m_itemForm->rowCount() > 0)
        m_itemForm->removeRow(0);
    const QList<CServiceItem> items = session.items();
    for (const CServiceItem &item : items) {
        QLabel *description = addTextLabel(false);
        description->setText(item.description());
        QLabel *cost = addTextLabel(false);
        cost->setText(currency()->format(item.cost()));
        cost->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_itemForm->addRow(description, cost);
    }
    m_itemsCaption->setVisible(!items.isEmpty());
    retranslate();
}

QStringList CSessionDetailsWidget::itemTexts() const
{
    QStringList texts;
    for (int row = 0; row < m_itemForm->rowCount(); ++row) {
        for (auto role : {QFormLayout::LabelRole, QFormLayout::FieldRole}) {
            if (QLayoutItem *item = m_itemForm->itemAt(row, role))
                texts << static_cast<QLabel *>(item->widget())->text();
        }
    }
    return texts;
}

void CSessionDetailsWidget::retranslate()
{
    m_dateCaption->setText(tr("Date:"));
    m_odometerCaption->setText(tr("Odometer:"));
    m_notesCaption->setText(tr("Notes:"));
    m_itemsCaption->setText(tr("Service items:"));
    m_total->setText(tr("Total cost: %1").arg(currency()->format(m_totalCost)));
    CRecordDetailsWidget::retranslate();
}

CNoSessionSelectedWidget::CNoSessionSelectedWidget(QWidget *parent)
    : CNoRecordSelectedWidget(QStringLiteral(":resource/icons/service-64.png"), parent)
{
    retranslate();
}

void CNoSessionSelectedWidget::retranslate()
{
    setText(tr("Select service to se it details"));
}
