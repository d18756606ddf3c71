#include "modules/vehicle/vehicledetails/vehiclereport/periodfiltercombobox.h"

#include "application/configuration.h"
#include "modules/vehicle/vehicledetails/vehiclereport/customperiodfilterdialog.h"
#include "reports/reportperiod.h"
#include "utility/clock.h"

namespace {

const QString DayFormat = QStringLiteral("yyyy-MM-dd");

} // namespace

CPeriodFilterComboBox::CPeriodFilterComboBox(QWidget *parent, const QString &settingsPrefix)
    : QComboBox(parent), m_settingsPrefix(settingsPrefix)
{
    const int codes[] = {CReportPeriod::ThisMonth,        CReportPeriod::LastMonth, CReportPeriod::LastThreeMonths,
                         CReportPeriod::LastSixMonths,    CReportPeriod::LastTwelveMonths,
                         CReportPeriod::ThisYear,         CReportPeriod::LastYear};
    for (int code : codes)
        addItem(QString(), code);
    insertSeparator(SeparatorItem);
    addItem(QString(), int(CReportPeriod::Custom));
    retranslateUi();

    if (!m_settingsPrefix.isEmpty())
        restore();
    else
        slotFilterChanged(LastSixMonthsItem);
    connect(this, QOverload<int>::of(&QComboBox::activated), this, &CPeriodFilterComboBox::slotFilterChanged);
    setMinimumHeight(24);
    setMinimumWidth(120);
}

void CPeriodFilterComboBox::setAlignToWeeks(bool align)
{
    if (align == m_alignToWeeks)
        return;
    m_alignToWeeks = align;
    const int code = currentData().toInt();
    if (code != 0 && code != CReportPeriod::Custom) {
        applyPreset(code);
        save();
    }
}

void CPeriodFilterComboBox::applyPreset(int code)
{
    const CReportPeriod period = CReportPeriod::preset(code, Utility::Clock::today(), m_alignToWeeks);
    m_startDate = period.start;
    m_endDate = period.end;
}

void CPeriodFilterComboBox::retranslateUi()
{
    setItemText(ThisMonthItem, tr("This Month"));
    setItemText(LastMonthItem, tr("Last Month"));
    setItemText(LastThreeMonthsItem, tr("Last Three Months"));
    setItemText(LastSixMonthsItem, tr("Last Six Months"));
    setItemText(LastTwelveMonthsItem, tr("Last Twelve Months"));
    setItemText(ThisYearItem, tr("This Year"));
    setItemText(LastYearItem, tr("Last Year"));
    setItemText(CustomItem, tr("Custom"));
}

QString CPeriodFilterComboBox::key(QLatin1String field) const
{
    return m_settingsPrefix + field;
}

void CPeriodFilterComboBox::restore()
{
    CConfiguration *config = CConfiguration::instance();
    config->setGroup(Config::Group::Reports);
    int index = config->value(key(Config::Key::PeriodType), int(LastSixMonthsItem)).toInt();
    // A damaged value (the separator, or no item at all) is read as the default.
    if (index < 0 || index >= count() || index == SeparatorItem)
        index = LastSixMonthsItem;
    setCurrentIndex(index);
    if (index != CustomItem) {
        slotFilterChanged(index);
        return;
    }
    // A saved date that does not read back takes the default of its key.
    const QDate today = Utility::Clock::today();
    const auto savedDate = [config, this](QLatin1String field, const QDate &fallback) {
        const QDate date = QDate::fromString(config->value(key(field)).toString(), DayFormat);
        return date.isValid() ? date : fallback;
    };
    m_startDate = savedDate(Config::Key::StartDate, today.addMonths(-6));
    m_endDate = savedDate(Config::Key::EndDate, today);
}

void CPeriodFilterComboBox::save()
{
    if (m_settingsPrefix.isEmpty())
        return;
    CConfiguration *config = CConfiguration::instance();
    config->setGroup(Config::Group::Reports);
    config->setValue(key(Config::Key::PeriodType), currentIndex());
    config->setValue(key(Config::Key::StartDate), m_startDate.toString(DayFormat));
    config->setValue(key(Config::Key::EndDate), m_endDate.toString(DayFormat));
}

void CPeriodFilterComboBox::slotFilterChanged(int index)
{
    const int code = itemData(index).toInt();
    if (code == CReportPeriod::Custom) {
        QDate start = m_startDate;
        QDate end = m_endDate;
        if (CCustomPeriodFilterDialog::getPeriod(start, end)) {
            const CReportPeriod period = CReportPeriod::custom(start, end, m_alignToWeeks);
            m_startDate = period.start;
            m_endDate = period.end;
        }
    } else if (code != 0) {
        applyPreset(code);
    } else {
        return;
    }
    emit filterSelected(m_startDate, m_endDate);
    save();
}
