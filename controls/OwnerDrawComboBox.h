#pragma once

#include <QComboBox>
#include <QPainter>
#include <QRect>
#include <QStyle>

#include <functional>

// A drop-down list whose items its owner draws, each item drawHandler(painter, index, rect,
// state) both in the open list and in the closed box. Items carry their data as values
// (Qt::UserRole); their texts are never shown, so they hold what screen readers say for the
// items: the names itemName gives (set it before the items are added, or call NameItems after).
class TOwnerDrawComboBox : public QComboBox {
    Q_OBJECT
public:
    using DrawItemHandler =
        std::function<void(QPainter &, int index, const QRect &, QStyle::State)>;

    TOwnerDrawComboBox(QWidget *parent, const QString &objectName, int itemHeight, int visibleRows);

    DrawItemHandler drawItem;
    // The name of the item at index, from its place and its data; kept as the item's text
    // whenever an item is added or its data changes.
    std::function<QString(int index)> itemName;
    void NameItems();
    int itemHeight() const noexcept { return m_itemHeight; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_itemHeight;
};
