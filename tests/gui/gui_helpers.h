#pragma once

// Shared by the GUI tests: start the real window on a scratch program folder, find its controls
// by name, and make small picture files and containers.

#include "app/MainWindow.h"

#include <QApplication>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace GuiTest {

// Before QApplication: the process set-up of the program entry.
void PrepareProcess();

// A scratch program folder: containers, the marker file and Resources/ go here.
class ProgramFolder {
public:
    ProgramFolder();
    QString path(const QString &name = QString()) const;
    // An opaque PNG of width x height in one colour; returns its path.
    QString png(const QString &name, int width, int height, QColor color = QColor(30, 90, 200));
    // A file whose bytes are not a picture.
    QString garbage(const QString &name);
    // Writes a container from the given source files (in order).
    void container(const QString &name, const QStringList &sources);
    QByteArray bytes(const QString &name) const;
    bool isValid() const { return m_dir.isValid(); }

private:
    QTemporaryDir m_dir;
};

// Starts the window the way the program does (placeholder title first), shown and exposed.
std::unique_ptr<TMainForm> openWindow(const ProgramFolder &folder);

// The control named name of type T inside root; a missing one fails the test with its name.
template <class T> T *control(QWidget *root, const char *name)
{
    T *found = root->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("control %s not found", name);
    return found;
}

// Colour of one pixel of a widget as it is painted now.
QColor pixelOf(QWidget *widget, int x, int y);

} // namespace GuiTest

// main() for a GUI test: the program's process set-up before QApplication, then QtTest.
#define VANTELLE_GUI_TEST_MAIN(TestClass)                                                          \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        GuiTest::PrepareProcess();                                                                 \
        QApplication app(argc, argv);                                                              \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
