// Designs in the real window: Save design and Open design restore every page, unsaved changes
// are never dropped without asking, a published page opens its design and Add popup writes it
// back unchanged, undo and redo walk the designer's steps, and a killed program's design comes
// back from the recovery file.

#include "app/AppStart.h"
#include "app/Dialogs.h"
#include "app/TemplatePage.h"
#include "base/FileStorage.h"
#include "base/PictureBase.h"
#include "controls/OwnerDrawComboBox.h"
#include "controls/PaintBox.h"
#include "controls/TemplateGrid.h"
#include "document/DesignFile.h"
#include "gui_helpers.h"

#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <csignal>
#include <cstdio>
#include <functional>

using namespace GuiTest;

namespace {

QByteArray Read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void Write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QImage Render(TMainForm &form)
{
    form.Designer->RenderDesign(Qt::white);
    return form.DesignBitmap.asQImage().copy();
}

// What the child process does before the parent kills it: one change on the designer page,
// then its render for the parent to compare with, then it waits to be killed.
int RunRecoveryChild(const QString &programFolder, const QString &renderFile)
{
    TMainForm form(programFolder);
    form.show();
    form.ShowPage(2);
    form.Designer->AddTextClick();
    control<QPlainTextEdit>(&form, "TextEdit")->setPlainText(QStringLiteral("Do not\nlose me"));
    // A restored design has nothing selected; neither has the render it is compared with.
    form.Designer->SelectObject(nullptr);
    if (!Render(form).save(renderFile + QStringLiteral(".part"), "PNG") ||
        !QFile::rename(renderFile + QStringLiteral(".part"), renderFile))
        return 3;
    return QApplication::exec();
}

// A program ended by a signal: a change on the designer page (so a recovery file is kept) and a
// preview written, then it reports its user folder on standard output and waits.
int RunSignalChild(const QString &programFolder)
{
    EndOnSignals();
    int result = 0;
    {
        TMainForm form(programFolder);
        form.show();
        form.ShowPage(2);
        form.Designer->AddTextClick();
        form.Files->Refresh();
        form.Preview->WritePreviewFiles();
        std::printf("%s\n", qPrintable(form.UserFolder()));
        std::fflush(stdout);
        result = QApplication::exec();
    }
    return result;
}

QStringList PreviewFolders(const QString &tempFolder)
{
    return QDir(tempFolder).entryList({QStringLiteral("Popup_*")}, QDir::Dirs);
}

} // namespace

class DesignFilesTest : public QObject {
    Q_OBJECT

    ProgramFolder m_program;
    QTemporaryDir m_files;
    std::unique_ptr<TMainForm> m_form;

    template <class T> T *Find(const char *name) { return control<T>(m_form.get(), name); }
    void Click(const char *name) { Find<QAbstractButton>(name)->click(); }
    void PickCloseButton(int item)
    {
        Find<QComboBox>("CloseButtonStyle")->setCurrentIndex(item);
        m_form->Designer->CloseButtonStyleChange();
    }
    void Mouse(QEvent::Type type, Qt::MouseButtons held, QPoint at)
    {
        auto *box = Find<TPaintBox>("PaintBox1");
        QMouseEvent event(type, at, box->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        QCoreApplication::sendEvent(box, &event);
    }
    QString NameShown() { return Find<QLabel>("DesignName")->text(); }
    QString File(const QString &name) const { return m_files.filePath(name); }
    // The window's recovery files go to a state folder of their own for the test's length.
    struct TStateFolder {
        QTemporaryDir dir;
        TStateFolder() { qputenv("XDG_STATE_HOME", dir.path().toLocal8Bit()); }
        ~TStateFolder() { qunsetenv("XDG_STATE_HOME"); }
        QString Slot(const char *name) const { return dir.path() + "/vantelle-pro/" + name; }
    };
    // A design touching every page: texts, document size, close button and scale, settings.
    void MakeDesign()
    {
        m_form->ShowPage(2);
        Click("AddText");
        Find<QPlainTextEdit>("TextEdit")->setPlainText(QStringLiteral("Big\nsale"));
        Click("FontB");
        Click("DecTemplate");
        PickCloseButton(1);
        Click("IncCloseButton");
        Click("AddText");
        Click("SpeedButton6");
        Find<QRadioButton>("ClosePopup")->click();
        Find<QLineEdit>("URLEdit")->setText(QStringLiteral("https://example.org/"));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_files.isValid());
        m_program.container(QStringLiteral("img.stg"),
                            {m_program.png(QStringLiteral("1.png"), 80, 60, QColor(20, 120, 60)),
                             m_program.png(QStringLiteral("2.png"), 40, 90, QColor(200, 40, 90))});
        m_program.container(QStringLiteral("cbs.stg"),
                            {m_program.png(QStringLiteral("c1.png"), 24, 24, QColor(0, 0, 0))});
        Dialogs::setRecordMessages(true);
    }

    void init()
    {
        m_form = openWindow(m_program);
        Dialogs::takeShownMessages();
    }
    void cleanup() { m_form.reset(); }

    void savedDesignOpensOnEveryPage()
    {
        QCOMPARE(NameShown(), QStringLiteral("Design: new design"));
        MakeDesign();
        m_form->Files->Refresh();
        QCOMPARE(NameShown(), QStringLiteral("Design: new design *"));
        // An opened design has nothing selected.
        m_form->Designer->SelectObject(nullptr);
        const QImage made = Render(*m_form);

        Dialogs::setNextFileName(File(QStringLiteral("sale")));
        QVERIFY(m_form->Files->SaveDesignAs());
        QVERIFY(QFile::exists(File(QStringLiteral("sale.vpopup"))));
        QCOMPARE(NameShown(), QStringLiteral("Design: sale.vpopup"));

        // A new design asks about the unsaved change first.
        Click("AddText");
        Dialogs::setNextAnswer(QMessageBox::Discard);
        m_form->Files->NewDesign();
        QCOMPARE(Dialogs::takeShownMessages().size(), 1);
        QCOMPARE(m_form->Document.Model.DesignObjects.size(), size_t(1));
        QVERIFY(Find<QRadioButton>("OpenLink")->isChecked());

        Dialogs::setNextFileName(File(QStringLiteral("sale.vpopup")));
        m_form->Files->OpenDesignClick();
        QCOMPARE(m_form->CurrentPage, 2);
        QVERIFY(Render(*m_form) == made);
        QCOMPARE(Find<QLabel>("ScaleSizeLabel")->text(), QStringLiteral("450 px x 450 px"));
        QCOMPARE(Find<QComboBox>("CloseButtonStyle")->currentIndex(), 1);
        QCOMPARE(Find<QLabel>("CBScaleLabel")->text(), QStringLiteral("Scale (1.1)"));
        QVERIFY(Find<QRadioButton>("ClosePopup")->isChecked());
        QVERIFY(!Find<QLineEdit>("URLEdit")->isEnabled());
        QCOMPARE(Find<QLineEdit>("URLEdit")->text(), QStringLiteral("https://example.org/"));
        QVERIFY(!m_form->Files->IsModified());
        QCOMPARE(NameShown(), QStringLiteral("Design: sale.vpopup"));
    }

    void unsavedChangesAreNeverDroppedSilently()
    {
        MakeDesign();
        const TDesignState made = m_form->Document.Snapshot();
        Write(File(QStringLiteral("other.vpopup")), DesignFileBytes(TDesignState{}));

        Dialogs::setNextAnswer(QMessageBox::Cancel);
        m_form->OpenDesignFile(File(QStringLiteral("other.vpopup")));
        QVERIFY(m_form->Document.Snapshot() == made);

        Dialogs::setNextAnswer(QMessageBox::Cancel);
        QVERIFY(!m_form->close());
        QVERIFY(m_form->isVisible());
        const QList<Dialogs::ShownMessage> asked = Dialogs::takeShownMessages();
        QCOMPARE(asked.size(), 2);
        QCOMPARE(asked[1].buttons, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);

        // Save answers the question by saving, then the window may close.
        Dialogs::setNextAnswer(QMessageBox::Save);
        Dialogs::setNextFileName(File(QStringLiteral("kept.vpopup")));
        QVERIFY(m_form->close());
        QCOMPARE(ReadDesignFile(File(QStringLiteral("kept.vpopup"))), made);
    }

    void aRefusedDesignChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("size between steps") << QByteArray("{\"format\": 1, \"documentSize\": 360}")
                                            << QStringLiteral("must be one of 150");
        QTest::newRow("close button damaged")
            << QByteArray("{\"format\": 1, \"closeButton\": {\"picture\": \"" +
                          QByteArray("not a picture").toBase64() + "\"}}")
            << QStringLiteral("\"closeButton.picture\" does not decode");
        TDesignState big;
        QImage button(1001, 1000, QImage::Format_ARGB32);
        button.fill(Qt::red);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        button.save(&buffer, "PNG");
        big.CloseButton = DecodeDesignPicture(png, true);
        big.Texts.push_back(TDesignText{{QStringLiteral("other")}, TFontDesc{}});
        QTest::newRow("close button too big")
            << DesignFileBytes(big) << QStringLiteral("\"closeButton.picture\" is 1001 x 1000");
    }
    void aRefusedDesignChangesNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const QString saved = File(QStringLiteral("open.vpopup"));
        QFile::remove(saved);
        Dialogs::setNextFileName(saved);
        QVERIFY(m_form->Files->SaveDesignAs());
        MakeDesign();
        m_form->Designer->SelectObject(nullptr);
        const TDesignState made = m_form->Document.Snapshot();
        const QImage shown = Render(*m_form);
        const int steps = m_form->History->Stack().count();
        const QString damaged = File(QStringLiteral("damaged.vpopup"));
        Write(damaged, bytes);
        Dialogs::setNextAnswer(QMessageBox::Discard);
        m_form->OpenDesignFile(damaged);
        const QList<Dialogs::ShownMessage> shown2 = Dialogs::takeShownMessages();
        QCOMPARE(shown2.size(), 2);
        QVERIFY2(
            shown2[1].text.startsWith(QStringLiteral("Cannot open design \"%1\".").arg(damaged)),
            qPrintable(shown2[1].text));
        QVERIFY2(shown2[1].text.contains(reason), qPrintable(shown2[1].text));
        QCOMPARE(shown2[1].icon, QMessageBox::Critical);
        QVERIFY(m_form->Document.Snapshot() == made);
        QVERIFY(Render(*m_form) == shown);
        QCOMPARE(Find<QComboBox>("CloseButtonStyle")->currentIndex(), 1);
        QCOMPARE(m_form->History->Stack().count(), steps);
        QCOMPARE(m_form->Files->DesignPath(), saved);
        m_form->Files->Refresh();
        QCOMPARE(NameShown(), QStringLiteral("Design: open.vpopup *"));
    }

    // The name's mark follows each change on any page at once, and undoing back to the saved
    // design takes it away; the recovery file comes a moment after the last change and goes
    // with the mark.
    void theMarkAndRecoveryFollowEveryChange()
    {
        m_form.reset();
        TStateFolder state;
        m_form = openWindow(m_program);
        const QString recovery = state.Slot("recovery.vpopup");
        const std::function<void()> changes[] = {
            [&] { Click("DecTemplate"); },
            [&] { Find<QLineEdit>("URLEdit")->setText(QStringLiteral("a.htm")); },
            [&] { Find<QLineEdit>("SaveToFolder")->setText(File(QStringLiteral("out"))); },
        };
        for (const auto &change : changes) {
            QCOMPARE(NameShown(), QStringLiteral("Design: new design"));
            change();
            QCOMPARE(NameShown(), QStringLiteral("Design: new design *"));
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(recovery), 5000);
            Click("UndoButton");
            QCOMPARE(NameShown(), QStringLiteral("Design: new design"));
            QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(recovery), 5000);
        }
        m_form.reset();
    }

    // Closing asks about unsaved work; when the save then fails, the window stays and so does
    // the recovery file. It goes once the user discards the work.
    void aFailedSaveOnCloseKeepsTheWindowAndTheWork()
    {
        m_form.reset();
        TStateFolder state;
        m_form = openWindow(m_program);
        MakeDesign();
        m_form->Files->Refresh();
        const QString recovery = state.Slot("recovery.vpopup");
        QVERIFY(QFile::exists(recovery));
        Write(File(QStringLiteral("plain")), "a file, not a folder");
        Dialogs::setNextAnswer(QMessageBox::Save);
        Dialogs::setNextFileName(File(QStringLiteral("plain/sale.vpopup")));
        QVERIFY(!m_form->close());
        QVERIFY(m_form->isVisible());
        const QList<Dialogs::ShownMessage> shown = Dialogs::takeShownMessages();
        QCOMPARE(shown.size(), 2);
        QVERIFY2(shown[1].text.contains(QStringLiteral("plain/sale.vpopup")),
                 qPrintable(shown[1].text));
        QVERIFY(m_form->Files->IsModified());
        QVERIFY(QFile::exists(recovery));

        Dialogs::setNextAnswer(QMessageBox::Discard);
        QVERIFY(m_form->close());
        m_form.reset();
        QVERIFY(!QFile::exists(recovery));
    }

    // A log-out, kill or Ctrl+C ends the program like closing its window, without asking: the
    // unsaved work stays in its recovery file, the preview and the base's lock go.
    void aSignalEndsTheProgramLikeAClose_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGHUP") << int(SIGHUP);
        QTest::newRow("SIGINT") << int(SIGINT);
    }
    void aSignalEndsTheProgramLikeAClose()
    {
        QFETCH(int, signal);
        m_form.reset();
        QTemporaryDir scratch;
        const QString temp = scratch.filePath(QStringLiteral("tmp"));
        QVERIFY(QDir().mkpath(temp));
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_STATE_HOME"), scratch.path());
        env.insert(QStringLiteral("TMPDIR"), temp);
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--signal-child"), m_program.path()});
        QVERIFY(child.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(child.canReadLine(), 20000);
        const QString userFolder = QString::fromLocal8Bit(child.readLine()).trimmed();
        const QString lock = userFolder + QStringLiteral("usr.stg.lock");
        const QString recovery = scratch.path() + QStringLiteral("/vantelle-pro/recovery.vpopup");
        QVERIFY(QFile::exists(lock));
        QVERIFY(QFile::exists(recovery));
        QCOMPARE(PreviewFolders(temp).size(), 1);

        ::kill(static_cast<pid_t>(child.processId()), signal);
        QVERIFY(child.waitForFinished(20000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        QVERIFY(QFile::exists(recovery));
        QVERIFY(!QFile::exists(lock));
        QCOMPARE(PreviewFolders(temp), QStringList());
    }

    // Save design as... never replaces another file without asking, and Save never writes over
    // what another copy saved in the meantime without asking.
    void anotherFileIsNeverReplacedSilently()
    {
        const QString other = File(QStringLiteral("other.vpopup"));
        const QByteArray otherBytes = DesignFileBytes(TDesignState{});
        Write(other, otherBytes);
        MakeDesign();
        Dialogs::setNextFileName(File(QStringLiteral("other")));
        Dialogs::setNextAnswer(QMessageBox::No);
        QVERIFY(!m_form->Files->SaveDesignAs());
        QCOMPARE(Read(other), otherBytes);
        QCOMPARE(Dialogs::takeShownMessages().size(), 1);
        Dialogs::setNextFileName(other);
        Dialogs::setNextAnswer(QMessageBox::Yes);
        QVERIFY(m_form->Files->SaveDesignAs());
        QCOMPARE(ReadDesignFile(other), m_form->Document.Snapshot());

        // Saved again with nothing in between: no question.
        Click("AddText");
        QVERIFY(m_form->Files->SaveDesign());
        QCOMPARE(Dialogs::takeShownMessages().size(), 1);

        // Another copy saves the same file; this one is asked, and Cancel keeps theirs.
        TDesignState theirs;
        theirs.Texts.push_back(TDesignText{{QStringLiteral("theirs")}, TFontDesc{}});
        Write(other, DesignFileBytes(theirs));
        Click("AddText");
        Dialogs::setNextAnswer(QMessageBox::Cancel);
        QVERIFY(!m_form->Files->SaveDesign());
        QCOMPARE(ReadDesignFile(other), theirs);
        const QList<Dialogs::ShownMessage> asked = Dialogs::takeShownMessages();
        QCOMPARE(asked.size(), 1);
        QVERIFY2(asked[0].text.contains(other), qPrintable(asked[0].text));
        QCOMPARE(asked[0].buttons, QMessageBox::Yes | QMessageBox::Save | QMessageBox::Cancel);
        QVERIFY(m_form->Files->IsModified());
        Dialogs::setNextAnswer(QMessageBox::Yes);
        QVERIFY(m_form->Files->SaveDesign());
        QCOMPARE(ReadDesignFile(other), m_form->Document.Snapshot());
    }

    // A face that is not installed here is drawn in its look-alike, said once, and kept.
    void aMissingFaceStaysInTheDesign()
    {
        TDesignState design;
        design.Texts.push_back(
            TDesignText{{QStringLiteral("hello")}, TFontDesc{QStringLiteral("No Such Face"), 20}});
        const QString file = File(QStringLiteral("face.vpopup"));
        Write(file, DesignFileBytes(design));
        m_form->OpenDesignFile(file);
        const QList<Dialogs::ShownMessage> shown = Dialogs::takeShownMessages();
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown[0].text.contains(file) && shown[0].text.contains("No Such Face"),
                 qPrintable(shown[0].text));
        QVERIFY(!m_form->Files->IsModified());
        QCOMPARE(NameShown(), QStringLiteral("Design: face.vpopup"));
        Click("AddText");
        QVERIFY(m_form->Files->SaveDesign());
        QCOMPARE(ReadDesignFile(file).Texts[0].Font.Name, QStringLiteral("No Such Face"));
    }

    // "+" stops where a design file would no longer take the close button.
    void theCloseButtonGrowsOnlyAsFarAsADesignKeepsIt()
    {
        TDesignState design;
        QImage button(800, 800, QImage::Format_ARGB32);
        button.fill(Qt::blue);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        button.save(&buffer, "PNG");
        design.CloseButton = DecodeDesignPicture(png, true);
        design.CloseButtonScale = 1.2;
        const QString file = File(QStringLiteral("button.vpopup"));
        Write(file, DesignFileBytes(design));
        m_form->OpenDesignFile(file);
        QCOMPARE(m_form->Files->DesignPath(), file);
        // 960 x 960 pixels at 1.2; 1.3 would draw 1040 x 1040.
        QVERIFY(!Find<QAbstractButton>("IncCloseButton")->isEnabled());
        Click("DecCloseButton");
        QVERIFY(Find<QAbstractButton>("IncCloseButton")->isEnabled());
    }

    // The Open dialog starts in a folder that is there, so no name is typed for the user.
    void theOpenDialogStartsInAFolderThatIsThere()
    {
        Find<QLineEdit>("ExistingFileEdit")
            ->setText(File(QStringLiteral("gone/Desktop/Popup.htm")));
        Dialogs::setNextAnswer(QMessageBox::Discard);
        Dialogs::setNextFileName(QString());
        m_form->Files->OpenDesignClick();
        QCOMPARE(Dialogs::lastDialogStartPath(), m_files.path());
    }

    void aPublishedPageOpensItsDesignAndAddPopupWritesItBack()
    {
        const QString page = File(QStringLiteral("site/index.htm"));
        QVERIFY(QDir().mkpath(File(QStringLiteral("site"))));
        Write(page, "<html>\r\n<body bgcolor=white>\r\n<p>Welcome</p>\r\n</body></html>\r\n");
        MakeDesign();
        Find<QLineEdit>("ExistingFileEdit")->setText(page);
        m_form->Publish->AddPopupChange();
        const QByteArray pageBytes = Read(page);
        const QString logo = File(QStringLiteral("site/index.popup/logo.png"));
        const QByteArray logoBytes = Read(logo);
        QVERIFY(QFile::exists(File(QStringLiteral("site/index.popup/design.vpopup"))));

        // A new program opens the page and adds the popup again.
        m_form.reset();
        m_form = openWindow(m_program);
        m_form->OpenDesignFile(page);
        QCOMPARE(m_form->CurrentPage, 2);
        QCOMPARE(NameShown(), QStringLiteral("Design: index.htm"));
        QCOMPARE(Find<QLineEdit>("ExistingFileEdit")->text(), page);
        QVERIFY(!m_form->Files->IsModified());
        QFile::remove(logo);
        m_form->Publish->AddPopupChange();
        QCOMPARE(Read(page), pageBytes);
        QCOMPARE(Read(logo), logoBytes);
        QVERIFY(!m_form->Files->IsModified());
    }

    void aDesignsOwnPictureJoinsTheBaseOnlyWhenKept()
    {
        const QString userStorage = m_form->UserFolder() + QStringLiteral("usr.stg");
        QFile::remove(userStorage);
        const int baseSize = m_form->Templates->Base().Count();
        TDesignState design;
        m_program.png(QStringLiteral("own.png"), 70, 30, QColor(240, 200, 0));
        design.Template = DecodeDesignPicture(m_program.bytes(QStringLiteral("own.png")));
        const QString file = File(QStringLiteral("own.vpopup"));
        Write(file, DesignFileBytes(design));

        auto *keep = Find<QWidget>("KeepPanel");
        QVERIFY(keep->isHidden());
        m_form->OpenDesignFile(file);
        QCOMPARE(m_form->Templates->Base().Count(), baseSize + 1);
        QVERIFY(!keep->isHidden());
        QVERIFY(!QFile::exists(userStorage));
        // Another cell hides Keep, the design's cell shows it again.
        m_form->ShowPage(1);
        auto *grid = Find<TTemplateGrid>("DrawGrid1");
        auto clickCell = [&](int p) {
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                              grid->cellRect(p % 5, p / 5).center());
        };
        clickCell(0);
        QVERIFY(keep->isHidden());
        clickCell(int(baseSize));
        QVERIFY(!keep->isHidden());

        Click("KeepUserPng");
        QVERIFY(keep->isHidden());
        QCOMPARE(ReadStorageItem(userStorage, 0), std::optional(design.Template.Bytes));
        QVERIFY(Dialogs::takeShownMessages().isEmpty());

        // The next start lists it as a user picture, and the design finds it there.
        m_form.reset();
        m_form = openWindow(m_program);
        QCOMPARE(m_form->Templates->Base().Count(), baseSize + 1);
        m_form->OpenDesignFile(file);
        QCOMPARE(m_form->Templates->Base().Count(), baseSize + 1);
        QVERIFY(Find<QWidget>("KeepPanel")->isHidden());
        QVERIFY(Find<QAbstractButton>("DeleteUserPng_Simple")->isEnabled());
        QFile::remove(userStorage);
    }

    void undoAndRedoWalkEveryStep()
    {
        m_form->ShowPage(2);
        const QImage first = Render(*m_form);
        Click("AddText");
        auto *text = Find<QPlainTextEdit>("TextEdit");
        text->selectAll();
        QTest::keyClicks(text, QStringLiteral("Hello"));
        Click("FontB");
        Click("FontI");
        Find<QComboBox>("FontSize")->setEditText(QStringLiteral("24"));
        Click("SpeedButton7");
        PickCloseButton(1);
        Click("IncCloseButton");
        Click("DecTemplate");
        Click("AddText");
        // A drag of three movements is one step.
        const TRect copy = m_form->Designer->BoundsOf(m_form->Designer->CurrentObject());
        const QPoint grab(copy.Left + 3, copy.Top + 3);
        Mouse(QEvent::MouseButtonPress, Qt::LeftButton, grab);
        for (int step = 1; step <= 3; ++step)
            Mouse(QEvent::MouseMove, Qt::LeftButton, grab + QPoint(10 * step, 5 * step));
        Mouse(QEvent::MouseButtonRelease, Qt::NoButton, grab + QPoint(30, 15));
        Click("Erase");
        const QImage last = Render(*m_form);
        QUndoStack &stack = m_form->History->Stack();
        // add, typing, B, I, size, down, close button, scale, document size, add, drag, erase
        QCOMPARE(stack.count(), 12);

        QVERIFY(Find<QToolButton>("UndoButton")->isVisible());
        QTest::keyClick(text, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(stack.index(), 11);
        Click("UndoButton");
        while (stack.canUndo())
            QTest::keyClick(m_form.get(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(Render(*m_form) == first);
        QCOMPARE(Find<QLabel>("ScaleSizeLabel")->text(), QStringLiteral("500 px x 500 px"));
        QCOMPARE(Find<QComboBox>("CloseButtonStyle")->currentIndex(), 0);

        QTest::keyClick(m_form.get(), Qt::Key_Y, Qt::ControlModifier);
        Click("RedoButton");
        while (stack.canRedo())
            QTest::keyClick(m_form.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(Render(*m_form) == last);
        QCOMPARE(Find<QLabel>("CBScaleLabel")->text(), QStringLiteral("Scale (1.1)"));
        // Undo acts on every page.
        m_form->ShowPage(3);
        QVERIFY(Find<QToolButton>("UndoButton")->isVisible());
        QTest::keyClick(m_form.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(stack.index(), 11);
    }

    void aKilledProgramsDesignComesBack()
    {
        m_form.reset();
        QTemporaryDir state;
        const QString render = state.filePath(QStringLiteral("child.png"));
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_STATE_HOME"), state.path());
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--recovery-child"), m_program.path(), render});
        QVERIFY(child.waitForStarted());
        const QString recovery = state.path() + QStringLiteral("/vantelle-pro/recovery.vpopup");
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(render) && QFile::exists(recovery), 20000);
        // The change is older than two seconds by now at the latest.
        QTest::qWait(2000);
        ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished());
        QVERIFY(QFile::exists(recovery));

        qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
        m_form = openWindow(m_program);
        Dialogs::setNextAnswer(QMessageBox::Yes);
        m_form->Files->OfferRecovery();
        const QList<Dialogs::ShownMessage> offered = Dialogs::takeShownMessages();
        QCOMPARE(offered.size(), 1);
        QVERIFY2(offered[0].text.contains(QStringLiteral("No deletes them")),
                 qPrintable(offered[0].text));
        QCOMPARE(m_form->CurrentPage, 2);
        QVERIFY(Render(*m_form) == QImage(render).convertToFormat(QImage::Format_ARGB32));
        QVERIFY(m_form->Files->IsModified());
        // Closing and discarding leaves nothing to recover.
        Dialogs::setNextAnswer(QMessageBox::Discard);
        QVERIFY(m_form->close());
        m_form.reset();
        QVERIFY(!QFile::exists(recovery));
        qunsetenv("XDG_STATE_HOME");
    }

    // This copy has a recovery file of its own when it takes up the one an ended copy left: the
    // design comes back and the left file goes.
    void anEndedCopysFileIsTakenUpBesideThisCopysOwn()
    {
        m_form.reset();
        TStateFolder state;
        m_form = openWindow(m_program);
        MakeDesign();
        m_form->Files->Refresh();
        const QString own = state.Slot("recovery.vpopup");
        QVERIFY(QFile::exists(own));
        TDesignState left;
        left.DocumentSize = 250;
        left.Texts.push_back(TDesignText{{QStringLiteral("left behind")}, TFontDesc{}});
        const QString leftFile = state.Slot("recovery-2.vpopup");
        WriteRecoveryFile(leftFile, left, QString());
        Dialogs::setNextAnswer(QMessageBox::Yes);
        m_form->Files->OfferRecovery();
        QCOMPARE(Dialogs::takeShownMessages().size(), 1);
        QCOMPARE(m_form->Document.Snapshot().Texts, left.Texts);
        QCOMPARE(Find<QLabel>("ScaleSizeLabel")->text(), QStringLiteral("250 px x 250 px"));
        QVERIFY(!QFile::exists(leftFile));
        QVERIFY(QFile::exists(own));
        Dialogs::setNextAnswer(QMessageBox::Discard);
        QVERIFY(m_form->close());
        m_form.reset();
    }
};

int main(int argc, char *argv[])
{
    GuiTest::PrepareProcess();
    QApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--signal-child")
        return RunSignalChild(QString::fromLocal8Bit(argv[2]));
    if (argc == 4 && QByteArray(argv[1]) == "--recovery-child")
        return RunRecoveryChild(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    DesignFilesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "design_files_test.moc"
