// The designer page by keyboard and screen reader: the canvas's keys, Tab through the objects
// and the controls, the Alt letters, and what the accessibility interfaces tell.

#include "app/Dialogs.h"
#include "app/MainWindow.h"
#include "controls/OwnerDrawComboBox.h"
#include "controls/PaintBox.h"
#include "designer/DesignRenderer.h"
#include "designer_keys.h"
#include "document/DesignDocument.h"
#include "gui_helpers.h"
#include "imaging/AdditionalPng.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include <memory>
#include <vector>

namespace {

// The control a focus widget belongs to: a spin box for the text field inside it.
QWidget *Control(QWidget *widget)
{
    QWidget *parent = widget ? widget->parentWidget() : nullptr;
    return parent && parent->focusProxy() == widget ? parent : widget;
}

QString AccessibleText(QWidget *widget, QAccessible::Text text)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(text) : QString();
}

} // namespace

class DesignerKeysTest : public QObject {
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
    TPaintBox *Canvas() { return Find<TPaintBox>("PaintBox1"); }
    QUndoStack &Stack() { return m_form->History->Stack(); }
    int Selected() { return Model().IndexOf(m_form->Designer->CurrentObject()); }
    QWidget *Focus() { return QApplication::focusWidget(); }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QVERIFY(DesignerKeys::Press(key, modifiers));
    }
    void AddText(const QString &text)
    {
        Find<QPushButton>("AddText")->click();
        Find<QPlainTextEdit>("TextEdit")->setPlainText(text);
    }
    // Two close-button pictures in the catalogue, listed as start-up lists them.
    void AddCloseButtons()
    {
        for (uint32_t argb : {0xFFFF0000u, 0x80008000u}) {
            Bitmap32 bitmap(30, 30);
            bitmap.fill(argb);
            auto png = std::make_unique<TPNGObject>();
            Bitmap32ToPng(bitmap, *png);
            m_form->CloseButtonList.push_back(std::move(png));
        }
        m_form->Designer->ListCloseButtons(2);
    }
    void PickCloseButton(int item)
    {
        auto *box = Find<QComboBox>("CloseButtonStyle");
        box->setCurrentIndex(item);
        emit box->activated(item);
    }
    // The focusable controls of the page on show and of the window around it, as Tab meets
    // them.
    QWidgetList Focusable()
    {
        QWidgetList found;
        for (QWidget *w : m_form->findChildren<QWidget *>())
            if (w->isVisibleTo(m_form.get()) && w->isEnabled() &&
                (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy())
                found << Control(w);
        return found;
    }
    void FocusCanvas()
    {
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
        Canvas()->setFocus(Qt::MouseFocusReason);
        QTRY_COMPARE(Focus(), Canvas());
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
    }
    void cleanup() { m_form.reset(); }

    // Each key on the canvas changes the selected object as one undo step, and undo brings
    // the design back as it was.
    void canvasKeysAreOneStepEach_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<bool>("closeButton");
        QTest::addColumn<QPoint>("moved");
        QTest::addColumn<bool>("erased");
        QTest::newRow("left") << int(Qt::Key_Left) << false << false << QPoint(-1, 0) << false;
        QTest::newRow("right") << int(Qt::Key_Right) << false << false << QPoint(1, 0) << false;
        QTest::newRow("up") << int(Qt::Key_Up) << false << false << QPoint(0, -1) << false;
        QTest::newRow("down") << int(Qt::Key_Down) << false << false << QPoint(0, 1) << false;
        QTest::newRow("shift left")
            << int(Qt::Key_Left) << true << false << QPoint(-10, 0) << false;
        QTest::newRow("shift down") << int(Qt::Key_Down) << true << false << QPoint(0, 10) << false;
        QTest::newRow("close button right")
            << int(Qt::Key_Right) << true << true << QPoint(10, 0) << false;
        QTest::newRow("delete") << int(Qt::Key_Delete) << false << false << QPoint() << true;
        QTest::newRow("delete close button")
            << int(Qt::Key_Delete) << false << true << QPoint() << true;
    }
    void canvasKeysAreOneStepEach()
    {
        QFETCH(int, key);
        QFETCH(bool, shift);
        QFETCH(bool, closeButton);
        QFETCH(QPoint, moved);
        QFETCH(bool, erased);
        AddCloseButtons();
        PickCloseButton(1);
        AddText(QStringLiteral("first"));
        AddText(QStringLiteral("second"));
        const int index = closeButton ? 0 : 1;
        m_form->Designer->SelectObject(Model().At(index));
        FocusCanvas();
        const TDesignState before = m_form->Document.Snapshot();
        const TMovingObject object = *Model().At(index);
        const int steps = Stack().count();

        Press(Qt::Key(key), shift ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(Stack().count(), steps + 1);
        QCOMPARE(Focus(), Canvas());
        if (erased && closeButton) {
            QVERIFY(m_form->Document.CloseButton().IsNone());
            QCOMPARE(Find<QComboBox>("CloseButtonStyle")->currentIndex(), 0);
        } else if (erased) {
            QCOMPARE(Model().DesignObjects.size(), size_t{2});
            QCOMPARE(Model().At(1)->Lines, QStringList{"second"});
        } else {
            QCOMPARE(QPoint(Model().At(index)->X, Model().At(index)->Y),
                     QPoint(object.X, object.Y) + moved);
        }
        Stack().undo();
        QVERIFY(m_form->Document.Snapshot() == before);
        QCOMPARE(Find<QComboBox>("CloseButtonStyle")->currentIndex(), 1);
    }

    // A held arrow key's repeats join the step of its press; the next press is a step again.
    void aHeldArrowIsOneStep()
    {
        AddText(QStringLiteral("held"));
        FocusCanvas();
        TMovingObject *object = m_form->Designer->CurrentObject();
        const int x = object->X;
        const int steps = Stack().count();
        QTest::keyPress(Canvas(), Qt::Key_Right);
        for (int i = 0; i < 4; ++i) {
            QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(Canvas(), &repeat);
        }
        QTest::keyRelease(Canvas(), Qt::Key_Right);
        QCOMPARE(object->X, x + 5);
        QCOMPARE(Stack().count(), steps + 1);
        Press(Qt::Key_Right);
        QCOMPARE(Stack().count(), steps + 2);
        Stack().undo();
        QCOMPARE(m_form->Designer->CurrentObject()->X, x + 5);
        Stack().undo();
        QCOMPARE(m_form->Designer->CurrentObject()->X, x);
    }

    // F2 and Enter take the keyboard to the selected text's box with its text selected, so
    // what is typed then replaces it as one step; on the close button they go to its list.
    void editKeysGoToTheText_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("F2") << int(Qt::Key_F2);
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
    }
    void editKeysGoToTheText()
    {
        QFETCH(int, key);
        AddCloseButtons();
        PickCloseButton(2);
        AddText(QStringLiteral("old"));
        FocusCanvas();
        const TDesignState before = m_form->Document.Snapshot();
        const int steps = Stack().count();
        Press(Qt::Key(key));
        QCOMPARE(Focus(), Find<QWidget>("TextEdit"));
        QTest::keyClicks(Focus(), QStringLiteral("new"));
        QCOMPARE(Model().At(1)->Lines, QStringList{"new"});
        QCOMPARE(Stack().count(), steps + 1);
        Stack().undo();
        QVERIFY(m_form->Document.Snapshot() == before);

        m_form->Designer->SelectObject(Model().At(0));
        FocusCanvas();
        Press(Qt::Key(key));
        QCOMPARE(Focus(), Find<QWidget>("CloseButtonStyle"));
        QCOMPARE(Stack().count(), steps + 1);
    }

    // Tab and Shift+Tab on the canvas go through the texts in the order they were added, then
    // the close button, and past the ends on to the controls around it.
    void tabGoesThroughTheObjectsAndOut()
    {
        AddCloseButtons();
        AddText(QStringLiteral("one"));
        AddText(QStringLiteral("two"));
        m_form->Designer->SelectObject(nullptr);
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));

        // Without a close button Tab visits the two texts only. Arriving by Shift+Tab from the
        // control after the canvas selects the last object.
        Find<QWidget>("DecTemplate")->setFocus(Qt::OtherFocusReason);
        QTRY_COMPARE(Focus(), Find<QWidget>("DecTemplate"));
        Press(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(Focus(), Canvas());
        QCOMPARE(Selected(), 2);
        Press(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(Selected(), 1);
        Press(Qt::Key_Tab, Qt::ShiftModifier);
        QVERIFY(Focus() != Canvas());
        QCOMPARE(Selected(), 1);

        // With a close button it comes last; arriving by Tab with nothing selected selects the
        // first text.
        PickCloseButton(1);
        m_form->Designer->SelectObject(nullptr);
        QVERIFY(DesignerKeys::TabTo(Canvas()));
        QCOMPARE(Selected(), 1);
        const int steps = Stack().count();
        for (int expected : {2, 0}) {
            Press(Qt::Key_Tab);
            QCOMPARE(Focus(), Canvas());
            QCOMPARE(Selected(), expected);
        }
        Press(Qt::Key_Tab);
        QVERIFY(Focus() != Canvas());
        QCOMPARE(Selected(), 0);
        // Choosing an object changes no design.
        QCOMPARE(Stack().count(), steps);
    }

    // Tab from the canvas reaches every control of the page in reading order, then the
    // window's own, and comes back to the canvas.
    void tabReachesEveryControlInReadingOrder()
    {
        AddText(QStringLiteral("text"));
        FocusCanvas();
        const QWidgetList focusable = Focusable();
        QWidgetList visited;
        for (int i = 0; i < 100; ++i) {
            Press(Qt::Key_Tab);
            if (Focus() == Canvas())
                break;
            visited << Control(Focus());
        }
        QCOMPARE(Focus(), Canvas());
        for (QWidget *w : focusable)
            QVERIFY2(w == Canvas() || visited.contains(w), qPrintable(w->objectName()));
        QStringList reading;
        for (const char *name : {"IncTemplate",    "DecTemplate",    "CloseButtonStyle",
                                 "IncCloseButton", "DecCloseButton", "TextEdit",
                                 "FontName",       "FontColor",      "CustomColorButton",
                                 "FontSize",       "FontB",          "FontI",
                                 "FontU",          "AngleEdit",      "SpeedButton4",
                                 "SpeedButton5",   "SpeedButton6",   "SpeedButton7",
                                 "AddText",        "Erase"})
            if (Find<QWidget>(name)->isEnabled())
                reading << QString::fromLatin1(name);
        QStringList page;
        for (QWidget *w : visited)
            if (Find<QWidget>("Panel2")->isAncestorOf(w))
                page << Control(w)->objectName();
        QCOMPARE(page, reading);
    }

    // The Alt letters shown on the window with the designer page on show are each used once,
    // and a label's letter takes the keyboard to its control.
    void altLettersDoNotClashAndReachTheirControls()
    {
        AddText(QStringLiteral("text"));
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
        QMap<QKeySequence, QString> owners;
        QList<QLabel *> labels;
        for (QWidget *w : m_form->findChildren<QWidget *>()) {
            if (!w->isVisibleTo(m_form.get()))
                continue;
            QString text;
            if (auto *label = qobject_cast<QLabel *>(w)) {
                text = label->text();
                if (!QKeySequence::mnemonic(text).isEmpty())
                    labels << label;
            } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
                text = button->text();
            }
            const QKeySequence letter = QKeySequence::mnemonic(text);
            if (letter.isEmpty())
                continue;
            QVERIFY2(!owners.contains(letter),
                     qPrintable(owners.value(letter) + " and " + w->objectName()));
            owners.insert(letter, w->objectName());
        }
        QVERIFY(labels.size() >= 6);
        for (QLabel *label : labels) {
            QVERIFY2(label->buddy(), qPrintable(label->objectName()));
            Canvas()->setFocus();
            QVERIFY(DesignerKeys::PressMnemonicOf(label->text()));
            QVERIFY2(Focus() == label->buddy() || Focus()->focusProxy() == label->buddy() ||
                         Focus()->parent() == label->buddy(),
                     qPrintable(label->objectName()));
        }
    }

    // Every control that takes the keyboard has a name for a screen reader; the owner-drawn
    // lists name each item; the canvas is a canvas whose description tells the selected object
    // and follows its changes. (Qt sends the change events only while an assistive technology
    // is active, which the offscreen platform never is, so the description is what is read.)
    void screenReadersGetNamesAndTheSelection()
    {
        AddCloseButtons();
        for (QWidget *w : Focusable())
            QVERIFY2(!AccessibleText(w, QAccessible::Name).isEmpty(), qPrintable(w->objectName()));
        for (const char *name : {"FontColor", "CloseButtonStyle"}) {
            auto *box = Find<QComboBox>(name);
            QSet<QString> texts;
            for (int i = 0; i < box->count(); ++i)
                texts << box->itemText(i);
            QCOMPARE(texts.size(), box->count());
            QVERIFY(!texts.contains(QString()));
        }
        QAccessibleInterface *canvas = QAccessible::queryAccessibleInterface(Canvas());
        QVERIFY(canvas);
        QCOMPARE(canvas->role(), QAccessible::Canvas);
        QVERIFY(!canvas->text(QAccessible::Name).isEmpty());

        AddText(QStringLiteral("Hello"));
        QVERIFY(canvas->text(QAccessible::Description).contains(QStringLiteral("Hello")));
        Find<QPlainTextEdit>("TextEdit")->setPlainText(QStringLiteral("Bye"));
        QVERIFY(canvas->text(QAccessible::Description).contains(QStringLiteral("Bye")));
        FocusCanvas();
        const QString before = canvas->text(QAccessible::Description);
        Press(Qt::Key_Right);
        QVERIFY(canvas->text(QAccessible::Description) != before);
        PickCloseButton(1);
        QVERIFY(!canvas->text(QAccessible::Description).contains(QStringLiteral("Bye")));
    }

    // The walk other tests call: a text added, typed and moved by keys alone, one undo step
    // for each of the three.
    void aTextIsMadeByKeysAlone()
    {
        const int steps = Stack().count();
        QVERIFY(DesignerKeys::AddTextByKeys(*m_form, QStringLiteral("Hi\nthere"), -12, 23));
        QCOMPARE(Model().DesignObjects.size(), size_t{2});
        QCOMPARE(Model().At(1)->Lines, (QStringList{"Hi", "there"}));
        QCOMPARE(Focus(), Canvas());
        // Adding, typing, then each arrow press: Shift+Left, Left twice, Shift+Down twice and
        // Down three times.
        QCOMPARE(Stack().count(), steps + 1 + 1 + 3 + 5);
    }
};

VANTELLE_GUI_TEST_MAIN(DesignerKeysTest)
#include "designer_keys_test.moc"
