// No text is cut off in any shipped language: on every page of the window, in More options and
// in the site dialog, each label, button, check box, radio button, group title and list entry
// fits the control that shows it, at scale 1 and (in a child process) at scale 2; and no two
// controls on show answer to the same Alt+letter.

#include "gui_helpers.h"

#include "app/MoreOptionsDialog.h"
#include "app/SitePublishDialog.h"
#include "app/Translations.h"
#include "controls/Mnemonics.h"
#include "controls/Panel.h"
#include "controls/uPngButton.h"
#include "document/DesignDocument.h"
#include "imaging/Bitmap32.h"
#include "imaging/PngObject.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QStyleOptionToolButton>
#include <QTextDocumentFragment>
#include <QToolButton>

using namespace GuiTest;

namespace {

// The text as the control shows it: without the mnemonic marks ("&&" stays one "&").
QString Shown(QString text, bool mnemonics = true)
{
    if (!mnemonics)
        return text;
    text.replace(QLatin1String("&&"), QString(QChar(0xE000)));
    text.remove(u'&');
    text.replace(QChar(0xE000), u'&');
    return text;
}

// The widest line of a text.
int Width(const QFontMetrics &metrics, const QString &text)
{
    int widest = 0;
    for (const QString &line : text.split(u'\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

QString Name(const QWidget *widget)
{
    return QStringLiteral("%1 %2").arg(QLatin1String(widget->metaObject()->className()),
                                       widget->objectName());
}

QString Cut(const QWidget *widget, const QString &text, int needs, int has)
{
    return QStringLiteral("%1: \"%2\" needs %3, has %4")
        .arg(Name(widget), text)
        .arg(needs)
        .arg(has);
}

// Every text in root's visible controls that does not fit, as "control: text needs, has".
QStringList CutTexts(QWidget *root)
{
    QStringList cut;
    for (QWidget *widget : root->findChildren<QWidget *>()) {
        if (!widget->isVisible() || widget->width() <= 0)
            continue;
        const QFontMetrics metrics = widget->fontMetrics();
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            QString text = label->text();
            if (text.isEmpty() || !label->pixmap().isNull())
                continue;
            if (label->textFormat() == Qt::RichText ||
                (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text)))
                text = QTextDocumentFragment::fromHtml(text).toPlainText();
            text = Shown(text, label->buddy() != nullptr);
            if (label->wordWrap()) {
                const int needs = label->heightForWidth(label->width());
                if (needs > label->height())
                    cut << Cut(label, text, needs, label->height()) + QStringLiteral(" (height)");
                continue;
            }
            const int has =
                label->contentsRect().width() - 2 * label->margin() - std::max(0, label->indent());
            const int needs = Width(metrics, text);
            if (needs > has)
                cut << Cut(label, text, needs, has);
            const int lines = int(text.count(u'\n')) + 1;
            if (metrics.height() * lines > label->contentsRect().height() + 1)
                cut << Cut(label, text, metrics.height() * lines, label->contentsRect().height()) +
                           QStringLiteral(" (height)");
        } else if (qobject_cast<QCheckBox *>(widget) || qobject_cast<QRadioButton *>(widget)) {
            auto *button = static_cast<QAbstractButton *>(widget);
            const QString text = Shown(button->text());
            if (text.isEmpty())
                continue;
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const QRect contents = button->style()->subElementRect(
                qobject_cast<QCheckBox *>(button) ? QStyle::SE_CheckBoxContents
                                                  : QStyle::SE_RadioButtonContents,
                &option, button);
            const int needs = Width(metrics, text);
            if (needs > contents.width())
                cut << Cut(button, text, needs, contents.width());
        } else if (auto *tool = qobject_cast<QToolButton *>(widget)) {
            const QString text = Shown(tool->text());
            if (text.isEmpty() ||
                (tool->toolButtonStyle() == Qt::ToolButtonIconOnly && !tool->icon().isNull()))
                continue;
            // The button part beside its menu arrow, inside the frame.
            QStyleOptionToolButton option;
            option.initFrom(tool);
            option.text = tool->text();
            option.subControls = QStyle::SC_ToolButton;
            if (tool->popupMode() == QToolButton::MenuButtonPopup) {
                option.subControls |= QStyle::SC_ToolButtonMenu;
                option.features |= QStyleOptionToolButton::MenuButtonPopup;
            }
            QStyle *style = tool->style();
            const int has =
                style->subControlRect(QStyle::CC_ToolButton, &option, QStyle::SC_ToolButton, tool)
                    .width() -
                2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, tool);
            const int needs = Width(metrics, text);
            if (needs > has)
                cut << Cut(tool, text, needs, has);
        } else if (auto *picture = qobject_cast<TPngButton *>(widget)) {
            // The caption beside or below the picture: neither may run into the other or out
            // of the button.
            const QString text = picture->Caption();
            if (text.isEmpty())
                continue;
            const TEdgeRect image = picture->ImageRect;
            const TEdgeRect caption = picture->TextRect;
            const bool right = picture->CaptionPlacement() == cpRight;
            const bool apart = right ? image.right <= caption.left : image.bottom <= caption.top;
            if (!apart || image.left < 0 || image.top < 0 || caption.left < 0 ||
                caption.right > picture->width() || caption.bottom > picture->height())
                cut << Cut(picture, text,
                           caption.right - caption.left + (right ? image.right - image.left : 0),
                           picture->width());
        } else if (auto *button = qobject_cast<QPushButton *>(widget)) {
            const QString text = Shown(button->text());
            if (text.isEmpty())
                continue;
            // The room the style draws the text in, inside the frame.
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            if (button->autoDefault())
                option.features |= QStyleOptionButton::AutoDefaultButton;
            const int has = button->style()
                                ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
                                .width();
            int needs = Width(metrics, text);
            if (!button->icon().isNull())
                needs += button->iconSize().width() + 4;
            if (needs > has)
                cut << Cut(button, text, needs, has);
        } else if (auto *group = qobject_cast<QGroupBox *>(widget)) {
            if (group->title().isEmpty())
                continue;
            QStyleOptionGroupBox option;
            option.initFrom(group);
            option.text = group->title();
            option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
            if (group->isCheckable())
                option.subControls |= QStyle::SC_GroupBoxCheckBox;
            const QRect title = group->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                               QStyle::SC_GroupBoxLabel, group);
            if (title.right() > group->rect().right())
                cut << Cut(group, group->title(), title.right() + 1, group->width());
        } else if (auto *panel = qobject_cast<TPanel *>(widget)) {
            // A group panel paints its caption in bold 12-pixel Arial from x = 10 and keeps the
            // same room free on the right for its frame.
            if (panel->caption().isEmpty() || panel->tag() != 0)
                continue;
            QFont font(QStringLiteral("Arial"));
            font.setPixelSize(12);
            font.setBold(true);
            const int needs = QFontMetrics(font).horizontalAdvance(panel->caption()) + 20;
            if (needs > panel->width())
                cut << Cut(panel, panel->caption(), needs, panel->width());
        } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
            // The colour list paints swatches: its entries' texts are for screen readers.
            if (combo->objectName() == QLatin1String("FontColor"))
                continue;
            QStyleOptionComboBox option;
            option.initFrom(combo);
            option.editable = combo->isEditable();
            option.frame = combo->hasFrame();
            const int has = combo->style()
                                ->subControlRect(QStyle::CC_ComboBox, &option,
                                                 QStyle::SC_ComboBoxEditField, combo)
                                .width();
            for (int i = 0; i < combo->count(); ++i) {
                int needs = metrics.horizontalAdvance(combo->itemText(i));
                if (!combo->itemIcon(i).isNull())
                    needs += combo->iconSize().width() + 4;
                if (needs > has)
                    cut << Cut(combo, combo->itemText(i), needs, has);
            }
        }
    }
    return cut;
}

// Alt+letter keys that more than one visible control of root answers to, as "x: A, B".
QStringList SharedLetters(QWidget *root)
{
    QMap<QChar, QStringList> owners;
    for (const QWidget *control : Mnemonics::MarkableControls(root))
        if (control->isVisible())
            if (const QChar letter = Mnemonics::MarkedLetter(Mnemonics::MarkableText(control));
                !letter.isNull())
                owners[letter] << Mnemonics::MarkableText(control);
    QStringList shared;
    for (auto it = owners.cbegin(); it != owners.cend(); ++it)
        if (it.value().size() > 1)
            shared << QStringLiteral("%1: %2").arg(it.key()).arg(it.value().join(u", "));
    return shared;
}

} // namespace

class TextFitTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { InstallTranslations(QLocale(QLocale::English)); }

    void everyTextFits_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : {"en", "de", "fr", "es"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }
    void everyTextFits()
    {
        QFETCH(QString, language);
        const QString spoken = InstallTranslations(QLocale(language));
        QCOMPARE(spoken, language == QLatin1String("en") ? QString() : language);
        ProgramFolder folder;
        auto w = openWindow(folder);
        QStringList cut;
        QStringList shared;
        for (int page = 1; page <= 5; ++page) {
            w->ShowPage(page);
            QTest::qWait(50);
            for (const QString &text : CutTexts(w.get()))
                cut << QStringLiteral("page %1: %2").arg(page).arg(text);
            for (const QString &letter : SharedLetters(w.get()))
                shared << QStringLiteral("page %1: %2").arg(page).arg(letter);
        }
        {
            TMoreOptionsDialog dialog(w.get());
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            for (const QString &text : CutTexts(&dialog))
                cut << QStringLiteral("More options: ") + text;
            for (const QString &letter : SharedLetters(&dialog))
                shared << QStringLiteral("More options: ") + letter;
        }
        {
            TDesignDocument document;
            Bitmap32 bitmap;
            TPNGObject picture;
            TDocumentPopupSource source(document, bitmap, picture);
            TSitePublishDialog dialog(w.get(), source, QStringLiteral("Sale"));
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            for (const QString &text : CutTexts(&dialog))
                cut << QStringLiteral("site dialog: ") + text;
            for (const QString &letter : SharedLetters(&dialog))
                shared << QStringLiteral("site dialog: ") + letter;
        }
        QVERIFY2(cut.isEmpty(), qPrintable(QStringLiteral("\n") + cut.join(u'\n')));
        // In every language each Alt+letter reaches one control of what is on show.
        QVERIFY2(shared.isEmpty(), qPrintable(QStringLiteral("\n") + shared.join(u'\n')));
    }

    // The same on a screen scaled by 2, where fonts are hinted at another size: this program
    // again in a child process that starts scaled.
    void everyTextFitsAtScale2()
    {
        if (qEnvironmentVariable("QT_SCALE_FACTOR") == QLatin1String("2"))
            QSKIP("this is the scaled run");
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("everyTextFits")});
        QVERIFY(child.waitForFinished(300000));
        const QString output = QString::fromLocal8Bit(child.readAll());
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 qPrintable(output));
        // The child ran the languages, not merely started.
        QVERIFY2(output.contains(QLatin1String("PASS   : TextFitTest::everyTextFits(es)")),
                 qPrintable(output));
    }
};

VANTELLE_GUI_TEST_MAIN(TextFitTest)
#include "text_fit_test.moc"
