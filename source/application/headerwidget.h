#pragma once

#include "widgets/widgetwithbackground.h"

class QHBoxLayout;
class QLabel;
class QToolButton;

// The title band at the top of a page: an optional home button, an icon, a
// title with a subtitle, and room on the right for page-specific widgets.
class CHeaderWidget : public CWidgetWithBackground
{
    Q_OBJECT

public:
    explicit CHeaderWidget(QWidget *parent = nullptr);

    // Each label is shown only while its text is not empty.
    void setTitle(const QString &text);
    void setSubtitle(const QString &text);
    QString title() const;
    QString subtitle() const;
    // The picture, scaled to height 32, as the icon and the home button's icon.
    void setIcon(const QString &path);
    void addWidget(QWidget *widget);

    // The module the home button activates (0: none).
    void setHomeModuleId(int id) { m_homeModuleId = id; }
    int homeModuleId() const { return m_homeModuleId; }
    // The home button's text; "Home" while empty.
    void setHomeText(const QString &text);
    // The home button is hidden until a page shows it.
    QToolButton *homeButton() const { return m_homeButton; }

    void retranslate();

public slots:
    // Activates the home module when it is set.
    virtual void slotGoHome();

signals:
    void goHome();

private:
    int m_homeModuleId = 0;
    QString m_homeText;
    QToolButton *m_homeButton = nullptr;
    QLabel *m_iconLabel = nullptr;
    QLabel *m_titleLabel = nullptr;
    QLabel *m_subtitleLabel = nullptr;
    QHBoxLayout *m_rightLayout = nullptr;
};
