#include "modules/vehicle/service/serviceitemdialog.h"

#include "database/serviceitem.h"
#include "widgets/numberedit.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CServiceItemDialog::CServiceItemDialog(QWidget *parent)
    : CEntryDialog(parent), m_descriptionLabel(new QLabel(this)), m_descriptionEdit(new QLineEdit(this)),
      m_costLabel(new QLabel(this)), m_costEdit(new CNumberEdit(2, this)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this))
{
    setWindowIcon(QIcon(QStringLiteral(":resource/icons/service-16.png")));
    auto *form = new QFormLayout;
    form->addRow(m_descriptionLabel, m_descriptionEdit);
    form->addRow(m_costLabel, m_costEdit);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(reasonLabel());
    layout->addWidget(m_buttons);
    // The dialog grows by the reason line when one is shown.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_descriptionEdit->setMinimumWidth(160);

    moveOnReturn({m_descriptionEdit, m_costEdit});
    connect(m_buttons, &QDialogButtonBox::accepted, this, &CServiceItemDialog::slotSave);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    retranslate();
}

bool CServiceItemDialog::editItem(QWidget *parent, CServiceItem &item)
{
    CServiceItemDialog dialog(parent);
    dialog.setItem(item);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.takeInto(item);
    return true;
}

void CServiceItemDialog::setItem(const CServiceItem &item)
{
    m_descriptionEdit->setText(item.description());
    if (item.id() != 0 || !item.description().isEmpty())
        m_costEdit->setValue(item.cost());
    else
        m_costEdit->clear();
    m_descriptionEdit->setFocus();
}

void CServiceItemDialog::takeInto(CServiceItem &item) const
{
    item.setDescription(m_descriptionEdit->text());
    item.setCost(m_cost);
}

void CServiceItemDialog::slotSave()
{
    beginChecks();
    check(m_descriptionLabel, m_descriptionEdit, !m_descriptionEdit->text().trimmed().isEmpty(),
          tr("Enter what was done"));
    QString reason;
    const std::optional<double> cost = m_costEdit->value(&reason);
    check(m_costLabel, m_costEdit, cost.has_value(), reason);
    if (!checksPassed())
        return;
    m_cost = *cost;
    accept();
}

void CServiceItemDialog::retranslate()
{
    setWindowTitle(tr("Service Log Item"));
    m_descriptionLabel->setText(tr("Description"));
    m_costLabel->setText(tr("Cost"));
    m_buttons->button(QDialogButtonBox::Save)->setText(tr("Save"));
    m_buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
}
