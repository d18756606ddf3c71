#include "modules/options/currencygroupbox.h"

#include "currency/currency.h"
#include "database/settings.h"
#include "modules/options/currencycombobox.h"
#include "modules/options/retranslatehook.h"
#include "modules/options/units.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
const QString currencyKey = QStringLiteral("currency");
}

CCurrencyGroupBox::CCurrencyGroupBox(QWidget *parent)
    : CGroupBox(parent)
    , label(new QLabel(this))
    , currencyComboBox(new CCurrencyComboBox(this))
{
    currencyComboBox->setEditable(false);
    currencyComboBox->setMinimumWidth(150);

    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(label);
    row->addWidget(currencyComboBox);
    row->addStretch();

    auto *boxLayout = new QVBoxLayout;
    addLayout(boxLayout);
    boxLayout->setContentsMargins(15, 10, 15, 10);
    boxLayout->addLayout(row);

    connect(currencyComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &CCurrencyGroupBox::slotCurrencyChanged);
    retranslateUi();
}

void CCurrencyGroupBox::retranslateUi()
{
    setTitle(tr("Currency"));
    label->setText(tr("Select your currency") + QLatin1Char(':'));
}

void CCurrencyGroupBox::slotCurrencyChanged(int index)
{
    Q_UNUSED(index)
    if (loading)
        return;
    const QString code = currencyComboBox->currentCode();
    if (code == ASCurrency::Currency::NoCode)
        return;
    if (CSettings *settings = CSettings::instance())
        settings->setValue(currencyKey, code);
    currency(code);
    requestRetranslateAll();
}

void CCurrencyGroupBox::showEvent(QShowEvent *event)
{
    loading = true;
    const CSettings *settings = CSettings::instance();
    const QString stored = settings ? settings->value(currencyKey, QStringLiteral("USD")).toString()
                                    : QStringLiteral("USD");
    currencyComboBox->setCurrentCode(stored);
    loading = false;
    CGroupBox::showEvent(event);
}
