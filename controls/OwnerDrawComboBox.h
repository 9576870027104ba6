#pragma once

#include <QComboBox>
#include <QPainter>
#include <QRect>
#include <QStyle>

#include <functional>

// A drop-down list whose items its owner draws, each item drawHandler(painter, index, rect,
// state) both in the open list and in the closed box. Items carry their data as values
// (Qt::UserRole); their texts are never shown.
class TOwnerDrawComboBox : public QComboBox {
    Q_OBJECT
public:
    using DrawItemHandler = std::function<void(QPainter &, int index, const QRect &, QStyle::State)>;

    TOwnerDrawComboBox(QWidget *parent, const QString &objectName, int itemHeight, int visibleRows);

    DrawItemHandler drawItem;
    int itemHeight() const noexcept { return m_itemHeight; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_itemHeight;
};
