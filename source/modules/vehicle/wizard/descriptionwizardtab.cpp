#include "modules/vehicle/wizard/descriptionwizardtab.h"

#include <QLabel>
#include <QPlainTextEdit>

CDescriptionWizardTab::CDescriptionWizardTab(QWidget *parent)
    : CNewVehicleWizardTab(parent)
    , descriptionCaption(new QLabel(this))
    , descriptionEdit(new QPlainTextEdit(this))
{
    setImage(QPixmap(QStringLiteral(":resource/icons/notes.png")));
    // Tab leaves the field; Return starts a new line there.
    descriptionEdit->setTabChangesFocus(true);
    addRow(descriptionCaption, descriptionEdit);
    setFirstEditor(descriptionEdit);
    retranslate();
}

void CDescriptionWizardTab::retranslate()
{
    setTitle(tr("Description"));
    setExplanation(tr("If you have some additional vehicle description enter it now"));
    descriptionCaption->setText(tr("Vehicle Description:"));
}

QString CDescriptionWizardTab::description() const
{
    return descriptionEdit->toPlainText();
}
