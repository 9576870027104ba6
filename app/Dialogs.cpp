#include "app/Dialogs.h"

#include <QAbstractButton>
#include <QColorDialog>
#include <QFileDialog>

#include <optional>
#include <utility>

namespace {

// Answers queued by tests; each is used by the next dialog of its kind.
struct Seams {
    std::optional<QString> fileName;
    std::optional<QString> directory;
    std::optional<std::pair<QColor, bool>> color;
    std::optional<QMessageBox::StandardButton> answer;
    bool record = false;
    QList<Dialogs::ShownMessage> shown;
    QString lastStartPath;
    QString lastFilter;
    QColor lastColorInitial;
};

Seams &seams()
{
    static Seams s;
    return s;
}

} // namespace

namespace Dialogs {

QString QtFilter(const QString &filter)
{
    if (!filter.contains(QLatin1Char('|')))
        return filter;
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString &part : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString pattern = part.trimmed();
            // "*.*" means every file where these filters come from; here it would ask for a dot,
            // and Qt would put ".*" on a typed name.
            patterns << (pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern);
        }
        patterns.removeDuplicates();
        // Qt reads the patterns from the parentheses of the name and splits them only at
        // blanks, so the name's own list is written again from the patterns.
        QString name = parts[i].trimmed();
        const qsizetype open = name.lastIndexOf(QLatin1Char('('));
        if (open >= 0 && name.endsWith(QLatin1Char(')')))
            name = name.left(open).trimmed();
        out << name + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return out.join(QStringLiteral(";;"));
}

QString getOpenFileName(QWidget *parent, const QString &caption, const QString &dir,
                        const QString &filter)
{
    seams().lastStartPath = dir;
    seams().lastFilter = QtFilter(filter);
    if (auto answer = std::exchange(seams().fileName, std::nullopt))
        return *answer;
    return QFileDialog::getOpenFileName(parent, caption, dir, QtFilter(filter));
}

QString getSaveFileName(QWidget *parent, const QString &caption, const QString &dir,
                        const QString &filter)
{
    seams().lastStartPath = dir;
    seams().lastFilter = QtFilter(filter);
    if (auto answer = std::exchange(seams().fileName, std::nullopt))
        return *answer;
    return QFileDialog::getSaveFileName(parent, caption, dir, QtFilter(filter), nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

QString getExistingDirectory(QWidget *parent, const QString &title, const QString &dir)
{
    seams().lastStartPath = dir;
    if (auto answer = std::exchange(seams().directory, std::nullopt))
        return *answer;
    return QFileDialog::getExistingDirectory(parent, title, dir);
}

bool getColor(QWidget *parent, const QColor &initial, QColor *chosen)
{
    seams().lastColorInitial = initial;
    if (auto answer = std::exchange(seams().color, std::nullopt)) {
        if (answer->second && chosen)
            *chosen = answer->first;
        return answer->second;
    }
    const QColor color = QColorDialog::getColor(initial, parent);
    if (!color.isValid())
        return false;
    if (chosen)
        *chosen = color;
    return true;
}

QMessageBox::StandardButton message(QWidget *parent, const QString &caption, const QString &text,
                                    QMessageBox::Icon icon, QMessageBox::StandardButtons buttons,
                                    const QMap<QMessageBox::StandardButton, QString> &buttonTexts)
{
    auto queued = std::exchange(seams().answer, std::nullopt);
    if (queued || seams().record)
        seams().shown.append(ShownMessage{caption, text, icon, buttons});
    if (queued)
        return *queued;
    if (seams().record) {
        // Recording without an answer means a test is running: take the answer that changes
        // nothing rather than block in a modal loop.
        for (QMessageBox::StandardButton b :
             {QMessageBox::Ok, QMessageBox::No, QMessageBox::Cancel})
            if (buttons.testFlag(b))
                return b;
        return QMessageBox::NoButton;
    }
    QMessageBox box(icon, caption, text, buttons, parent);
    for (auto it = buttonTexts.cbegin(); it != buttonTexts.cend(); ++it)
        if (QAbstractButton *button = box.button(it.key()))
            button->setText(it.value());
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void setNextFileName(const QString &fileName)
{
    seams().fileName = fileName;
}
void setNextDirectory(const QString &folder)
{
    seams().directory = folder;
}
void setNextColor(const QColor &color, bool accepted)
{
    seams().color = std::make_pair(color, accepted);
}
void setNextAnswer(QMessageBox::StandardButton answer)
{
    seams().answer = answer;
}
void setRecordMessages(bool on)
{
    seams().record = on;
}

QList<ShownMessage> takeShownMessages()
{
    return std::exchange(seams().shown, {});
}
QString lastDialogStartPath()
{
    return seams().lastStartPath;
}
QString lastDialogFilter()
{
    return seams().lastFilter;
}
QColor lastColorDialogInitial()
{
    return seams().lastColorInitial;
}

} // namespace Dialogs
