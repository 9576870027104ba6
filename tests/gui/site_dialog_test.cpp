// "Publish to a site..." on the output page: the button sits in the page's free corner, and the
// dialog lists the site's pages with their states, shows what will change before it writes,
// publishes the checked pages, cancels half-way, and takes the popup down again.

#include "gui_helpers.h"

#include "app/Dialogs.h"
#include "app/SitePublishDialog.h"
#include "document/DesignDocument.h"
#include "imaging/Bitmap32.h"
#include "imaging/PngObject.h"
#include "output/PageText.h"

#include "made_site.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

using namespace GuiTest;
using namespace MadeSite;

class SiteDialogTest : public QObject {
    Q_OBJECT
private slots:
    void theButtonLeavesThePageAsItWasAndOpensTheDialog();
    void publishesTheCheckedPagesAfterShowingWhatWillChange();
    void cancelStopsAfterAGroupAndTakeDownRestores();

private:
    TDesignDocument m_document;
    Bitmap32 m_bitmap;
    TPNGObject m_picture;
};

void SiteDialogTest::theButtonLeavesThePageAsItWasAndOpensTheDialog()
{
    ProgramFolder folder;
    auto w = openWindow(folder);
    auto *panel = control<QWidget>(w.get(), "Panel6");
    auto *button = control<QPushButton>(panel, "SitePublishButton");
    // The page's own controls keep their places, and the new button overlaps none of them.
    const std::pair<const char *, QRect> places[] = {
        {"ExistingFileEdit", QRect(16, 53, 585, 22)},
        {"Button2", QRect(608, 52, 75, 23)},
        {"AddPopup", QRect(608, 78, 75, 23)},
    };
    for (const auto &[name, rect] : places) {
        QCOMPARE(control<QWidget>(panel, name)->geometry(), rect);
        QVERIFY2(!button->geometry().intersects(rect), name);
    }
    QVERIFY(panel->rect().contains(button->geometry()));

    bool opened = false;
    QTimer::singleShot(0, w.get(), [&] {
        auto *dialog = w->findChild<TSitePublishDialog *>();
        opened = dialog && dialog->isVisible();
        if (dialog)
            dialog->reject();
    });
    button->click();
    QVERIFY(opened);
}

void SiteDialogTest::publishesTheCheckedPagesAfterShowingWhatWillChange()
{
    TMadeSite site;
    m_document.DocumentSize = 200;
    TDocumentPopupSource source(m_document, m_bitmap, m_picture);
    TSitePublishDialog dialog(nullptr, source, QStringLiteral("Sale"));
    dialog.show();
    dialog.ChooseSite(site.Site);
    auto *pages = control<QTreeWidget>(&dialog, "SitePages");
    QCOMPARE(pages->topLevelItemCount(), 10);
    QTreeWidgetItem *index = nullptr;
    for (int i = 0; i < pages->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = pages->topLevelItem(i);
        const bool skipped = item->text(0) == QLatin1String("shop/bad.html") ||
                             item->text(0) == QLatin1String("shop/other.html") ||
                             item->text(0) == QLatin1String("shop/locked.html");
        QCOMPARE(item->checkState(0), skipped ? Qt::Unchecked : Qt::Checked);
        QCOMPARE(bool(item->flags() & Qt::ItemIsEnabled), !skipped);
        if (item->text(0) == QLatin1String("index.html"))
            index = item;
    }
    QVERIFY(index);
    QCOMPARE(index->text(1), QStringLiteral("no popup"));
    index->setCheckState(0, Qt::Unchecked);

    QVERIFY(!control<QPushButton>(&dialog, "SitePublish")->isEnabled());
    dialog.ShowWhatWillChange();
    QVERIFY2(control<QLabel>(&dialog, "SiteCounts")->text().contains(QStringLiteral("6 added")),
             qPrintable(control<QLabel>(&dialog, "SiteCounts")->text()));
    QVERIFY(control<QPlainTextEdit>(&dialog, "SiteDiff")
                ->toPlainText()
                .contains(QStringLiteral("+<BODY class=\"x>y\"><!-- POPUP -->")));
    for (const auto &[page, bytes] : site.Pages)
        QCOMPARE(Read(site.Path(page)), bytes);
    if (const QByteArray shot = qgetenv("VANTELLE_SITE_SCREENSHOT"); !shot.isEmpty())
        dialog.grab().save(QString::fromLocal8Bit(shot) + QStringLiteral("-plan.png"));

    control<QPushButton>(&dialog, "SitePublish")->click();
    const QString summary = control<QLabel>(&dialog, "SiteSummary")->text();
    QVERIFY2(summary.startsWith(QStringLiteral("Done: 6 added")), qPrintable(summary));
    QCOMPARE(Read(site.Path("index.html")), site.Pages["index.html"]);
    QCOMPARE(ReadPopupMarkers(Read(site.Path("shop/a/b/deep.html"))).Blocks.size(), size_t(1));
    // The list shows the new states.
    for (int i = 0; i < pages->topLevelItemCount(); ++i)
        if (pages->topLevelItem(i)->text(0) == QLatin1String("about.htm"))
            QCOMPARE(pages->topLevelItem(i)->text(1), QStringLiteral("this popup"));
    if (const QByteArray shot = qgetenv("VANTELLE_SITE_SCREENSHOT"); !shot.isEmpty())
        dialog.grab().save(QString::fromLocal8Bit(shot) + QStringLiteral("-summary.png"));

    Dialogs::setNextAnswer(QMessageBox::Yes);
    control<QPushButton>(&dialog, "SiteTakeDown")->click();
    QVERIFY(control<QLabel>(&dialog, "SiteSummary")->text().startsWith(QStringLiteral("Done")));
    for (const auto &[page, bytes] : site.Pages)
        QCOMPARE(Read(site.Path(page)), bytes);
}

void SiteDialogTest::cancelStopsAfterAGroupAndTakeDownRestores()
{
    QTemporaryDir root;
    for (int i = 0; i < 600; ++i)
        Write(root.filePath(QStringLiteral("p%1.html").arg(i)), "<html><body>x</body></html>\n");
    TDocumentPopupSource source(m_document, m_bitmap, m_picture);
    TSitePublishDialog dialog(nullptr, source, QStringLiteral("Sale"));
    dialog.show();
    dialog.ChooseSite(root.path());
    dialog.ShowWhatWillChange();
    // Cancel is pressed while the first group is being published.
    QTimer::singleShot(0, &dialog, [&] { control<QPushButton>(&dialog, "SiteCancel")->click(); });
    control<QPushButton>(&dialog, "SitePublish")->click();
    const QString summary = control<QLabel>(&dialog, "SiteSummary")->text();
    QVERIFY2(summary.startsWith(QStringLiteral("Cancelled: 256 added")), qPrintable(summary));

    Dialogs::setNextAnswer(QMessageBox::Yes);
    dialog.TakeDownClick();
    QVERIFY2(
        control<QLabel>(&dialog, "SiteSummary")->text().contains(QStringLiteral("256 removed")),
        qPrintable(control<QLabel>(&dialog, "SiteSummary")->text()));
    for (int i = 0; i < 600; ++i)
        QCOMPARE(Read(root.filePath(QStringLiteral("p%1.html").arg(i))),
                 QByteArray("<html><body>x</body></html>\n"));
}

VANTELLE_GUI_TEST_MAIN(SiteDialogTest)
#include "site_dialog_test.moc"
