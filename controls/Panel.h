#pragma once

#include <QFrame>
#include <QString>

// A plain panel with a caption and a tag, as the layout names them. The wizard pages are the
// window's direct children with a non-zero tag; group panels show their caption in a painted
// frame (StyleGroupPanel).
class TPanel : public QFrame {
    Q_OBJECT
public:
    explicit TPanel(QWidget *parent, const QString &objectName, const QString &caption = QString(),
                    int tag = 0)
        : QFrame(parent), m_caption(caption), m_tag(tag)
    {
        setObjectName(objectName);
    }

    const QString &caption() const noexcept { return m_caption; }
    void setCaption(const QString &caption) { m_caption = caption; update(); }
    int tag() const noexcept { return m_tag; }

private:
    QString m_caption;
    int m_tag;
};
