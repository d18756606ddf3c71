#include "modules/vehicle/vehicledetails/vehiclereport/customperiodfilterdialog.h"

#include "application/mainwindow.h"
#include "utility/utility.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

CCustomPeriodFilterDialog::CCustomPeriodFilterDialog(QWidget *parent)
    : CDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint)
    , m_startLabel(new QLabel(this))
    , m_startEdit(new QDateEdit(this))
    , m_endLabel(new QLabel(this))
    , m_endEdit(new QDateEdit(this))
    , m_buttonBox(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    for (QLabel *label : {m_startLabel, m_endLabel}) {
        label->setObjectName(QStringLiteral("QLabel"));
        label->setStyleSheet(QString());
    }
    const QString format = Utility::dateFormat();
    for (QDateEdit *edit : {m_startEdit, m_endEdit}) {
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(format);
        connect(edit, &QDateEdit::dateChanged, this, &CCustomPeriodFilterDialog::updateState);
    }

    auto *form = new QFormLayout;
    form->setContentsMargins(0, 0, 0, 0);
    form->setSpacing(9);
    form->addRow(m_startLabel, m_startEdit);
    form->addRow(m_endLabel, m_endEdit);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(9, 9, 9, 7);
    layout->addLayout(form);
    layout->addStretch();
    layout->addSpacing(12);
    layout->addWidget(m_buttonBox);

    connect(m_buttonBox, &QDialogButtonBox::accepted, this, &CCustomPeriodFilterDialog::slotSave);
    connect(m_buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    retranslateUi();
    // Wider than 260 only when a long date format would not fit.
    setFixedSize(qMax(260, sizeHint().width()), 145);
}

bool CCustomPeriodFilterDialog::getPeriod(QDate &start, QDate &end)
{
    CCustomPeriodFilterDialog dialog(CMainWindow::instance());
    dialog.setPeriod(start, end);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    start = dialog.startDate();
    end = dialog.endDate();
    return true;
}

void CCustomPeriodFilterDialog::setPeriod(const QDate &start, const QDate &end)
{
    m_startEdit->setDate(start);
    m_endEdit->setDate(end);
    updateState();
}

QDate CCustomPeriodFilterDialog::startDate() const
{
    return m_startEdit->date();
}

QDate CCustomPeriodFilterDialog::endDate() const
{
    return m_endEdit->date();
}

void CCustomPeriodFilterDialog::slotSave()
{
    if (periodInOrder())
        accept();
}

void CCustomPeriodFilterDialog::retranslateUi()
{
    setWindowTitle(tr("Select period"));
    m_startLabel->setText(tr("Start:"));
    m_endLabel->setText(tr("End:"));
}

bool CCustomPeriodFilterDialog::periodInOrder() const
{
    return m_endEdit->date() >= m_startEdit->date();
}

void CCustomPeriodFilterDialog::updateState()
{
    const bool inOrder = periodInOrder();
    m_buttonBox->button(QDialogButtonBox::Ok)->setEnabled(inOrder);
    // The object name selects the application's error style.
    m_endLabel->setObjectName(inOrder ? QStringLiteral("QLabel") : QStringLiteral("errorLabel"));
    m_endLabel->setToolTip(inOrder ? QString() : tr("The end of the period can't be before its start."));
    m_endLabel->style()->unpolish(m_endLabel);
    m_endLabel->style()->polish(m_endLabel);
}
