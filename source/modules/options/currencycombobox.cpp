#include "modules/options/currencycombobox.h"

#include "currency/currency.h"

CCurrencyComboBox::CCurrencyComboBox(QWidget *parent) : QComboBox(parent)
{
    const QStringList codes = ASCurrency::Currency::tableCodes();
    // The first row is the format sample, never offered.
    for (int row = 1; row < codes.size(); ++row)
        addItem(ASCurrency::Currency(codes.at(row)).displayText(), codes.at(row));
}

QString CCurrencyComboBox::currentCode() const
{
    return currentIndex() < 0 ? ASCurrency::Currency::NoCode : currentData().toString();
}

void CCurrencyComboBox::setCurrentCode(const QString &code)
{
    setCurrentIndex(findData(code, Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive));
}
