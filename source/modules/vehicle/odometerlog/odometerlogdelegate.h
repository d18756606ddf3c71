#pragma once

#include <QHash>
#include <QPixmap>
#include <QStyledItemDelegate>

// Paints the reading list: the parent kind as its icon, the date in the
// configured format, the description left-aligned, the rest centred.
class COdometerLogDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit COdometerLogDelegate(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // The configured date format, read when the list is built.
    QString dateFormat;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    // Fills a selected cell and picks the pen; true when selected.
    bool paintSelection(QPainter *painter, const QStyleOptionViewItem &option) const;
    const QPixmap &icon(int parentType) const;

    mutable QHash<int, QPixmap> icons;
};
