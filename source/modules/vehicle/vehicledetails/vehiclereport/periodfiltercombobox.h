#pragma once

#include <QComboBox>
#include <QDate>
#include <QString>

// The report period list of a report page's header. It turns the chosen item
// into a start and an end date (both inclusive), tells its owner through
// filterSelected() and remembers the choice in the configuration file (group
// "reports", keys prefixed with the page's settings prefix), so that the page
// opens on the same period next time. "Custom" asks for both dates.
class CPeriodFilterComboBox : public QComboBox
{
    Q_OBJECT

public:
    // The list index of each item; the separator has no period.
    enum Item {
        ThisMonthItem = 0,
        LastMonthItem,
        LastThreeMonthsItem,
        LastSixMonthsItem,
        LastTwelveMonthsItem,
        ThisYearItem,
        LastYearItem,
        SeparatorItem,
        CustomItem,
    };

    // Restores the saved choice unless `settingsPrefix` is empty.
    explicit CPeriodFilterComboBox(QWidget *parent = nullptr, const QString &settingsPrefix = QString());

    QDate startDate() const { return m_startDate; }
    QDate endDate() const { return m_endDate; }
    // Widens "Last Three Months", and custom periods of 46 to 92 days, to
    // whole weeks from Monday to Sunday. A restored "Last Three Months" is
    // widened at once (and saved so), as it is when chosen.
    void setAlignToWeeks(bool align);
    bool alignToWeeks() const { return m_alignToWeeks; }

    void retranslateUi();

signals:
    // After every choice of the user, also a cancelled custom one.
    void filterSelected(const QDate &start, const QDate &end);

public slots:
    // Computes the period of the item at `index`, emits filterSelected() and
    // saves the choice.
    void slotFilterChanged(int index);

private:
    void restore();
    // Sets the period of a preset code on today.
    void applyPreset(int code);
    void save();
    QString key(QLatin1String field) const;

    QDate m_startDate;
    QDate m_endDate;
    QString m_settingsPrefix;
    bool m_alignToWeeks = false;
};
