#pragma once

// Every modal dialog the program opens goes through here, so that a test can give the answer
// in advance (setNext...) instead of running a modal loop, and can read what was shown.

#include <QColor>
#include <QList>
#include <QMap>
#include <QMessageBox>
#include <QString>

class QWidget;

namespace Dialogs {

// The program's filters are written as "Name (*.a;*.b)|*.a;*.b|Any file (*.*)|*.*"; Qt wants
// "Name (*.a *.b);;Any file (*)". A filter already in Qt's form comes back unchanged.
QString QtFilter(const QString &filter);

QString getOpenFileName(QWidget *parent, const QString &caption, const QString &dir,
                        const QString &filter);
// The dialog does not ask before an existing file is named: a chosen page is modified, not
// replaced, and a design's name is settled (and asked about) by its caller.
QString getSaveFileName(QWidget *parent, const QString &caption, const QString &dir,
                        const QString &filter);
QString getExistingDirectory(QWidget *parent, const QString &title, const QString &dir);
// Returns false when the user cancels.
bool getColor(QWidget *parent, const QColor &initial, QColor *chosen);
// buttonTexts gives buttons captions of their own ("Overwrite" on Yes).
QMessageBox::StandardButton
message(QWidget *parent, const QString &caption, const QString &text, QMessageBox::Icon icon,
        QMessageBox::StandardButtons buttons,
        const QMap<QMessageBox::StandardButton, QString> &buttonTexts = {});

// Test seams: each answer is used once, by the next dialog of its kind. An empty file name or
// folder answers "cancel".
void setNextFileName(const QString &fileName);
void setNextDirectory(const QString &folder);
void setNextColor(const QColor &color, bool accepted = true);
void setNextAnswer(QMessageBox::StandardButton answer);

struct ShownMessage {
    QString caption;
    QString text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
};
// Messages shown since the last take (only recorded while an answer was queued or
// recording is on).
void setRecordMessages(bool on);
QList<ShownMessage> takeShownMessages();
// The directory/colour a dialog was opened with, for tests of "opens on the last colour".
QString lastDialogStartPath();
// The filter the last file dialog was given, in Qt's form.
QString lastDialogFilter();
QColor lastColorDialogInitial();

} // namespace Dialogs
