// Starting the window and walking pages 1 to 3 load no GL: the shared GL context the browser
// engine needs is made only when its module loads.

#include "gui_helpers.h"

#include <QOpenGLContext>
#include <QWidget>

// Qt's shared GL context (declared only in its private headers).
Q_GUI_EXPORT QOpenGLContext *qt_gl_global_share_context();

using namespace GuiTest;

class StartupGlTest : public QObject {
    Q_OBJECT

private slots:
    void pagesOneToThreeLoadNoGl()
    {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("the browser engine does not start in the sanitizer build");
#endif
        ProgramFolder program;
        program.container(QStringLiteral("img.stg"),
                          {program.png(QStringLiteral("1.png"), 64, 64)});
        std::unique_ptr<TMainForm> form = openWindow(program);
        form->PreviewWarmUpDelay = -1;
        form->ShowPage(2);
        form->ShowPage(3);
        QVERIFY(!qt_gl_global_share_context());
    }
};

int main(int argc, char *argv[])
{
    GuiTest::PrepareProcess();
    QApplication app(argc, argv);
    StartupGlTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "startup_gl_test.moc"
