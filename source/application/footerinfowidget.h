#pragma once

#include <QWidget>

class QHBoxLayout;
class QLabel;

// The summary band a page places in the main window's footer bar.
class CFooterInfoWidget : public QWidget
{
    Q_OBJECT

public:
    explicit CFooterInfoWidget(QWidget *parent = nullptr);

    // Each label is shown only while its text is not empty.
    void setTitle(const QString &text);
    void setSubtitle(const QString &text);
    QString title() const;
    QString subtitle() const;
    // An empty path clears the icon; a taller picture is scaled down to 48.
    void setIcon(const QString &path);

    void addWidget(QWidget *widget);

private:
    QLabel *m_iconLabel = nullptr;
    QLabel *m_titleLabel = nullptr;
    QLabel *m_subtitleLabel = nullptr;
    QHBoxLayout *m_rightLayout = nullptr;
};
