#include "controls/Mnemonics.h"

#include <QAbstractButton>
#include <QLabel>

#include <algorithm>

namespace Mnemonics {

namespace {

void SetText(QWidget *widget, const QString &text)
{
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        button->setText(text);
    else if (auto *label = qobject_cast<QLabel *>(widget))
        label->setText(text);
}

// Where a mark for one of the free letters goes in text: before the first letter of a word
// first, else before any letter; -1 when every letter is taken.
qsizetype MarkPlace(const QString &text, const QString &taken)
{
    const auto free = [&](qsizetype i) {
        const QChar c = text[i];
        return c.isLetterOrNumber() && !taken.contains(c.toLower());
    };
    for (qsizetype i = 0; i < text.size(); ++i)
        if ((i == 0 || !text[i - 1].isLetterOrNumber()) && free(i))
            return i;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (free(i))
            return i;
    return -1;
}

} // namespace

QChar MarkedLetter(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return QChar();
}

QString MarkableText(const QWidget *widget)
{
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        if (label->buddy() && !label->text().isEmpty() && label->textFormat() != Qt::RichText)
            return label->text();
    return QString();
}

void Assign(const std::vector<QWidget *> &controls, QString &taken)
{
    // The letters the texts bring with them are theirs before any is handed out.
    for (const QWidget *control : controls) {
        const QChar marked = MarkedLetter(MarkableText(control));
        if (!marked.isNull() && !taken.contains(marked))
            taken += marked;
    }
    // Short texts have few letters to choose from: they choose first.
    std::vector<QWidget *> order = controls;
    const auto letters = [](const QWidget *control) {
        QString distinct;
        for (QChar c : MarkableText(control))
            if (c.isLetterOrNumber() && !distinct.contains(c.toLower()))
                distinct += c.toLower();
        return distinct.size();
    };
    std::stable_sort(order.begin(), order.end(),
                     [&](const QWidget *a, const QWidget *b) { return letters(a) < letters(b); });
    for (QWidget *control : order) {
        const QString text = MarkableText(control);
        if (text.isEmpty() || !MarkedLetter(text).isNull())
            continue;
        const qsizetype at = MarkPlace(text, taken);
        if (at < 0)
            continue;
        taken += text[at].toLower();
        SetText(control, text.left(at) + QLatin1Char('&') + text.mid(at));
    }
}

std::vector<QWidget *> MarkableControls(QWidget *root)
{
    std::vector<QWidget *> found;
    const auto add = [&](QWidget *widget) {
        if (!MarkableText(widget).isEmpty() &&
            std::find(found.begin(), found.end(), widget) == found.end())
            found.push_back(widget);
    };
    // Labels go where the control they name is in the chain.
    QList<QLabel *> labels = root->findChildren<QLabel *>();
    QWidget *widget = root;
    do {
        if (widget == root || root->isAncestorOf(widget)) {
            for (QLabel *label : labels)
                if (label->buddy() == widget)
                    add(label);
            add(widget);
        }
        widget = widget->nextInFocusChain();
    } while (widget && widget != root);
    for (QWidget *child : root->findChildren<QWidget *>())
        add(child);
    return found;
}

} // namespace Mnemonics
