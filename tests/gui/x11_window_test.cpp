// What the X server holds for the program's windows: the names window managers show
// (_NET_WM_NAME, read back with xprop) and where the start-up error box appears. Runs on the
// display of xvfb-run, not offscreen.

#include "gui_helpers.h"

#include "app/AppStart.h"
#include "app/Dialogs.h"
#include "app/ErrorGuard.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <functional>

using namespace GuiTest;

namespace {

// The window's _NET_WM_NAME as the X server has it.
QString netWmName(QWidget *window)
{
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"),
                {QStringLiteral("-id"), QString::number(window->winId()), QStringLiteral("-notype"),
                 QStringLiteral("_NET_WM_NAME")});
    if (!xprop.waitForFinished(10000) || xprop.exitCode() != 0)
        return QStringLiteral("(xprop failed: %1)").arg(xprop.errorString());
    // _NET_WM_NAME = "Confirm"
    const QString out = QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
    const qsizetype first = out.indexOf(QLatin1Char('"'));
    const qsizetype last = out.lastIndexOf(QLatin1Char('"'));
    return first >= 0 && last > first ? out.mid(first + 1, last - first - 1) : out;
}

struct ShownBox {
    QString name;
    QRect geometry;
};

// Runs action, which is expected to open a modal box; reads the box's name and place once it
// is on screen and closes it.
ShownBox modalBox(const std::function<void()> &action)
{
    ShownBox shown{QStringLiteral("(no box)"), {}};
    QTimer timer;
    timer.setInterval(20);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget *box = QApplication::activeModalWidget();
        if (!box || !box->isVisible() || !box->windowHandle() || !box->windowHandle()->isExposed())
            return;
        timer.stop();
        shown = ShownBox{netWmName(box), box->geometry()};
        if (auto *message = qobject_cast<QMessageBox *>(box); message && message->escapeButton())
            message->escapeButton()->click();
        else
            box->close();
    });
    timer.start();
    action();
    return shown;
}

} // namespace

class X11WindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        // The real boxes are shown and answered here, not recorded.
        Dialogs::setRecordMessages(false);
    }

    void everyTitleIsExactlyTheProgramsText()
    {
        ProgramFolder folder;
        folder.container(QStringLiteral("usr.stg"), {folder.png(QStringLiteral("u.png"), 20, 20)});
        auto w = openWindow(folder);
        QCOMPARE(netWmName(w.get()),
                 QStringLiteral("Vantelle Pro - popup wizard for your web pages"));

        const struct {
            const char *title;
            std::function<void()> open;
        } boxes[] = {
            {"Confirm",
             [&] { control<QAbstractButton>(w.get(), "DeleteUserPng_Simple")->click(); }},
            {"Vantelle Pro", [] { ShowErrorBox(QStringLiteral("Cannot open file")); }},
            {"Done",
             [&] {
                 control<QLineEdit>(w.get(), "SaveToFolder")->setText(folder.path("out"));
                 control<QAbstractButton>(w.get(), "SaveFiles")->click();
             }},
        };
        QVERIFY(control<QAbstractButton>(w.get(), "DeleteUserPng_Simple")->isEnabled());
        for (const auto &b : boxes)
            QCOMPARE(modalBox(b.open).name, QString::fromLatin1(b.title));
    }

    // Window managers and task bars show the icon the window carries.
    void theWindowCarriesTheProgramsIcon()
    {
        ProgramFolder folder;
        auto w = openWindow(folder);
        // The icon follows the window's first pixels.
        QTRY_VERIFY(!w->windowHandle()->icon().isNull());
        QProcess xprop;
        xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(w->winId()),
                                              QStringLiteral("_NET_WM_ICON")});
        QVERIFY(xprop.waitForFinished(10000));
        const QString out = QString::fromUtf8(xprop.readAllStandardOutput());
        QVERIFY2(out.contains(QStringLiteral("Icon (16 x 16)")) &&
                     out.contains(QStringLiteral("Icon (48 x 48)")),
                 qPrintable(out.split(QLatin1Char(0x0A))
                                .filter(QStringLiteral("Icon ("))
                                .join(QLatin1Char(0x20))));
    }

    void theStartUpErrorBoxIsCentredOverTheWindowsPlace()
    {
        ProgramFolder folder;
        // A template container that is damaged is told about while the window is made.
        folder.garbage(QStringLiteral("img.stg"));
        std::unique_ptr<TMainForm> w;
        const ShownBox box = modalBox([&] {
            SetInitialTitle();
            w = std::make_unique<TMainForm>(folder.path());
        });
        QVERIFY(box.geometry.isValid());
        // Qt puts a box a little above the centre, making room for a title bar it cannot see.
        const QPoint off = box.geometry.center() - w->geometry().center();
        QVERIFY2(qAbs(off.x()) <= 20 && qAbs(off.y()) <= 50,
                 qPrintable(QStringLiteral("box centre %1,%2 from the window's centre")
                                .arg(off.x())
                                .arg(off.y())));
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(w->geometry().center(), screen.center());
    }
};

VANTELLE_GUI_TEST_MAIN(X11WindowTest)
#include "x11_window_test.moc"
