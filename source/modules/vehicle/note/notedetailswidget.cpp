#include "modules/vehicle/note/notedetailswidget.h"

#include "database/note.h"
#include "utility/utility.h"
#include "widgets/separatorwidget.h"

#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

CNoteDetailsWidget::CNoteDetailsWidget(QWidget *parent) : CRecordDetailsWidget(parent)
{
    m_title = addTitleLabel();
    m_date = addTextLabel();
    contentLayout()->addWidget(new CSeparatorWidget(CSeparatorWidget::Horizontal, this));
    auto *scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    m_description = addTextLabel(false);
    m_description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    scroll->setWidget(m_description);
    contentLayout()->addWidget(scroll, 1);
    contentLayout()->addWidget(new CSeparatorWidget(CSeparatorWidget::Horizontal, this));
}

void CNoteDetailsWidget::setRecord(const QSqlRecord &record)
{
    CNote note;
    note.load(record);
    m_title->setText(note.title());
    m_date->setText(note.date().toString(Utility::dateFormat()));
    m_description->setText(note.description());
}

CNoNoteSelectedWidget::CNoNoteSelectedWidget(QWidget *parent)
    : CNoRecordSelectedWidget(QStringLiteral(":resource/icons/notes-64.png"), parent)
{
    retranslate();
}

void CNoNoteSelectedWidget::retranslate()
{
    setText(tr("Select note to see it details"));
}
