// The designer page driven through its real controls, found by objectName.

#include "app/Dialogs.h"
#include "app/MainWindow.h"
#include "controls/OwnerDrawComboBox.h"
#include "controls/PaintBox.h"
#include "designer/DesignRenderer.h"
#include "designer/FontPickers.h"
#include "document/DesignDocument.h"
#include "imaging/AdditionalPng.h"
#include "tests/cases/DesignerCases.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QUndoStack>

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QProcess>

#include <memory>

namespace {

// The installed TrueType and OpenType families as fontconfig's own lister reports them: each
// font's family names in its first family language, sorted without regard to case, each once.
QStringList ListedFaces()
{
    QProcess list;
    list.start(QStringLiteral("fc-list"),
               {QStringLiteral("--format"),
                QStringLiteral("%{fontformat}\t%{outline}\t%{family}\t%{familylang}\n")});
    if (!list.waitForFinished(30000) || list.exitCode() != 0)
        qFatal("fc-list did not run");
    QStringList faces;
    for (const QString &line : QString::fromUtf8(list.readAllStandardOutput()).split('\n')) {
        const QStringList fields = line.split('\t');
        if (fields.size() != 4 || fields[1] != QLatin1String("True") ||
            (fields[0] != QLatin1String("TrueType") && fields[0] != QLatin1String("CFF")))
            continue;
        const QStringList families = fields[2].split(',');
        const QStringList langs = fields[3].split(',');
        for (qsizetype k = 0; k < families.size(); ++k)
            if (k == 0 || langs.size() <= k || langs[k] == langs[0])
                faces << families[k];
    }
    std::sort(faces.begin(), faces.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    faces.erase(std::unique(faces.begin(), faces.end(),
                            [](const QString &a, const QString &b) {
                                return QString::compare(a, b, Qt::CaseInsensitive) == 0;
                            }),
                faces.end());
    return faces;
}

} // namespace

class DesignerPageTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    std::unique_ptr<TMainForm> m_form;

    template <class T> T *Find(const char *name)
    {
        T *widget = m_form->findChild<T *>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    TDesignModel &Model() { return m_form->Designer->Model(); }
    TMovingObject *Object(int i) { return Model().DesignObjects.at(i).get(); }
    void Click(const char *name) { QTest::mouseClick(Find<QAbstractButton>(name), Qt::LeftButton); }
    void TypeAngle(const QString &text)
    {
        QLineEdit *edit = Find<QSpinBox>("AngleEdit")->findChild<QLineEdit *>();
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            QTest::keyClicks(edit, text);
    }
    void TypeFontSize(const QString &text)
    {
        QLineEdit *edit = Find<QComboBox>("FontSize")->lineEdit();
        // Completion acts only in a box that has the keyboard focus, as a user's box has.
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
        edit->setFocus();
        QTRY_VERIFY(edit->hasFocus());
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    void Pick(const char *name, int index)
    {
        auto *box = Find<QComboBox>(name);
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    void Mouse(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint at)
    {
        auto *box = Find<TPaintBox>("PaintBox1");
        QMouseEvent event(type, at, box->mapToGlobal(at), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(box, &event);
    }
    // Close-button pictures as start-up would have loaded them from the catalogue.
    void AddCloseButtons()
    {
        auto *style = Find<TOwnerDrawComboBox>("CloseButtonStyle");
        for (uint32_t argb : {0xFFFF0000u, 0x80008000u}) {
            Bitmap32 bitmap(30, 30);
            bitmap.fill(argb);
            auto png = std::make_unique<TPNGObject>();
            Bitmap32ToPng(bitmap, *png);
            m_form->CloseButtonList.push_back(std::move(png));
            style->addItem(QStringLiteral("bugfix"));
        }
    }

private slots:
    void init()
    {
        QVERIFY(m_folder.isValid());
        Dialogs::setRecordMessages(true);
        Dialogs::takeShownMessages();
        m_form = std::make_unique<TMainForm>(m_folder.path());
        m_form->show();
        m_form->ShowPage(2);
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
        QVERIFY(Dialogs::takeShownMessages().isEmpty());
    }
    void cleanup() { m_form.reset(); }

    void startsWithControlDefaults()
    {
        QCOMPARE(Find<QPushButton>("AddText")->text(), QStringLiteral("Add ne&w"));
        QVERIFY(!Find<QPushButton>("Erase")->isEnabled());
        QCOMPARE(Find<QPlainTextEdit>("TextEdit")->toPlainText(), QString());
        QCOMPARE(Find<QComboBox>("FontName")->currentText(), DefaultFontFace(ListedFaces()));
        QCOMPARE(Find<QComboBox>("FontColor")->count(), 21);
        QCOMPARE(Find<QComboBox>("FontColor")->currentIndex(), 0);
        QCOMPARE(Find<QComboBox>("FontSize")->count(), 17);
        QCOMPARE(Find<QComboBox>("FontSize")->currentText(), QStringLiteral("14"));
        QCOMPARE(Find<QComboBox>("CloseButtonStyle")->currentIndex(), 0);
        QCOMPARE(Find<QComboBox>("CloseButtonStyle")->itemText(0),
                 QStringLiteral("No close button"));
        QCOMPARE(Find<QLabel>("CBScaleLabel")->text(), QStringLiteral("Scale"));
        QCOMPARE(Find<QLabel>("ScaleSizeLabel")->text(), QStringLiteral("500 px x 500 px"));
        QVERIFY(!Find<QAbstractButton>("IncTemplate")->isEnabled());
        QVERIFY(Find<QAbstractButton>("DecTemplate")->isEnabled());
        QCOMPARE(Find<QSpinBox>("AngleEdit")->value(), 0);
        QCOMPARE(Model().DesignObjects.size(), size_t{1});
        QVERIFY(Model().CloseButtonObject()->IsPicture);
        QCOMPARE(Find<TPaintBox>("PaintBox1")->geometry(), QRect(14, 13, 504, 504));
    }

    void addTextThreeTimesCopiesTheSelectedObject()
    {
        Click("AddText");
        QCOMPARE(Model().DesignObjects.size(), size_t{2});
        TMovingObject *first = Object(1);
        QCOMPARE(m_form->Designer->CurrentObject(), first);
        QCOMPARE(Find<QPushButton>("AddText")->text(), QStringLiteral("&Post copy"));
        QCOMPARE(first->Lines, QStringList{"Sample text"});
        QCOMPARE(first->Font.Name, DefaultFontFace(ListedFaces()));
        QCOMPARE(first->Font.Size, 14);
        QCOMPARE(first->Font.Color, 0u);

        // Restyle the first object through its controls, then copy it.
        Pick("FontColor", 13);
        TypeFontSize(QStringLiteral("20"));
        Click("FontB");
        Click("FontU");
        TypeAngle(QStringLiteral("45"));
        Find<QPlainTextEdit>("TextEdit")->setPlainText(QStringLiteral("One\nTwo"));
        const TFontDesc styled = first->Font;
        QCOMPARE(styled.Color, 0x0000FFu);
        QCOMPARE(styled.Size, 20);
        QVERIFY(styled.Bold && !styled.Italic && styled.Underline);
        QCOMPARE(first->Angle, 45);
        QCOMPARE(first->Lines, (QStringList{"One", "Two"}));

        Click("AddText");
        Click("AddText");
        QCOMPARE(Model().DesignObjects.size(), size_t{4});
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(QPoint(Object(i + 1)->X, Object(i + 1)->Y),
                     QPoint(DefaultPositions[i].x, DefaultPositions[i].y));
            if (i > 0) {
                QVERIFY(Object(i + 1)->Font == styled);
                QCOMPARE(Object(i + 1)->Angle, 45);
                QCOMPARE(Object(i + 1)->Lines, (QStringList{"One", "Two"}));
            }
        }
        QCOMPARE(m_form->Designer->CurrentObject(), Object(3));
    }

    void typedAnglesAreFolded()
    {
        Click("AddText");
        TMovingObject *object = Object(1);
        // Typed key by key, as a user would.
        for (const TAngleCase &c : AngleCases) {
            TypeAngle(QStringLiteral("25"));
            QCOMPARE(object->Angle, 25);
            TypeAngle(QString::fromLatin1(c.typed));
            QCOMPARE(object->Angle, c.angle);
            QCOMPARE(Find<QSpinBox>("AngleEdit")->findChild<QLineEdit *>()->text(),
                     QString::fromLatin1(c.shown));
        }
    }

    void typedFontSizesAreTakenAsTyped()
    {
        Click("AddText");
        TMovingObject *object = Object(1);
        // Key by key: nothing completes "7" to "72" or "1" to "10".
        for (const char *typed : {"7", "1", "2", "13", "36"}) {
            TypeFontSize(QString::fromLatin1(typed));
            QCOMPARE(Find<QComboBox>("FontSize")->currentText(), QString::fromLatin1(typed));
            QCOMPARE(object->Font.Size, QString::fromLatin1(typed).toInt());
        }
        QCOMPARE(Find<QComboBox>("FontSize")->count(), 17);

        Dialogs::takeShownMessages();
        Pick("FontColor", 2);
        TypeFontSize(QStringLiteral("abc"));
        const QList<Dialogs::ShownMessage> shown = Dialogs::takeShownMessages();
        QVERIFY(!shown.isEmpty());
        QCOMPARE(shown.last().text, QStringLiteral("'abc' is not a valid integer value."));
        QCOMPARE(shown.last().icon, QMessageBox::Critical);
        QCOMPARE(object->Font.Size, 36);
        QCOMPARE(object->Font.Color, PaletteColors()[2]);
    }

    // Keystrokes in the size box or the angle box are one step, as typing in the text box is;
    // a box emptied with Backspace is a number still being typed, not an error.
    void typedSizesAndAnglesAreOneStepEach()
    {
        Click("AddText");
        TMovingObject *object = Object(1);
        QUndoStack &stack = m_form->History->Stack();
        const int start = stack.count();
        TypeFontSize(QStringLiteral("16"));
        TypeAngle(QStringLiteral("-25"));
        QLineEdit *size = Find<QComboBox>("FontSize")->lineEdit();
        size->selectAll();
        QTest::keyClick(size, Qt::Key_Backspace);
        QVERIFY(Dialogs::takeShownMessages().isEmpty());
        QCOMPARE(object->Font.Size, 16);
        QTest::keyClicks(size, QStringLiteral("20"));
        QCOMPARE(object->Font.Size, 20);
        QCOMPARE(stack.count(), start + 3);

        const struct {
            int size, angle;
        } undone[] = {{16, -25}, {16, 0}, {14, 0}};
        for (const auto &step : undone) {
            stack.undo();
            object = Object(1);
            QCOMPARE(object->Font.Size, step.size);
            QCOMPARE(object->Angle, step.angle);
        }
        // A size picked from the list is a step of its own.
        Pick("FontSize", Find<QComboBox>("FontSize")->findText(QStringLiteral("24")));
        Pick("FontSize", Find<QComboBox>("FontSize")->findText(QStringLiteral("30")));
        QCOMPARE(stack.count(), start + 2);
    }

    // Typing into one text, choosing another without a press on the canvas and typing again
    // are two steps: one undo takes back only the second text's typing.
    void typingIntoAnotherTextIsAStepOfItsOwn()
    {
        Click("AddText");
        Click("AddText");
        auto *text = Find<QPlainTextEdit>("TextEdit");
        m_form->Designer->SelectObject(Object(1));
        QTest::keyClicks(text, QStringLiteral("One"));
        const QStringList first = Object(1)->Lines;
        m_form->Designer->SelectObject(Object(2));
        const QStringList second = Object(2)->Lines;
        QTest::keyClicks(text, QStringLiteral("Two"));
        QVERIFY(Object(2)->Lines != second);
        m_form->History->Stack().undo();
        QCOMPARE(Object(1)->Lines, first);
        QCOMPARE(Object(2)->Lines, second);
    }

    void coloursFindTheirItemAndTheCustomSlot()
    {
        Click("AddText");
        TMovingObject *object = Object(1);
        auto *colors = Find<QComboBox>("FontColor");
        for (const TColourCase &c : ColourCases) {
            object->Font.Color = c.colour;
            m_form->Designer->SelectObject(object);
            QCOMPARE(colors->currentIndex(), c.item);
            QCOMPARE(colors->itemData(20).value<uint32_t>(), c.customAfter);
        }
        object->Font.Color = 0x030201;
        m_form->Designer->SelectObject(object);

        // The dialog opens on the colour chosen in it last, not on the object's.
        Dialogs::setNextColor(Qt::white);
        Click("CustomColorButton");
        QCOMPARE(Dialogs::lastColorDialogInitial(), QColor(Qt::black));
        QCOMPARE(colors->currentIndex(), 20);
        QCOMPARE(object->Font.Color, 0xFFFFFFu);
        Dialogs::setNextColor(Qt::red, false);
        Click("CustomColorButton");
        QCOMPARE(Dialogs::lastColorDialogInitial(), QColor(Qt::white));
        QCOMPARE(object->Font.Color, 0xFFFFFFu);
        m_form->Designer->SelectObject(object);
        QCOMPARE(colors->currentIndex(), 19);
    }

    void mouseSelectsAndOnlyTheLeftButtonDrags()
    {
        Click("AddText");
        Click("AddText");
        TMovingObject *lower = Object(1);
        TMovingObject *upper = Object(2);
        m_form->Designer->SelectObject(nullptr);
        const TRect b = m_form->Designer->BoundsOf(upper);

        // Inside both objects' Bounds: the later one wins.
        Mouse(QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, QPoint(b.Left, b.Top));
        QCOMPARE(m_form->Designer->CurrentObject(), upper);
        QCOMPARE(QPoint(m_form->Designer->Selection().DragOffsetX,
                        m_form->Designer->Selection().DragOffsetY),
                 QPoint(b.Left - upper->X, b.Top - upper->Y));
        Mouse(QEvent::MouseMove, Qt::NoButton, Qt::RightButton, QPoint(b.Left + 40, b.Top + 40));
        QCOMPARE(QPoint(upper->X, upper->Y), QPoint(70, 70));
        Mouse(QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton,
              QPoint(b.Left + 40, b.Top + 40));

        // Left-drag moves by exactly the mouse movement, also off the canvas.
        Mouse(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, QPoint(60, 60));
        QCOMPARE(m_form->Designer->CurrentObject(), lower);
        Mouse(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, QPoint(-40, 70));
        Mouse(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, QPoint(-40, 70));
        QCOMPARE(QPoint(lower->X, lower->Y), QPoint(-50, 60));

        // The right and bottom edges of Bounds are outside; empty canvas clears the selection.
        const TRect u = m_form->Designer->BoundsOf(upper);
        Mouse(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, QPoint(u.Right, u.Top));
        QCOMPARE(m_form->Designer->CurrentObject(), nullptr);
        QCOMPARE(Find<QPushButton>("AddText")->text(), QStringLiteral("Add ne&w"));
        Mouse(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, QPoint(300, 300));
        QCOMPARE(QPoint(upper->X, upper->Y), QPoint(70, 70));
    }

    void closeButtonPickScaleAndErase()
    {
        AddCloseButtons();
        TMovingObject *button = Model().CloseButtonObject();
        // Without a picture the close button cannot be clicked.
        Mouse(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, QPoint(400, 50));
        QCOMPARE(m_form->Designer->CurrentObject(), nullptr);

        Pick("CloseButtonStyle", 2);
        // The design holds its own copy of the catalogue's picture.
        QVERIFY(button->ButtonPicture);
        QCOMPARE(button->ButtonPicture, m_form->Document.CloseButton().Picture.get());
        QVERIFY(SamePicture(*button->ButtonPicture, *m_form->CloseButtonList[1]));
        QCOMPARE(m_form->Designer->CurrentObject(), button);
        QCOMPARE(m_form->Designer->BoundsOf(button), (TRect{398, 48, 432, 82}));
        QVERIFY(!Find<QPlainTextEdit>("TextEdit")->isEnabled());
        QVERIFY(!Find<QLabel>("Label6")->isEnabled());
        QVERIFY(Find<QPushButton>("Erase")->isEnabled());
        QVERIFY(Find<QAbstractButton>("SpeedButton4")->isEnabled());
        Click("SpeedButton4");
        QCOMPARE(QPoint(button->X, button->Y), QPoint(400, 42));

        for (int press = 1; press <= 10; ++press)
            Click("IncCloseButton");
        QCOMPARE(m_form->Designer->BoundsOf(button),
                 (TRect{395, 37, 465, 107})); // 60 x 60, margin 5

        // Picking "No close button" keeps the scale and position; Erase does the same.
        Pick("CloseButtonStyle", 0);
        QCOMPARE(button->ButtonPicture, nullptr);
        QCOMPARE(m_form->Designer->CurrentObject(), nullptr);
        QCOMPARE(m_form->Designer->BoundsOf(button), (TRect{400, 42, 400, 42}));
        Pick("CloseButtonStyle", 1);
        Click("Erase");
        QCOMPARE(Find<QComboBox>("CloseButtonStyle")->currentIndex(), 0);
        QCOMPARE(button->ButtonPicture, nullptr);
        QCOMPARE(Model().CloseButtonObject(), button);
        QCOMPARE(m_form->Designer->CurrentObject(), nullptr);
        QCOMPARE(button->ButtonScale > 2.0, true);
    }

    void scaleButtonsStepByATenth_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(ScaleCases)); ++i)
            QTest::newRow(ScaleCases[i].label) << i;
    }
    void scaleButtonsStepByATenth()
    {
        QFETCH(int, row);
        const TScaleCase &c = ScaleCases[row];
        AddCloseButtons();
        Pick("CloseButtonStyle", 1);
        const char *name = c.increase ? "IncCloseButton" : "DecCloseButton";
        for (int press = 1; press <= c.presses; ++press) {
            QVERIFY2(Find<QAbstractButton>(name)->isEnabled(), qPrintable(QString::number(press)));
            Click(name);
        }
        QCOMPARE(Find<QLabel>("CBScaleLabel")->text(), QString::fromLatin1(c.label));
        QCOMPARE(Find<QAbstractButton>(name)->isEnabled(), c.canPressAgain);
        QVERIFY(Dialogs::takeShownMessages().isEmpty());
    }

    void theSmallestScaleStillDrawsThePicture()
    {
        AddCloseButtons();
        Pick("CloseButtonStyle", 1);
        for (int press = 1; press <= 9; ++press)
            Click("DecCloseButton");
        // The ninth step leaves the scale a hair above 0.1, so 30 pixels become 3.
        const TRect drawn = m_form->Designer->BoundsOf(Model().CloseButtonObject());
        QCOMPARE(drawn.Right - drawn.Left, 3);
        QVERIFY(Dialogs::takeShownMessages().isEmpty());
    }

    void eraseRemovesTheSelectedText()
    {
        Click("AddText");
        Click("Erase");
        QCOMPARE(Model().DesignObjects.size(), size_t{1});
        QCOMPARE(m_form->Designer->CurrentObject(), nullptr);
        QVERIFY(!Find<QPushButton>("Erase")->isEnabled());
    }

    // The selection is the page's, by place: undo and redo keep it on the object at the same
    // place while there is one there, writing the popup leaves it alone and another design
    // drops it.
    void theSelectionFollowsItsPlaceAndOutlivesThePopup()
    {
        Click("AddText");
        Click("AddText");
        QUndoStack &stack = m_form->History->Stack();
        QCOMPARE(m_form->Designer->CurrentObject(), Object(2));
        m_form->Preview->WritePreviewFiles();
        QCOMPARE(m_form->Designer->CurrentObject(), Object(2));

        Click("SpeedButton7");
        stack.undo();
        QCOMPARE(m_form->Designer->CurrentObject(), Object(2));
        stack.undo(); // the second text goes: nothing at its place
        QCOMPARE(m_form->Designer->CurrentObject(), nullptr);
        stack.redo();
        QCOMPARE(Model().DesignObjects.size(), size_t{3});
        QCOMPARE(m_form->Designer->CurrentObject(), nullptr);

        Dialogs::setNextFileName(m_folder.filePath(QStringLiteral("two.vpopup")));
        QVERIFY(m_form->Files->SaveDesignAs());
        m_form->Designer->SelectObject(Object(1));
        Dialogs::setNextFileName(m_folder.filePath(QStringLiteral("two.vpopup")));
        m_form->Files->OpenDesignClick();
        QCOMPARE(Model().DesignObjects.size(), size_t{3});
        QCOMPARE(m_form->Designer->CurrentObject(), nullptr);
    }

    void documentSizeMovesTheFrameButNoObject()
    {
        Click("AddText");
        for (int press = 0; press < 7; ++press)
            Click("DecTemplate");
        QCOMPARE(Find<QLabel>("ScaleSizeLabel")->text(), QStringLiteral("150 px x 150 px"));
        QVERIFY(!Find<QAbstractButton>("DecTemplate")->isEnabled());
        QVERIFY(Find<QAbstractButton>("IncTemplate")->isEnabled());
        for (int at : {173, 174, 325, 326})
            QCOMPARE(m_form->DesignBitmap.pixel(at, 250), DocumentFrameColor);
        QCOMPARE(QPoint(Object(1)->X, Object(1)->Y), QPoint(50, 50));
        // A new object's default position follows the document square.
        m_form->Designer->SelectObject(nullptr);
        Click("AddText");
        QCOMPARE(QPoint(Object(2)->X, Object(2)->Y), QPoint(225, 225));
    }

    void canvasShowsTheDesignInsideABlackFrame()
    {
        // Every design pixel gets a colour of its own, so a picture shown a pixel off differs.
        Bitmap32 &design = m_form->DesignBitmap;
        for (int y = 0; y < 500; ++y)
            for (int x = 0; x < 500; ++x)
                design.setPixel(x, y,
                                0xFF000000u | uint32_t(x & 0xFF) << 16 | uint32_t(y & 0xFF) << 8 |
                                    uint32_t((x >> 8) | (y >> 8) << 1));
        const QImage shot = Find<TPaintBox>("PaintBox1")->grab().toImage();
        QCOMPARE(shot.pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(shot.pixelColor(1, 250), QColor(Qt::black));
        QCOMPARE(shot.pixelColor(503, 503), QColor(Qt::black));
        // Design pixel (x, y) shows at (x + 2, y + 2).
        for (const QPoint at : {QPoint(0, 0), QPoint(499, 499), QPoint(0, 499), QPoint(499, 0),
                                QPoint(250, 137), QPoint(60, 55)})
            QCOMPARE(shot.pixel(at + QPoint(2, 2)), design.pixel(at.x(), at.y()));
    }

    void theFaceListHoldsEachTrueTypeFamilyOnceAndShowsSixteenRows()
    {
        auto *faces = Find<QComboBox>("FontName");
        QStringList shown;
        for (int i = 0; i < faces->count(); ++i)
            shown << faces->itemText(i);
        QCOMPARE(shown, ListedFaces());
        // Neither the generic aliases nor one entry per foundry ("Nimbus Sans [URW ]").
        for (const QString &face : shown) {
            QVERIFY2(!face.contains(QLatin1Char('[')), qPrintable(face));
            for (const char *alias : {"Sans Serif", "Serif", "Monospace"})
                QVERIFY2(face != QLatin1String(alias), alias);
        }

        while (faces->count() < 40)
            faces->addItem(QStringLiteral("Extra %1").arg(faces->count()));
        faces->showPopup();
        QAbstractItemView *view = faces->view();
        QTRY_VERIFY(view->isVisible());
        int rows = 0;
        for (int i = 0; i < faces->count(); ++i)
            rows += view->viewport()->rect().contains(view->visualRect(view->model()->index(i, 0)));
        faces->hidePopup();
        QCOMPARE(rows, 16);
    }

    void selectingAnObjectShowsItsStyleAndPostCopyKeepsIt()
    {
        const char *const styles[] = {"FontB", "FontI", "FontU"};
        for (int s = 0; s < 3; ++s) {
            m_form->Designer->SelectObject(nullptr);
            Click("AddText");
            TMovingObject *styled = m_form->Designer->CurrentObject();
            Click(styles[s]);
            m_form->Designer->SelectObject(nullptr);
            QVERIFY(!Find<QToolButton>(styles[s])->isChecked());
            m_form->Designer->SelectObject(styled);
            for (int b = 0; b < 3; ++b)
                QCOMPARE(Find<QToolButton>(styles[b])->isChecked(), b == s);
            Click("AddText"); // "Post copy"
            QVERIFY(m_form->Designer->CurrentObject() != styled);
            QVERIFY(m_form->Designer->CurrentObject()->Font == styled->Font);
        }
    }

    void aTrailingBlankLineIsKeptAsTyped()
    {
        Click("AddText");
        TMovingObject *object = Object(1);
        auto *edit = Find<QPlainTextEdit>("TextEdit");
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("abc"));
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(object->Lines, (QStringList{"abc", ""}));
        const int height =
            m_form->Designer->BoundsOf(object).Bottom - m_form->Designer->BoundsOf(object).Top;

        // Selected again, then something else changes.
        m_form->Designer->SelectObject(nullptr);
        m_form->Designer->SelectObject(object);
        QCOMPARE(edit->toPlainText(), QStringLiteral("abc\n\n"));
        Click("SpeedButton4");
        QCOMPARE(object->Lines, (QStringList{"abc", ""}));
        QCOMPARE(m_form->Designer->BoundsOf(object).Bottom - m_form->Designer->BoundsOf(object).Top,
                 height);
    }

    // "No close button" stays inside the field beside the arrow, also in a face wider than the
    // one the layout was made with: no text at the field's edges, where it would be cut off.
    void noCloseButtonIsNotCutOffByTheArrow()
    {
        auto *style = Find<TOwnerDrawComboBox>("CloseButtonStyle");
        style->setCurrentIndex(0);
        QStyleOptionComboBox option;
        option.initFrom(style);
        option.subControls = QStyle::SC_All;
        const QRect field = style->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                           QStyle::SC_ComboBoxEditField, style);
        for (const int pixels : {13, 15, 17}) {
            QFont font = style->font();
            font.setPixelSize(pixels);
            style->setFont(font);
            const QImage shown = style->grab().toImage();
            int inked = 0;
            for (const int x : {field.left(), field.left() + 1, field.right() - 1, field.right()})
                for (int y = field.top(); y <= field.bottom(); ++y)
                    inked += qGray(shown.pixel(x, y)) < 128;
            QVERIFY2(
                inked == 0,
                qPrintable(
                    QStringLiteral("%1 px: %2 dark pixels at the edges").arg(pixels).arg(inked)));
            QCOMPARE(style->geometry(), QRect(8, 78, 121, 30));
        }
    }

    void controlsHaveTheirLayoutSizes()
    {
        const struct {
            const char *name;
            QSize size;
        } controls[] = {
            {"FontB", {23, 22}},          {"FontI", {23, 22}},        {"FontU", {23, 22}},
            {"SpeedButton4", {41, 22}},   {"SpeedButton5", {41, 22}}, {"SpeedButton6", {41, 22}},
            {"SpeedButton7", {41, 22}},   {"AddText", {85, 25}},      {"Erase", {85, 25}},
            {"IncTemplate", {33, 33}},    {"DecTemplate", {33, 33}},  {"IncCloseButton", {26, 25}},
            {"DecCloseButton", {25, 25}}, {"TextEdit", {177, 81}}};
        for (const auto &c : controls)
            QCOMPARE(Find<QWidget>(c.name)->size(), c.size);
        for (const char *name : {"SpeedButton4", "SpeedButton5", "SpeedButton6", "SpeedButton7"})
            QVERIFY2(Find<QToolButton>(name)->autoRaise(), name); // flat
        // The group frame's top line runs at the caption's height + 6 (Arial 9 points, bold).
        QFont caption(QStringLiteral("Arial"));
        caption.setPixelSize(12);
        caption.setBold(true);
        const int frameLine = QFontMetrics(caption).height() + 6;
        QVERIFY(Find<QLabel>("Label19")->y() > frameLine);
    }
};

QTEST_MAIN(DesignerPageTest)
#include "designer_page_test.moc"
