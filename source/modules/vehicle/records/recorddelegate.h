#pragma once

#include <QSet>
#include <QStyledItemDelegate>

// Paints the cells of a record list, one way for every kind: dates in the
// configured format, amounts with two decimals and the currency's decimal
// mark, the text 5 pixels from the left and 10 from the right edge of its
// cell, centred unless the kind says otherwise.
//
// A selected row is filled with the highlight colour and written in white
// while its window is active, and filled with the background colour and
// written in the normal text colour otherwise, in every column alike.
class CRecordDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit CRecordDelegate(QObject *parent = nullptr);

    // The configured date format, read when the delegate is made.
    QString dateFormat() const { return m_dateFormat; }
    void setDateFormat(const QString &format) { m_dateFormat = format; }
    // Columns holding a stored date ("yyyy-MM-dd"), drawn right-aligned.
    void setDateColumns(const QList<int> &columns);
    // Columns holding an amount, drawn with two decimals.
    void setAmountColumns(const QList<int> &columns);
    // Columns of free text, drawn left-aligned.
    void setTextColumns(const QList<int> &columns);

    // The text painted for a cell of `column` holding `value`.
    virtual QString cellText(int column, const QVariant &value) const;
    // The text painted for the cell; kinds whose texts come from the whole
    // row make it here. The base gives cellText() of the cell's value.
    virtual QString rowText(const QModelIndex &index) const;
    // The colour of the cell's text where it is not written in white on the
    // selection; invalid (the base) for the normal text colour.
    virtual QColor textColor(const QModelIndex &index) const;
    // Two decimals, rounded half up, with the current currency's decimal mark.
    static QString amountText(double value);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    // The width sizeHint() gives for a cell of rowText() `text`, without the
    // style's layout of the cell.
    static int textWidth(const QFontMetrics &metrics, const QString &text);

protected:
    virtual Qt::Alignment alignment(int column) const;
    // Draws a cell that is not text (an icon, say) inside the selection
    // colours; false leaves the cell to the text painting.
    virtual bool paintContent(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const;

private:
    QString m_dateFormat;
    QSet<int> m_dateColumns;
    QSet<int> m_amountColumns;
    QSet<int> m_textColumns;
};
