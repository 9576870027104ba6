// Page 3's choice of the popup's language: a new design starts in the program's language, the
// list changes the design as one undo step, and undo, redo and an opened design show in it.

#include "gui_helpers.h"

#include "app/Translations.h"
#include "output/PopupTexts.h"

#include <QComboBox>

using namespace GuiTest;

class PopupLanguagePageTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        InstallTranslations(QLocale(QLocale::English));
        SetDefaultPopupLanguage(QStringLiteral("en"));
    }

    void theListChangesTheDesignAsOneStep()
    {
        // A French program: a new design's popup speaks French.
        SetDefaultPopupLanguage(InstallTranslations(QLocale(QStringLiteral("fr_FR"))));
        ProgramFolder folder;
        auto w = openWindow(folder);
        w->ShowPage(3);
        auto *list = control<QComboBox>(w.get(), "PopupLanguage");
        QVERIFY(list->isVisible());
        QCOMPARE(w->Document.Settings.Language, QStringLiteral("fr"));
        QCOMPARE(list->currentData().toString(), QStringLiteral("fr"));
        // Screen readers name it; Tab reaches it after the check box left of it.
        QVERIFY(!list->accessibleName().isEmpty());
        QCOMPARE(control<QWidget>(w.get(), "EnableAutoClose")->nextInFocusChain(), list);

        const int steps = w->History->Stack().count();
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Home); // English, the first of the list
        QCOMPARE(w->Document.Settings.Language, QStringLiteral("en"));
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(w->Document.Settings.Language, QStringLiteral("de"));
        QCOMPARE(w->History->Stack().count(), steps + 2);

        w->History->Stack().undo();
        QCOMPARE(w->Document.Settings.Language, QStringLiteral("en"));
        QCOMPARE(list->currentData().toString(), QStringLiteral("en"));
        w->History->Stack().undo();
        QCOMPARE(list->currentData().toString(), QStringLiteral("fr"));
        w->History->Stack().redo();
        QCOMPARE(list->currentData().toString(), QStringLiteral("en"));

        // Another design replaces this one: the list shows its language.
        TDesignState other = w->Document.Snapshot();
        other.Settings.Language = QStringLiteral("es");
        w->Document.Replace(other);
        QCOMPARE(list->currentData().toString(), QStringLiteral("es"));
    }
};

VANTELLE_GUI_TEST_MAIN(PopupLanguagePageTest)
#include "popup_language_page_test.moc"
