#include "controls/OwnerDrawComboBox.h"

#include <QAbstractItemView>
#include <QStyleOptionComboBox>
#include <QStyledItemDelegate>
#include <QStylePainter>

namespace {

class OwnerDrawDelegate : public QStyledItemDelegate {
public:
    explicit OwnerDrawDelegate(TOwnerDrawComboBox *box) : QStyledItemDelegate(box), m_box(box) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        if (!m_box->drawItem) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        painter->save();
        painter->setClipRect(option.rect);
        m_box->drawItem(*painter, index.row(), option.rect, option.state);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(m_box->itemHeight());
        return size;
    }

private:
    TOwnerDrawComboBox *m_box;
};

} // namespace

TOwnerDrawComboBox::TOwnerDrawComboBox(QWidget *parent, const QString &objectName, int itemHeight,
                                       int visibleRows)
    : QComboBox(parent), m_itemHeight(itemHeight)
{
    setObjectName(objectName);
    setEditable(false);
    setMaxVisibleItems(visibleRows);
    setItemDelegate(new OwnerDrawDelegate(this));
}

void TOwnerDrawComboBox::paintEvent(QPaintEvent *event)
{
    if (!drawItem) {
        QComboBox::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                QStyle::SC_ComboBoxEditField, this);
    if (currentIndex() >= 0) {
        painter.save();
        painter.setClipRect(field);
        drawItem(painter, currentIndex(), field, QStyle::State_Enabled);
        painter.restore();
    }
}
