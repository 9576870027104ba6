// The real main window on a scratch program folder: start-up, the wizard buttons, the picture
// base behind the template chooser, the error box, and the clean-up at exit.

#include "gui_helpers.h"
#include "picture_base_scenarios.h"

#include "app/AppStart.h"
#include "app/Dialogs.h"
#include "app/ErrorGuard.h"
#include "app/TemplatePage.h"
#include "base/FileStorage.h"
#include "base/PictureBase.h"
#include "base/PictureList.h"
#include "controls/GroupFrame.h"
#include "controls/Panel.h"
#include "controls/TemplateGrid.h"
#include "controls/uPngButton.h"
#include "document/DesignDocument.h"
#include "imaging/PngObject.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QUndoStack>

using namespace GuiTest;

class MainWindowTest : public QObject {
    Q_OBJECT

    static TTemplateGrid *grid(QWidget *w) { return control<TTemplateGrid>(w, "DrawGrid1"); }
    static QAbstractButton *button(QWidget *w, const char *name)
    {
        return control<QAbstractButton>(w, name);
    }
    static void clickCell(QWidget *w, int p)
    {
        TTemplateGrid *g = grid(w);
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->cellRect(p % 5, p / 5).center());
    }
    static int currentIndex(QWidget *w)
    {
        return grid(w)->currentRow() * 5 + grid(w)->currentColumn();
    }
    static bool removeEnabled(QWidget *w)
    {
        const bool plain = button(w, "DeleteUserPng_Simple")->isEnabled();
        // The picture button always agrees with the hidden plain one.
        if (control<TPngButton>(w, "DeleteUserPng_SimplePng")->isEnabled() != plain)
            qFatal("Remove buttons disagree");
        return plain;
    }
    static void clickRemove(QWidget *w, QMessageBox::StandardButton answer)
    {
        Dialogs::setNextAnswer(answer);
        button(w, "DeleteUserPng_Simple")->click();
    }
    // 3 templates (widths 11-13) and 2 user pictures (21, 22).
    static void standardBase(ProgramFolder &folder)
    {
        folder.container("img.stg", {folder.png("t1.png", 11, 5), folder.png("t2.png", 12, 5),
                                     folder.png("t3.png", 13, 5)});
        folder.container("usr.stg", {folder.png("u1.png", 21, 5), folder.png("u2.png", 22, 5)});
    }
    static TPictureBase &base(const TMainForm &w) { return w.Templates->Base(); }
    // What start-up told the user: the boxes at once, and those about user pictures that do not
    // decode, which come once every thumbnail is known.
    static QList<Dialogs::ShownMessage> startUpMessages(const TMainForm &w)
    {
        QList<Dialogs::ShownMessage> shown;
        const bool done = QTest::qWaitFor(
            [&] {
                shown += Dialogs::takeShownMessages();
                return !w.Templates->DamageReportPending();
            },
            10000);
        if (!done)
            qWarning("the start-up messages never came to an end");
        return shown + Dialogs::takeShownMessages();
    }
    // The width of every picture of the grid, 0 for a damaged one.
    static std::vector<int> widths(const TMainForm &w)
    {
        std::vector<int> out;
        for (int p = 0; p < base(w).Count(); ++p) {
            const auto picture = base(w).Picture(p);
            out.push_back(picture ? picture->width() : 0);
        }
        return out;
    }

private slots:
    void initTestCase() { Dialogs::setRecordMessages(true); }
    void init() { Dialogs::takeShownMessages(); }

    void startUpShowsPageOne()
    {
        ProgramFolder folder;
        standardBase(folder);
        SetInitialTitle();
        QCOMPARE(ApplicationTitle(), QStringLiteral("SoftName"));
        auto w = openWindow(folder);
        QCOMPARE(ApplicationTitle(), QStringLiteral("Vantelle Pro"));
        QVERIFY(w->windowTitle().startsWith(QStringLiteral("Vantelle Pro - ")));
        QCOMPARE(w->size(), QSize(724, 559));
        QCOMPARE(w->CurrentPage, 1);
        for (int n = 1; n <= 5; ++n)
            QCOMPARE(
                control<TPanel>(w.get(), qPrintable(QStringLiteral("Panel%1").arg(n)))->isVisible(),
                n == 1);
        QVERIFY(!button(w.get(), "BackButton")->isEnabled());
        QVERIFY(button(w.get(), "NextButton")->isEnabled());
        QVERIFY(!removeEnabled(w.get()));
        QCOMPARE(control<QLabel>(w.get(), "Label20")->text(),
                 QStringLiteral("for your Vantelle Pro, then click the next button to continue"));
        QCOMPARE(w->Document.DocumentSize, 500);
        QCOMPARE(w->DesignBitmap.width(), 500);
        QCOMPARE(w->SelectedPicture(), base(*w).Picture(0).get());
        QCOMPARE(control<QWidget>(w.get(), "MorePicturesClick")->isVisible(), false);
        QCOMPARE(control<QWidget>(w.get(), "MorePicturesClick")->geometry(),
                 QRect(234, 476, 460, 40));
        QCOMPARE(control<QWidget>(w.get(), "PreviewTextPaint")->geometry(), QRect(267, 4, 190, 40));
        QVERIFY(Dialogs::takeShownMessages().isEmpty());
    }

    void updateBaseFollowsTheMarkerFile_data()
    {
        QTest::addColumn<QByteArray>("marker");
        QTest::addColumn<bool>("present");
        QTest::newRow("no marker") << QByteArray() << false;
        QTest::newRow("empty marker") << QByteArray() << true;
        QTest::newRow("marker with text") << QByteArray("anything") << true;
    }
    void updateBaseFollowsTheMarkerFile()
    {
        QFETCH(QByteArray, marker);
        QFETCH(bool, present);
        ProgramFolder folder;
        if (present) {
            QFile file(folder.path("UpdateBaseMarker.txt"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(marker);
        }
        auto w = openWindow(folder);
        QCOMPARE(button(w.get(), "UpdateBase")->isVisible(), present);
    }

    void updateBaseRewritesTheContainersButNotTheWindow()
    {
        ProgramFolder folder;
        standardBase(folder);
        QFile(folder.path("UpdateBaseMarker.txt")).open(QIODevice::WriteOnly);
        folder.png("Resources/Templates/1.png", 31, 4);
        folder.png("Resources/Templates/5.png", 35, 4);
        folder.png("Resources/CloseButtons/101.png", 41, 4);
        const QByteArray user = folder.bytes("usr.stg");
        auto w = openWindow(folder);
        button(w.get(), "UpdateBase")->click();
        QCOMPARE(LocateStorageItem(folder.path("img.stg"), 1).Length,
                 QFileInfo(folder.path("Resources/Templates/5.png")).size());
        QCOMPARE(LocateStorageItem(folder.path("img.stg"), 2).Offset, 0);
        QVERIFY(LocateStorageItem(folder.path("cbs.stg"), 0).Offset != 0);
        QCOMPARE(folder.bytes("usr.stg"), user);
        QCOMPARE(widths(*w), (std::vector<int>{11, 12, 13, 21, 22}));
        QVERIFY(Dialogs::takeShownMessages().isEmpty());
    }

    void backAndNextWalkThePages()
    {
        ProgramFolder folder;
        standardBase(folder);
        auto w = openWindow(folder);
        QAbstractButton *back = button(w.get(), "BackButton");
        QAbstractButton *next = button(w.get(), "NextButton");
        QWidget *logo = control<QWidget>(w.get(), "LogoPaintBox");
        QWidget *bg = control<QWidget>(w.get(), "BG2");
        auto check = [&](int page) {
            QCOMPARE(w->CurrentPage, page);
            QCOMPARE(back->isEnabled(), page != 1);
            QCOMPARE(next->isEnabled(), page != 5);
            int visible = 0;
            for (int n = 1; n <= 5; ++n)
                visible += control<TPanel>(w.get(), qPrintable(QStringLiteral("Panel%1").arg(n)))
                               ->isVisible();
            QCOMPARE(visible, 1);
            const QString name = QStringLiteral("Panel%1").arg(page);
            QCOMPARE(logo->parentWidget()->objectName(), name);
            QCOMPARE(logo->geometry(), QRect(10, 511, 200, 48));
            QCOMPARE(bg->parentWidget()->objectName(), name);
            QCOMPARE(bg->geometry(), QRect(0, 0, 724, 559));
        };
        check(1);
        for (int page = 2; page <= 5; ++page) {
            QTest::mouseClick(next, Qt::LeftButton);
            check(page);
        }
        QTest::mouseClick(next, Qt::LeftButton); // disabled on the last page
        check(5);
        for (int page = 4; page >= 1; --page) {
            QTest::mouseClick(back, Qt::LeftButton);
            check(page);
        }
    }

    void thePreviewIsRebuiltOnlyWhenComingFromPageThree()
    {
        ProgramFolder folder;
        standardBase(folder);
        auto w = openWindow(folder);
        QAbstractButton *back = button(w.get(), "BackButton");
        QAbstractButton *next = button(w.get(), "NextButton");
        next->click();
        next->click();
        QVERIFY(w->TempFolders.isEmpty());
        next->click();
        QCOMPARE(w->CurrentPage, 4);
        const qsizetype perPreview = w->TempFolders.size();
        QVERIFY(perPreview > 0);
        next->click();
        back->click();
        QCOMPARE(w->CurrentPage, 4);
        QCOMPARE(w->TempFolders.size(), perPreview);
        back->click();
        next->click();
        QCOMPARE(w->TempFolders.size(), 2 * perPreview);

        // Clicks already queued when the preview switch lets events through are not run inside
        // it (they would count from page 3): no second preview, and the page on show and
        // CurrentPage stay in step.
        for (QAbstractButton *queued : {next, back}) {
            const qsizetype before = w->TempFolders.size();
            back->click();
            QMetaObject::invokeMethod(queued, "click", Qt::QueuedConnection);
            next->click();
            QCOMPARE(w->CurrentPage, 4);
            QCOMPARE(w->TempFolders.size(), before + perPreview);
            for (int n = 1; n <= 5; ++n)
                QCOMPARE(control<TPanel>(w.get(), qPrintable(QStringLiteral("Panel%1").arg(n)))
                             ->isVisible(),
                         n == 4);
        }
    }

    void anEmptyBaseStillLetsTheUserGoOn()
    {
        ProgramFolder folder;
        auto w = openWindow(folder);
        QCOMPARE(base(*w).Count(), 0);
        QCOMPARE(base(*w).TemplateCount(), 0);
        QVERIFY(w->CloseButtonList.empty());
        QCOMPARE(control<QComboBox>(w.get(), "CloseButtonStyle")->count(), 1);
        QCOMPARE(grid(w.get())->rowCount(), 1);
        QCOMPARE(w->SelectedPicture(), nullptr);
        QVERIFY(!removeEnabled(w.get()));
        clickCell(w.get(), 2);
        QCOMPARE(currentIndex(w.get()), 0);
        clickRemove(w.get(), QMessageBox::Yes); // disabled: nothing to ask about
        QVERIFY(!QFile::exists(folder.path("usr.stg")));
        for (int page = 2; page <= 5; ++page)
            button(w.get(), "NextButton")->click();
        QCOMPARE(w->CurrentPage, 5);
        // Only the note that a new design's popup has no link yet.
        const QList<Dialogs::ShownMessage> shown = Dialogs::takeShownMessages();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].icon, QMessageBox::Information);
    }

    void loadAndRemoveKeepTheNumbering()
    {
        ProgramFolder folder;
        standardBase(folder);
        auto w = openWindow(folder);
        QCOMPARE(base(*w).TemplateCount(), 3);
        QCOMPARE(widths(*w), (std::vector<int>{11, 12, 13, 21, 22}));

        // Written without chunks that no decode reads (which Load... would leave out), so that
        // the stored entry is the file itself.
        const QString added = folder.png("new.png", 23, 5);
        {
            QFile in(added);
            QVERIFY(in.open(QIODevice::ReadOnly));
            const QByteArray bare = PngWithoutUnreadChunks(in);
            in.close();
            QFile out(added);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(bare);
        }
        Dialogs::setNextFileName(added);
        button(w.get(), "AddUserPng_Simple")->click();
        QCOMPARE(widths(*w), (std::vector<int>{11, 12, 13, 21, 22, 23}));
        QCOMPARE(LocateStorageItem(folder.path("usr.stg"), 2).Length,
                 QFileInfo(folder.path("new.png")).size());
        QCOMPARE(grid(w.get())->rowCount(), 2);
        QCOMPARE(grid(w.get())->currentRow(), 1);
        QCOMPARE(grid(w.get())->currentColumn(), 0);
        QVERIFY(removeEnabled(w.get()));

        clickCell(w.get(), 4);
        QCOMPARE(currentIndex(w.get()), 4);
        const QByteArray before = folder.bytes("usr.stg");
        clickRemove(w.get(), QMessageBox::No);
        QCOMPARE(folder.bytes("usr.stg"), before);
        QCOMPARE(base(*w).Count(), 6);

        clickRemove(w.get(), QMessageBox::Yes);
        const auto shown = Dialogs::takeShownMessages();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[1].caption, QStringLiteral("Confirm"));
        QCOMPARE(shown[1].text, QStringLiteral("Delete selected picture from program's base?"));
        QCOMPARE(shown[1].icon, QMessageBox::Warning);
        QCOMPARE(shown[1].buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(widths(*w), (std::vector<int>{11, 12, 13, 21, 23}));
        QCOMPARE(currentIndex(w.get()), 4); // now shows the picture that followed
        QCOMPARE(w->SelectedPicture()->width(), 23);
        WriteStorage({folder.path("u1.png"), folder.path("new.png")}, folder.path("expected.stg"));
        QCOMPARE(folder.bytes("usr.stg"), folder.bytes("expected.stg"));
        QCOMPARE(grid(w.get())->rowCount(), 1);

        // Removing the last picture makes the one before it current; a template disables Remove.
        clickRemove(w.get(), QMessageBox::Yes);
        QCOMPARE(currentIndex(w.get()), 3);
        clickRemove(w.get(), QMessageBox::Yes);
        QCOMPARE(currentIndex(w.get()), 2);
        QVERIFY(!removeEnabled(w.get()));
        QCOMPARE(folder.bytes("usr.stg"), QByteArray());
    }

    // The grid draws what the picture list has. A picture added with Load... has no thumbnail
    // until its cell is first shown: the cell is white, the thumbnail is asked for, and when it
    // arrives the cell is painted again with it. Choosing the picture decodes the picture itself
    // for the design.
    void aCellShowsItsThumbnailOnceItArrives()
    {
        ProgramFolder folder;
        standardBase(folder);
        auto w = openWindow(folder);
        TTemplateGrid *g = grid(w.get());
        // Added while the window is hidden, so that the new cell is not painted yet.
        w->hide();
        const QColor orange(250, 140, 20);
        Dialogs::setNextFileName(folder.png("orange.png", 40, 40, orange));
        button(w.get(), "AddUserPng_Simple")->click();
        QCOMPARE(currentIndex(w.get()), 5);
        QCOMPARE(w->Document.Template().Picture->width(), 40);
        QCOMPARE(w->Document.Template().Picture->pixel(20, 20), 0x00148CFAu); // 0x00BBGGRR
        QTest::qWait(100);
        QVERIFY(base(*w).List().Thumbnail(5).isNull());

        // Paints of the viewport that cover the new cell, from the moment its thumbnail came.
        struct TPaints : QObject {
            QRect cell;
            bool arrived = false;
            int afterArrival = 0;
            bool eventFilter(QObject *, QEvent *event) override
            {
                if (event->type() == QEvent::Paint && arrived &&
                    static_cast<QPaintEvent *>(event)->region().intersects(cell))
                    ++afterArrival;
                return false;
            }
        } paints;
        paints.cell = g->cellRect(0, 1);
        g->viewport()->installEventFilter(&paints);
        QObject::connect(&base(*w).List(), &TPictureList::ThumbnailReady, &paints,
                         [&](int i) { paints.arrived = paints.arrived || i == 5; });
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QTRY_VERIFY(paints.arrived);
        QTRY_VERIFY(paints.afterArrival > 0);
        QCOMPARE(pixelOf(g->viewport(), paints.cell.center().x(), paints.cell.center().y()),
                 orange);
        QVERIFY(Dialogs::takeShownMessages().isEmpty());
    }

    // Page 1 without a mouse: the arrows move in the grid, Delete asks what Remove asks (and
    // only where Remove would), Enter goes on as Next does; a screen reader hears which picture
    // each cell is and whether it is the user's or damaged.
    void pageOneWorksFromTheKeyboardAndNamesEachCell()
    {
        ProgramFolder folder;
        // One template; user pictures 21, one that does not decode, 23.
        BaseScenarios::Build(BaseScenarios::Scenarios()[4], folder.path());
        auto w = openWindow(folder);
        QCOMPARE(startUpMessages(*w).size(), 1);
        TTemplateGrid *g = grid(w.get());
        g->setFocus();
        auto names = [&] {
            QStringList out;
            QAccessibleInterface *view = QAccessible::queryAccessibleInterface(g);
            if (!view || !view->tableInterface())
                return out;
            for (int p = 0; p < base(*w).Count(); ++p) {
                QAccessibleInterface *cell = view->tableInterface()->cellAt(p, 0);
                out << (cell ? cell->text(QAccessible::Name) : QStringLiteral("(none)"));
            }
            return out;
        };
        QCOMPARE(names(), (QStringList{"Template 1", "Your picture 1", "Your picture 2, damaged",
                                       "Your picture 3"}));

        QTest::keyClick(g, Qt::Key_Right);
        QCOMPARE(currentIndex(w.get()), 1);
        QTest::keyClick(g, Qt::Key_Left);
        QCOMPARE(currentIndex(w.get()), 0);
        // On a template Delete asks nothing and changes nothing.
        const QByteArray before = folder.bytes("usr.stg");
        QTest::keyClick(g, Qt::Key_Delete);
        QVERIFY(Dialogs::takeShownMessages().isEmpty());
        QCOMPARE(folder.bytes("usr.stg"), before);

        QTest::keyClick(g, Qt::Key_Right);
        Dialogs::setNextAnswer(QMessageBox::No);
        QTest::keyClick(g, Qt::Key_Delete);
        auto shown = Dialogs::takeShownMessages();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, QStringLiteral("Delete selected picture from program's base?"));
        QCOMPARE(folder.bytes("usr.stg"), before);
        Dialogs::setNextAnswer(QMessageBox::Yes);
        QTest::keyClick(g, Qt::Key_Delete);
        QCOMPARE(Dialogs::takeShownMessages().size(), 1);
        QCOMPARE(folder.bytes("usr.stg"),
                 BaseScenarios::ContainerBytes(folder.path(), {BaseScenarios::NotAPicture, 23}));
        QCOMPARE(names(), (QStringList{"Template 1", "Your picture 1, damaged", "Your picture 2"}));

        // Enter on the damaged cell is refused as Next refuses it; on a picture it goes on.
        QCOMPARE(currentIndex(w.get()), 1);
        QTest::keyClick(g, Qt::Key_Return);
        QCOMPARE(w->CurrentPage, 1);
        shown = Dialogs::takeShownMessages();
        QCOMPARE(shown.size(), 1);
        QVERIFY(shown[0].text.startsWith(QStringLiteral("This picture is damaged")));
        QTest::keyClick(g, Qt::Key_Right);
        QTest::keyClick(g, Qt::Key_Enter);
        QCOMPARE(w->CurrentPage, 2);
        QCOMPARE(w->Document.Template().Picture->width(), 23);
    }

    // A user picture that does not decode is told about once, after the window is up and only
    // while page 1 is shown, never in the middle of the user's work on another page.
    void damageIsReportedOnceOnPageOne()
    {
        ProgramFolder folder;
        BaseScenarios::Build(BaseScenarios::Scenarios()[4], folder.path());
        SetInitialTitle();
        auto w = std::make_unique<TMainForm>(folder.path());
        QTest::qWait(50);
        QVERIFY(Dialogs::takeShownMessages().isEmpty());
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        button(w.get(), "NextButton")->click();
        QCOMPARE(w->CurrentPage, 2);
        QTRY_VERIFY(base(*w).PicturesKnown());
        QTest::qWait(400);
        QVERIFY(Dialogs::takeShownMessages().isEmpty());
        // Back on page 1 with a box open, the message waits for the box to close.
        QDialog box(w.get());
        box.setWindowModality(Qt::ApplicationModal);
        box.show();
        button(w.get(), "BackButton")->click();
        QCOMPARE(w->CurrentPage, 1);
        QTest::qWait(400);
        QVERIFY(Dialogs::takeShownMessages().isEmpty());
        box.hide();
        const auto shown = startUpMessages(*w);
        QCOMPARE(shown.size(), 1);
        QVERIFY(shown[0].text.startsWith(
            QStringLiteral("Entry 1 of the picture container \"%1\" cannot be used as a picture.")
                .arg(folder.path("usr.stg"))));
        QVERIFY(shown[0].text.endsWith(QStringLiteral("which Remove deletes.")));
        QTest::qWait(400);
        QVERIFY(Dialogs::takeShownMessages().isEmpty());
    }

    // A template that does not decode, past the cells the grid shows first, is found after the
    // window is up: it is told then as at start-up, is never chosen, and leaves the grid with
    // the templates after it moving up one place.
    void aTemplateFoundDamagedLaterIsToldAndNeverChosen()
    {
        ProgramFolder folder;
        QStringList templates;
        for (int n = 1; n <= 17; ++n)
            templates << folder.png(QStringLiteral("t%1.png").arg(n), 10 + n, 5);
        templates << folder.garbage("bad.png") << folder.png("last.png", 40, 5);
        folder.container("img.stg", templates);
        SetInitialTitle();
        auto w = std::make_unique<TMainForm>(folder.path());
        QVERIFY(Dialogs::takeShownMessages().isEmpty());
        QVERIFY(!grid(w.get())->onSelectCell(17 % 5, 17 / 5));
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        const auto shown = startUpMessages(*w);
        QCOMPARE(shown.size(), 1);
        QVERIFY(shown[0].text.startsWith(
            QStringLiteral("Entry 17 of the picture container \"%1\" cannot be used as a picture.")
                .arg(folder.path("img.stg"))));
        // Nothing of it is left to remove.
        QVERIFY(!shown[0].text.contains(QStringLiteral("Remove")));
        QTRY_COMPARE(base(*w).TemplateCount(), 18);
        QCOMPARE(widths(*w).back(), 40);
        QCOMPARE(grid(w.get())->rowCount(), 4);
        clickCell(w.get(), 17);
        QCOMPARE(currentIndex(w.get()), 17);
        button(w.get(), "NextButton")->click();
        QCOMPARE(w->CurrentPage, 2);
        QCOMPARE(w->Document.Template().Picture->width(), 40);
        QVERIFY(Dialogs::takeShownMessages().isEmpty());
    }

    void aFileThatDoesNotDecodeIsRefused()
    {
        ProgramFolder folder;
        standardBase(folder);
        auto w = openWindow(folder);
        const QByteArray before = folder.bytes("usr.stg");
        Dialogs::setNextFileName(folder.garbage("bad.png"));
        button(w.get(), "AddUserPng_Simple")->click();
        const auto shown = Dialogs::takeShownMessages();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].caption, QStringLiteral("Vantelle Pro"));
        QCOMPARE(shown[0].icon, QMessageBox::Critical);
        QCOMPARE(shown[0].buttons, QMessageBox::Ok);
        QVERIFY(shown[0].text.endsWith(QLatin1Char('.')));
        QCOMPARE(folder.bytes("usr.stg"), before);
        QCOMPARE(base(*w).Count(), 5);
        // Cancelling the dialog does nothing at all.
        Dialogs::setNextFileName(QString());
        button(w.get(), "AddUserPng_Simple")->click();
        QCOMPARE(base(*w).Count(), 5);
        QVERIFY(Dialogs::takeShownMessages().isEmpty());
    }

    // The picture-base cases of the core tests, seen through the window: the error boxes, the
    // grid, Remove and Next follow what the base made of the containers.
    void sharedBaseScenariosThroughTheWindow()
    {
        for (const BaseScenarios::Scenario &s : BaseScenarios::Scenarios()) {
            const QByteArray name = s.name;
            ProgramFolder folder;
            BaseScenarios::Build(s, folder.path());
            auto w = openWindow(folder);
            const auto shown = startUpMessages(*w);
            QVERIFY2(shown.size() == s.messages, name);
            for (const auto &message : shown)
                QVERIFY2(message.icon == QMessageBox::Critical, name);
            QVERIFY2(widths(*w) == s.list, name);
            QCOMPARE(base(*w).TemplateCount(), s.templateCount);
            const int count = static_cast<int>(s.list.size());
            QCOMPARE(grid(w.get())->rowCount(), std::max(1, (count + 4) / 5));
            for (int p = 0; p < count; ++p) {
                if (s.list[size_t(p)] != 0)
                    continue;
                // A damaged entry has a drawn cell of its own, can be removed, and cannot be
                // taken on to the designer.
                clickCell(w.get(), p);
                QCOMPARE(currentIndex(w.get()), p);
                QVERIFY2(removeEnabled(w.get()), name);
                QCOMPARE(w->SelectedPicture(), nullptr);
                const QRect cell = grid(w.get())->cellRect(p % 5, p / 5);
                QCOMPARE(pixelOf(grid(w.get())->viewport(), cell.left() + 4, cell.top() + 4),
                         QColor(246, 240, 240));
                button(w.get(), "NextButton")->click();
                QCOMPARE(w->CurrentPage, 1);
                const auto refused = Dialogs::takeShownMessages();
                QCOMPARE(refused.size(), 1);
                QVERIFY(refused[0].text.startsWith(QStringLiteral("This picture is damaged")));
            }
            if (s.remove < 0)
                continue;
            clickCell(w.get(), s.remove);
            QCOMPARE(removeEnabled(w.get()), s.removed);
            clickRemove(w.get(), QMessageBox::Yes);
            QCOMPARE(Dialogs::takeShownMessages().size(), s.removed ? 1 : 0); // the question
            if (s.userAfter)
                QVERIFY2(folder.bytes("usr.stg") ==
                             BaseScenarios::ContainerBytes(folder.path(), *s.userAfter),
                         name);
            else
                QVERIFY2(!QFile::exists(folder.path("usr.stg")), name);
            QCOMPARE(base(*w).Count(), count - (s.removed ? 1 : 0));
        }
    }

    void aSecondCopyOnTheSameBaseCannotChangeIt()
    {
        ProgramFolder folder;
        standardBase(folder);
        auto first = openWindow(folder);
        QVERIFY(Dialogs::takeShownMessages().isEmpty());
        auto second = openWindow(folder);
        const auto shown = Dialogs::takeShownMessages();
        QCOMPARE(shown.size(), 1);
        QVERIFY(shown[0].text.contains(QStringLiteral("is in use by another copy")));
        QVERIFY(shown[0].text.contains(folder.path().chopped(1)));
        QCOMPARE(widths(*second), (std::vector<int>{11, 12, 13, 21, 22}));
        QVERIFY(!button(second.get(), "AddUserPng_Simple")->isEnabled());
        QVERIFY(!control<TPngButton>(second.get(), "AddUserPng_SimplePng")->isEnabled());
        QCOMPARE(control<TPngButton>(second.get(), "AddUserPng_SimplePng")->toolTip(),
                 shown[0].text);
        clickCell(second.get(), 4);
        QCOMPARE(currentIndex(second.get()), 4);
        QVERIFY(!removeEnabled(second.get()));
        // Showing its design again, as opening a design does, leaves Remove off too.
        second->ShowDocument();
        QVERIFY(!removeEnabled(second.get()));
        // The first copy goes on as before.
        QVERIFY(button(first.get(), "AddUserPng_Simple")->isEnabled());
        clickCell(first.get(), 4);
        QVERIFY(removeEnabled(first.get()));
    }

    // A usr.stg that cannot be read keeps Load... off, with the reason where the user points;
    // a readable one leaves it on without a tooltip.
    void loadShowsWhyItIsRefused()
    {
        for (const bool unreadable : {false, true}) {
            ProgramFolder folder;
            standardBase(folder);
            if (unreadable) {
                QFile::remove(folder.path("usr.stg"));
                QVERIFY(QDir().mkdir(folder.path("usr.stg")));
            }
            auto w = openWindow(folder);
            Dialogs::takeShownMessages();
            auto *load = control<TPngButton>(w.get(), "AddUserPng_SimplePng");
            QCOMPARE(load->isEnabled(), !unreadable);
            QCOMPARE(button(w.get(), "AddUserPng_Simple")->isEnabled(), !unreadable);
            QCOMPARE(load->toolTip().contains(QStringLiteral("Load... is off because")),
                     unreadable);
            QCOMPARE(load->toolTip().isEmpty(), !unreadable);
        }
    }

    // Remove on a design's picture shown for this run only says that it only leaves the list.
    void removeOnARunOnlyPictureSaysWhatItDoes()
    {
        ProgramFolder folder;
        standardBase(folder);
        auto w = openWindow(folder);
        folder.png("own.png", 40, 5, QColor(250, 10, 10));
        w->Document.SetTemplate(DecodeDesignPicture(folder.bytes("own.png")));
        w->ShowDocument();
        QCOMPARE(currentIndex(w.get()), 5);
        const QByteArray user = folder.bytes("usr.stg");
        for (const int p : {5, 3}) {
            clickCell(w.get(), p);
            clickRemove(w.get(), QMessageBox::No);
            const auto shown = Dialogs::takeShownMessages();
            QCOMPARE(shown.size(), 1);
            QCOMPARE(shown[0].text.contains(QStringLiteral("only dropped from this run's list")),
                     p == 5);
            QCOMPARE(shown[0].text ==
                         QStringLiteral("Delete selected picture from program's base?"),
                     p == 3);
        }
        clickCell(w.get(), 5);
        clickRemove(w.get(), QMessageBox::Yes);
        QCOMPARE(widths(*w), (std::vector<int>{11, 12, 13, 21, 22}));
        QCOMPARE(folder.bytes("usr.stg"), user);
    }

    void removeAfterAnotherProgramChangedTheBaseRemovesNothing()
    {
        ProgramFolder folder;
        standardBase(folder);
        auto w = openWindow(folder);
        DeleteStorageItem(folder.path("usr.stg"), 0);
        const QByteArray changed = folder.bytes("usr.stg");
        clickCell(w.get(), 4);
        clickRemove(w.get(), QMessageBox::Yes);
        const auto shown = Dialogs::takeShownMessages();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[1].icon, QMessageBox::Critical);
        QVERIFY(shown[1].text.contains(QStringLiteral("was changed by another program")));
        QCOMPARE(folder.bytes("usr.stg"), changed);
        // The grid shows the base as it now is.
        QCOMPARE(widths(*w), (std::vector<int>{11, 12, 13, 22}));
        QCOMPARE(currentIndex(w.get()), 3);
        QVERIFY(removeEnabled(w.get()));
    }

    void aDamagedContainerKeepsWhatCameBefore()
    {
        ProgramFolder folder;
        folder.container("cbs.stg", {folder.png("c1.png", 16, 16), folder.png("c2.png", 20, 20)});
        {
            QFile file(folder.path("cbs.stg"));
            QVERIFY(file.open(QIODevice::Append));
            file.write("\xff\xff\x00\x00", 4); // a Length far past the end
        }
        auto w = openWindow(folder);
        QCOMPARE(Dialogs::takeShownMessages().size(), 1);
        QCOMPARE(w->CloseButtonList.size(), 2u);
        QVERIFY(w->CloseButtonList[0]->alphaScanline(0) != nullptr);
        QCOMPARE(control<QComboBox>(w.get(), "CloseButtonStyle")->count(), 3);
    }

    void theGridRefusesEmptyCellsAndDrivesRemove()
    {
        ProgramFolder folder;
        standardBase(folder);
        folder.container("usr.stg", {folder.png("u1.png", 21, 5), folder.png("u2.png", 22, 5),
                                     folder.png("u3.png", 23, 5), folder.png("u4.png", 24, 5)});
        auto w = openWindow(folder);
        TTemplateGrid *g = grid(w.get());
        QCOMPARE(g->rowCount(), 2);

        struct Step {
            int click, current;
            bool remove;
        } steps[] = {{3, 3, true}, {1, 1, false}, {6, 6, true},
                     {7, 6, true}, {9, 6, true},  {2, 2, false}};
        for (const Step &s : steps) {
            clickCell(w.get(), s.click);
            QCOMPARE(currentIndex(w.get()), s.current);
            QCOMPARE(removeEnabled(w.get()), s.remove);
        }
        QCOMPARE(w->SelectedPicture()->width(), 13);

        // Keys obey the same veto: from cell 6, Right and End lead to empty cells.
        clickCell(w.get(), 6);
        g->setFocus();
        QTest::keyClick(g, Qt::Key_Right);
        QCOMPARE(currentIndex(w.get()), 6);
        QTest::keyClick(g, Qt::Key_Up);
        QCOMPARE(currentIndex(w.get()), 1);
        QVERIFY(!removeEnabled(w.get()));
        QTest::keyClick(g, Qt::Key_Right);
        QTest::keyClick(g, Qt::Key_Right);
        QTest::keyClick(g, Qt::Key_Right);
        QCOMPARE(currentIndex(w.get()), 4);
        QVERIFY(removeEnabled(w.get()));
        QTest::keyClick(g, Qt::Key_Down); // cell 9 is empty
        QCOMPARE(currentIndex(w.get()), 4);
    }

    void thumbnailsFillTheirCellsAndTheSelectionIsFramed()
    {
        ProgramFolder folder;
        folder.container("usr.stg", {folder.png("wide.png", 400, 100, QColor(0, 160, 0)),
                                     folder.png("tall.png", 10, 300, QColor(0, 0, 200))});
        auto w = openWindow(folder);
        TTemplateGrid *g = grid(w.get());
        const QRect first = g->cellRect(0, 0);
        const QRect second = g->cellRect(1, 0);
        // The user's pictures are painted as their thumbnails arrive.
        QTRY_COMPARE(pixelOf(g->viewport(), second.left(), second.top()), QColor(0, 0, 200));
        const QImage shot = g->viewport()->grab().toImage();
        const QRect empty = g->cellRect(2, 0);
        QCOMPARE(shot.pixelColor(first.topLeft()), QColor(128, 0, 0));
        QCOMPARE(shot.pixelColor(first.topLeft() + QPoint(1, 1)), QColor(128, 0, 0));
        QCOMPARE(shot.pixelColor(first.bottomRight() - QPoint(1, 1)), QColor(128, 0, 0));
        // The 400 x 100 picture is squeezed to the whole cell.
        QCOMPARE(shot.pixelColor(first.topLeft() + QPoint(2, 2)), QColor(0, 160, 0));
        QCOMPARE(shot.pixelColor(first.bottomRight() - QPoint(2, 2)), QColor(0, 160, 0));
        QCOMPARE(shot.pixelColor(second.topLeft()), QColor(0, 0, 200));
        QCOMPARE(shot.pixelColor(second.bottomRight()), QColor(0, 0, 200));
        QCOMPARE(shot.pixelColor(empty.center()), g->palette().color(QPalette::Base));
    }

    void documentSizeStepsByFifty()
    {
        ProgramFolder folder;
        standardBase(folder);
        auto w = openWindow(folder);
        QAbstractButton *inc = button(w.get(), "IncTemplate");
        QAbstractButton *dec = button(w.get(), "DecTemplate");
        QLabel *label = control<QLabel>(w.get(), "ScaleSizeLabel");
        QCOMPARE(label->text(), QStringLiteral("500 px x 500 px"));
        QVERIFY(!inc->isEnabled());
        QVERIFY(dec->isEnabled());
        for (int size = 450; size >= 150; size -= 50) {
            dec->click();
            QCOMPARE(w->Document.DocumentSize, size);
        }
        QCOMPARE(label->text(), QStringLiteral("150 px x 150 px"));
        QVERIFY(!dec->isEnabled());
        dec->click();
        QCOMPARE(w->Document.DocumentSize, 150);
        inc->click();
        QCOMPARE(w->Document.DocumentSize, 200);
        QCOMPARE(label->text(), QStringLiteral("200 px x 200 px"));
    }

    // Ctrl+Z and Ctrl+Shift+Z act on every page and take back the template, the document
    // size, the behaviour page, More options and the output page; typing in one box is one step.
    void undoAndRedoCoverEveryPage()
    {
        ProgramFolder folder;
        standardBase(folder);
        auto w = openWindow(folder);
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QUndoStack &stack = w->History->Stack();
        const TDesignState first = w->Document.Snapshot();
        const auto type = [&](const char *name, const QString &text) {
            auto *edit = control<QLineEdit>(w.get(), name);
            w->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(w.get()));
            edit->setFocus();
            QTRY_VERIFY(edit->hasFocus());
            edit->selectAll();
            QTest::keyClicks(edit, text);
        };

        clickCell(w.get(), 2);
        w->ShowPage(2);
        button(w.get(), "DecTemplate")->click();
        w->ShowPage(3);
        button(w.get(), "NewWindow")->click();
        type("URLEdit", QStringLiteral("https://example.org/"));
        QTimer::singleShot(0, [] {
            for (QWidget *top : QApplication::topLevelWidgets())
                if (auto *dialog = qobject_cast<QDialog *>(top);
                    dialog && dialog->objectName() == QStringLiteral("MoreOptionsDialog")) {
                    control<QAbstractButton>(dialog, "BackdropEnabled")->click();
                    dialog->accept();
                }
        });
        button(w.get(), "MoreOptions")->click();
        QVERIFY(w->Document.Settings.Backdrop);
        w->ShowPage(5);
        type("ExistingFileEdit", QStringLiteral("/tmp/page.htm"));
        const TDesignState last = w->Document.Snapshot();
        // template, size, window, address, more options, page
        QCOMPARE(stack.count(), 6);

        // The first key goes to the page's box that has the focus.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(stack.index(), 5);
        QVERIFY(w->Document.Output.ExistingFile != QStringLiteral("/tmp/page.htm"));
        while (stack.canUndo())
            QTest::keyClick(w.get(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(w->Document.Snapshot() == first);
        QCOMPARE(control<QLineEdit>(w.get(), "URLEdit")->text(), first.Settings.LinkURL);
        QCOMPARE(control<QRadioButton>(w.get(), "SameWindow")->isChecked(),
                 first.Settings.LinkInSameWindow);
        QCOMPARE(currentIndex(w.get()), 0);
        QCOMPARE(control<QLabel>(w.get(), "ScaleSizeLabel")->text(),
                 QStringLiteral("500 px x 500 px"));
        w->ShowPage(1);
        while (stack.canRedo())
            QTest::keyClick(w.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(w->Document.Snapshot() == last);
        QCOMPARE(currentIndex(w.get()), 2);
        QCOMPARE(control<QLineEdit>(w.get(), "ExistingFileEdit")->text(),
                 QStringLiteral("/tmp/page.htm"));
        QVERIFY(Dialogs::takeShownMessages().isEmpty());
    }

    void renderTemplateResamplesToTheSide()
    {
        ProgramFolder folder;
        folder.container("img.stg", {folder.png("t.png", 40, 10, QColor(200, 100, 50))});
        auto w = openWindow(folder);
        w->RenderTemplate(*w->SelectedPicture(), 150);
        QCOMPARE(w->TemplateBitmap.width(), 150);
        QCOMPARE(w->TemplateBitmap.height(), 150);
        QCOMPARE(w->TemplateBitmap.pixel(149, 149), 0xFFC86432u);

        // Pictures one pixel wide or high come in through Load... and serve as templates.
        for (const QSize size : {QSize(1, 1), QSize(1, 6), QSize(6, 1)}) {
            Dialogs::setNextFileName(
                folder.png(QStringLiteral("thin%1x%2.png").arg(size.width()).arg(size.height()),
                           size.width(), size.height(), QColor(10, 200, 30)));
            button(w.get(), "AddUserPng_Simple")->click();
            QVERIFY(Dialogs::takeShownMessages().isEmpty());
            QCOMPARE(w->SelectedPicture()->width(), size.width());
            w->RenderTemplate(*w->SelectedPicture(), 200);
            QCOMPARE(w->TemplateBitmap.pixel(0, 0), 0xFF0AC81Eu);
            QCOMPARE(w->TemplateBitmap.pixel(199, 199), 0xFF0AC81Eu);
        }
    }

    void exitRemovesTheTemporaryFilesAndFolders()
    {
        ProgramFolder folder;
        QTemporaryDir temp;
        const QString parent = temp.filePath("Popup_1");
        const QString child = parent + QStringLiteral("/files");
        QVERIFY(QDir().mkpath(child));
        QStringList files;
        for (const char *name : {"index.htm", "logo.png", "script.js", "pix.gif"}) {
            files << child + QLatin1Char('/') + QLatin1String(name);
            QFile file(files.back());
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        const QString keep = temp.filePath("Popup_2");
        QVERIFY(QDir().mkpath(keep + QStringLiteral("/unlisted")));
        {
            auto w = openWindow(folder);
            w->TempFolders << parent << child << keep;
            w->TempFiles << files << temp.filePath("never-made.txt");
        }
        QVERIFY(!QFileInfo::exists(parent));
        QVERIFY(QFileInfo::exists(keep)); // not empty: left in place, silently
        QVERIFY(Dialogs::takeShownMessages().isEmpty());
    }

    void theErrorBoxAddsAFullStopWhenNeeded_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << "Cannot open file"
                                << "Cannot open file.";
        QTest::newRow("full stop") << "Done."
                                   << "Done.";
        QTest::newRow("exclamation sorts before") << "Oops!"
                                                  << "Oops!";
        QTest::newRow("closing quote sorts before") << "file \"a.png\""
                                                    << "file \"a.png\"";
        QTest::newRow("slash sorts after") << "in /tmp/"
                                           << "in /tmp/.";
        QTest::newRow("digit") << "entry 3"
                               << "entry 3.";
        QTest::newRow("empty") << ""
                               << "";
    }
    void theErrorBoxAddsAFullStopWhenNeeded()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(ErrorBoxText(message), shown);
    }

    void theGuardShowsTheErrorAndCarriesOn()
    {
        ProgramFolder folder;
        auto w = openWindow(folder);
        bool after = false;
        Guarded([] { throw EFileError(QStringLiteral("Cannot open file \"x\". No such file")); });
        Guarded([] { throw std::runtime_error("plain failure"); });
        guarded([&after](bool) { after = true; })(true);
        QVERIFY(after);
        const auto shown = Dialogs::takeShownMessages();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[0].text, QStringLiteral("Cannot open file \"x\". No such file."));
        QCOMPARE(shown[0].caption, QStringLiteral("Vantelle Pro"));
        QCOMPARE(shown[1].text, QStringLiteral("plain failure."));
    }

    void groupFrameTabFollowsTheCaption()
    {
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(12);
        font.setBold(true);
        const QFontMetrics metrics(font);
        const int tw = metrics.horizontalAdvance(QStringLiteral("Sessions"));
        const int th = metrics.height();
        QImage image(300, 80, QImage::Format_RGB32);
        image.fill(GroupPanelColor);
        {
            QPainter painter(&image);
            PaintGroupFrame(painter, 300, 80, QStringLiteral("Sessions"), QColor(245, 245, 245));
        }
        const QColor line(128, 128, 128);
        QCOMPARE(image.pixelColor(0, 0), line);
        QCOMPARE(image.pixelColor(tw + 29 - th, 0), line);
        QCOMPARE(image.pixelColor(tw + 34, th + 5), line);                // the slanted side
        QCOMPARE(image.pixelColor(tw + 29 - th + 3, 0), GroupPanelColor); // beyond the tab
        QCOMPARE(image.pixelColor(299, 79 - 10), line);                   // the frame's right side
        QCOMPARE(image.pixelColor(299, 79), GroupPanelColor);             // a rounded corner
        QCOMPARE(image.pixelColor(5, th + 10), QColor(245, 245, 245));    // squared inner corner
        // The caption is written inside the tab.
        bool dark = false;
        for (int x = 10; x < 10 + tw; ++x)
            for (int y = 3; y < 3 + th; ++y)
                dark = dark || image.pixelColor(x, y).value() < 60;
        QVERIFY(dark);

        // Styling recolours the group's own radio buttons and check boxes, not other controls.
        TPanel panel(nullptr, QStringLiteral("Panel11"), QStringLiteral("Sessions"));
        panel.resize(300, 80);
        auto *radio = new QRadioButton(QStringLiteral("Open popup once per session"), &panel);
        radio->setGeometry(20, 30, 250, 20);
        auto *edit = new QLineEdit(&panel);
        edit->setGeometry(20, 55, 100, 20);
        const QColor editBase = edit->palette().color(QPalette::Base);
        StyleGroupPanel(&panel, QColor(245, 245, 245));
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QCOMPARE(pixelOf(radio, radio->width() - 2, 2), QColor(245, 245, 245));
        QCOMPARE(pixelOf(&panel, 299, 79), GroupPanelColor);
        QCOMPARE(edit->palette().color(QPalette::Base), editBase);
    }
};

VANTELLE_GUI_TEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
