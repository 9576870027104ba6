// The designer page driven through its real controls, found by objectName.

#include "app/Dialogs.h"
#include "app/MainWindow.h"
#include "controls/OwnerDrawComboBox.h"
#include "controls/PaintBox.h"
#include "designer/DesignRenderer.h"
#include "designer/FontPickers.h"
#include "imaging/AdditionalPng.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

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
        QCOMPARE(Find<QPushButton>("AddText")->text(), QStringLiteral("Add new"));
        QVERIFY(!Find<QPushButton>("Erase")->isEnabled());
        QCOMPARE(Find<QPlainTextEdit>("TextEdit")->toPlainText(), QString());
        auto *faces = Find<QComboBox>("FontName");
        QCOMPARE(faces->count(), FontFaceList().size());
        QCOMPARE(faces->currentText(), DefaultFontFace(FontFaceList()));
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
        QCOMPARE(Model().CurrentObject, first);
        QCOMPARE(Find<QPushButton>("AddText")->text(), QStringLiteral("Post copy"));
        QCOMPARE(first->Lines, QStringList{"Sample text"});
        QCOMPARE(first->Font.Name, DefaultFontFace(FontFaceList()));
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
        const QList<QPoint> expected{{50, 50}, {70, 70}, {90, 90}};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(QPoint(Object(i + 1)->X, Object(i + 1)->Y), expected[i]);
            if (i > 0) {
                QVERIFY(Object(i + 1)->Font == styled);
                QCOMPARE(Object(i + 1)->Angle, 45);
                QCOMPARE(Object(i + 1)->Lines, (QStringList{"One", "Two"}));
            }
        }
        QCOMPARE(Model().CurrentObject, Object(3));
    }

    void typedAnglesAreFolded()
    {
        Click("AddText");
        TMovingObject *object = Object(1);
        // Typed key by key, as a user would; a lone "-" or an emptied box waits for more.
        const struct {
            QString typed;
            int angle;
            QString shown;
        } cases[] = {{"190", -170, "-170"}, {"-180", 180, "180"}, {"360", 0, "0"},
                     {"-360", 0, "0"},      {"500", 140, "140"},  {"abc", 0, "0"},
                     {"-45", -45, "-45"},   {"-", 0, "-"},        {"", 0, ""}};
        for (const auto &c : cases) {
            TypeAngle(QStringLiteral("25"));
            QCOMPARE(object->Angle, 25);
            TypeAngle(c.typed);
            QCOMPARE(object->Angle, c.angle);
            QCOMPARE(Find<QSpinBox>("AngleEdit")->findChild<QLineEdit *>()->text(), c.shown);
        }
    }

    void nonNumericFontSizeIsReportedAndKeepsTheOldSize()
    {
        Click("AddText");
        TMovingObject *object = Object(1);
        Dialogs::takeShownMessages();
        Pick("FontColor", 2);
        TypeFontSize(QStringLiteral("abc"));
        const QList<Dialogs::ShownMessage> shown = Dialogs::takeShownMessages();
        QVERIFY(!shown.isEmpty());
        QCOMPARE(shown.last().text, QStringLiteral("'abc' is not a valid integer value."));
        QCOMPARE(shown.last().icon, QMessageBox::Critical);
        QCOMPARE(object->Font.Size, 14);
        QCOMPARE(object->Font.Color, PaletteColors()[2]);
        TypeFontSize(QStringLiteral("13"));
        QCOMPARE(object->Font.Size, 13);
        QCOMPARE(Find<QComboBox>("FontSize")->count(), 17);
    }

    void coloursFindTheirItemAndTheCustomSlot()
    {
        Click("AddText");
        TMovingObject *object = Object(1);
        auto *colors = Find<QComboBox>("FontColor");
        const struct {
            uint32_t color;
            int index;
        } cases[] = {{0x0000FF, 13}, {0x030201, 20}, {0xFFFFFF, 19}};
        for (const auto &c : cases) {
            object->Font.Color = c.color;
            m_form->Designer->SelectObject(object);
            QCOMPARE(colors->currentIndex(), c.index);
        }
        QCOMPARE(colors->itemData(20).value<uint32_t>(), 0x030201u);

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
        const TRect b = upper->Bounds;

        // Inside both objects' Bounds: the later one wins.
        Mouse(QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, QPoint(b.Left, b.Top));
        QCOMPARE(Model().CurrentObject, upper);
        QCOMPARE(QPoint(Model().DragOffsetX, Model().DragOffsetY),
                 QPoint(b.Left - upper->X, b.Top - upper->Y));
        Mouse(QEvent::MouseMove, Qt::NoButton, Qt::RightButton, QPoint(b.Left + 40, b.Top + 40));
        QCOMPARE(QPoint(upper->X, upper->Y), QPoint(70, 70));
        Mouse(QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton,
              QPoint(b.Left + 40, b.Top + 40));

        // Left-drag moves by exactly the mouse movement, also off the canvas.
        Mouse(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, QPoint(60, 60));
        QCOMPARE(Model().CurrentObject, lower);
        Mouse(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, QPoint(-40, 70));
        Mouse(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, QPoint(-40, 70));
        QCOMPARE(QPoint(lower->X, lower->Y), QPoint(-50, 60));

        // The right and bottom edges of Bounds are outside; empty canvas clears the selection.
        const TRect u = upper->Bounds;
        Mouse(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, QPoint(u.Right, u.Top));
        QCOMPARE(Model().CurrentObject, nullptr);
        QCOMPARE(Find<QPushButton>("AddText")->text(), QStringLiteral("Add new"));
        Mouse(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, QPoint(300, 300));
        QCOMPARE(QPoint(upper->X, upper->Y), QPoint(70, 70));
    }

    void closeButtonPickScaleAndErase()
    {
        AddCloseButtons();
        TMovingObject *button = Model().CloseButtonObject();
        // Without a picture the close button cannot be clicked.
        Mouse(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, QPoint(400, 50));
        QCOMPARE(Model().CurrentObject, nullptr);

        Pick("CloseButtonStyle", 2);
        QCOMPARE(button->ButtonPicture, m_form->CloseButtonList[1].get());
        QCOMPARE(Model().CurrentObject, button);
        QCOMPARE(button->Bounds, (TRect{398, 48, 432, 82}));
        QVERIFY(!Find<QPlainTextEdit>("TextEdit")->isEnabled());
        QVERIFY(!Find<QLabel>("Label6")->isEnabled());
        QVERIFY(Find<QPushButton>("Erase")->isEnabled());
        QVERIFY(Find<QAbstractButton>("SpeedButton4")->isEnabled());
        Click("SpeedButton4");
        QCOMPARE(QPoint(button->X, button->Y), QPoint(400, 42));

        for (int press = 1; press <= 10; ++press) {
            QVERIFY(Find<QAbstractButton>("IncCloseButton")->isEnabled());
            Click("IncCloseButton");
        }
        QCOMPARE(Find<QLabel>("CBScaleLabel")->text(), QStringLiteral("Scale (2)"));
        QVERIFY(!Find<QAbstractButton>("IncCloseButton")->isEnabled());
        QCOMPARE(button->Bounds, (TRect{395, 37, 465, 107})); // 60 x 60, margin 5

        // Picking "No close button" keeps the scale and position; Erase does the same.
        Pick("CloseButtonStyle", 0);
        QCOMPARE(button->ButtonPicture, nullptr);
        QCOMPARE(Model().CurrentObject, nullptr);
        QCOMPARE(button->Bounds, (TRect{400, 42, 400, 42}));
        Pick("CloseButtonStyle", 1);
        Click("Erase");
        QCOMPARE(Find<QComboBox>("CloseButtonStyle")->currentIndex(), 0);
        QCOMPARE(button->ButtonPicture, nullptr);
        QCOMPARE(Model().CloseButtonObject(), button);
        QCOMPARE(Model().CurrentObject, nullptr);
        QCOMPARE(button->ButtonScale > 2.0, true);
    }

    void scaleDownStopsAtATenth()
    {
        AddCloseButtons();
        Pick("CloseButtonStyle", 1);
        for (int press = 1; press <= 9; ++press) {
            QVERIFY2(Find<QAbstractButton>("DecCloseButton")->isEnabled(),
                     qPrintable(QString::number(press)));
            Click("DecCloseButton");
        }
        QCOMPARE(Find<QLabel>("CBScaleLabel")->text(), QStringLiteral("Scale (0.1)"));
        QVERIFY(!Find<QAbstractButton>("DecCloseButton")->isEnabled());
        // The ninth step leaves the scale a hair above 0.1, so 30 pixels become 3.
        QCOMPARE(Model().CloseButtonObject()->ScaledPicture->width(), 3);
        QVERIFY(Dialogs::takeShownMessages().isEmpty());
    }

    void eraseRemovesTheSelectedText()
    {
        Click("AddText");
        Click("Erase");
        QCOMPARE(Model().DesignObjects.size(), size_t{1});
        QCOMPARE(Model().CurrentObject, nullptr);
        QVERIFY(!Find<QPushButton>("Erase")->isEnabled());
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
        Click("AddText");
        const QImage shot = Find<TPaintBox>("PaintBox1")->grab().toImage();
        QCOMPARE(shot.pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(shot.pixelColor(1, 250), QColor(Qt::black));
        QCOMPARE(shot.pixelColor(503, 503), QColor(Qt::black));
        // Design pixel (x, y) shows at (x + 2, y + 2).
        QCOMPARE(shot.pixel(252, 252), m_form->DesignBitmap.pixel(250, 250));
        QCOMPARE(shot.pixel(2 + 60, 2 + 55), m_form->DesignBitmap.pixel(60, 55));
    }
};

QTEST_MAIN(DesignerPageTest)
#include "designer_page_test.moc"
