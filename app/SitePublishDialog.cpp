#include "app/SitePublishDialog.h"

#include "app/Dialogs.h"
#include "app/ErrorGuard.h"
#include "app/PageControls.h"
#include "controls/Mnemonics.h"
#include "imaging/VantelleError.h"
#include "site/SitePages.h"
#include "site/SitePublisher.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using PageControls::SetReadingOrder;

namespace {

template <typename T> T *Named(T *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel *Buddy(QLabel *label, QWidget *control)
{
    label->setBuddy(control);
    return label;
}

} // namespace

TSitePublishDialog::TSitePublishDialog(QWidget *parent, TPopupSource &source,
                                       const QString &designName)
    : QDialog(parent), m_source(source), m_designName(designName)
{
    setObjectName(QStringLiteral("SitePublishDialog"));
    setWindowTitle(tr("Publish to a site"));
    resize(760, 640);

    auto *grid = new QGridLayout;
    m_site = Named(new QLineEdit(this), "SiteFolder");
    auto *browse = Named(new QPushButton(tr("Browse..."), this), "SiteBrowse");
    m_popupFolder = Named(new QLineEdit(this), "SitePopupFolder");
    m_popupFolder->setPlaceholderText(QStringLiteral("popup/%1").arg(designName));
    m_include = Named(new QLineEdit(this), "SiteFilter");
    m_include->setPlaceholderText(tr("all pages, or patterns such as shop/** *.html"));
    m_exclude = Named(new QLineEdit(this), "SiteExclude");
    m_exclude->setPlaceholderText(tr("patterns of pages to leave out"));
    auto *show = Named(new QPushButton(tr("Show pages"), this), "SiteShowPages");
    grid->addWidget(Buddy(new QLabel(tr("Site folder:"), this), m_site), 0, 0);
    grid->addWidget(m_site, 0, 1);
    grid->addWidget(browse, 0, 2);
    grid->addWidget(Buddy(new QLabel(tr("Popup folder:"), this), m_popupFolder), 1, 0);
    grid->addWidget(m_popupFolder, 1, 1);
    grid->addWidget(Buddy(new QLabel(tr("Pages:"), this), m_include), 2, 0);
    grid->addWidget(m_include, 2, 1);
    grid->addWidget(show, 2, 2);
    grid->addWidget(Buddy(new QLabel(tr("Leave out:"), this), m_exclude), 3, 0);
    grid->addWidget(m_exclude, 3, 1);

    m_pages = Named(new QTreeWidget(this), "SitePages");
    m_pages->setColumnCount(2);
    m_pages->setHeaderLabels({tr("Page"), tr("State")});
    m_pages->setRootIsDecorated(false);
    m_pages->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_pages->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);

    auto *plan = Named(new QPushButton(tr("What will change"), this), "SiteWhatWillChange");
    m_counts = Named(new QLabel(this), "SiteCounts");
    m_counts->setWordWrap(true);
    m_diff = Named(new QPlainTextEdit(this), "SiteDiff");
    m_diff->setReadOnly(true);
    m_diff->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_diff->setMaximumHeight(120);
    m_progress = Named(new QProgressBar(this), "SiteProgress");
    m_progress->setVisible(false);
    m_cancelButton = Named(new QPushButton(tr("Cancel"), this), "SiteCancel");
    m_cancelButton->setVisible(false);
    m_summary = Named(new QLabel(this), "SiteSummary");
    m_summary->setWordWrap(true);

    m_publish = Named(new QPushButton(tr("Publish"), this), "SitePublish");
    m_publish->setEnabled(false);
    auto *update = Named(new QPushButton(tr("Update"), this), "SiteUpdate");
    auto *takeDown = Named(new QPushButton(tr("Take down"), this), "SiteTakeDown");
    auto *close = Named(new QPushButton(tr("Close"), this), "SiteClose");

    auto *progressRow = new QHBoxLayout;
    progressRow->addWidget(m_progress, 1);
    progressRow->addWidget(m_cancelButton);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(plan);
    buttons->addStretch(1);
    buttons->addWidget(m_publish);
    buttons->addWidget(update);
    buttons->addWidget(takeDown);
    buttons->addWidget(close);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(m_pages, 1);
    layout->addWidget(m_counts);
    layout->addWidget(m_diff);
    layout->addLayout(progressRow);
    layout->addWidget(m_summary);
    layout->addLayout(buttons);

    const auto guard = [](auto handler) { return guarded(handler); };
    connect(browse, &QPushButton::clicked, this, guard([this] {
                const QString folder =
                    Dialogs::getExistingDirectory(this, tr("Site folder"), m_site->text());
                if (!folder.isEmpty())
                    ChooseSite(folder);
            }));
    connect(show, &QPushButton::clicked, this, guard([this] { ShowPages(); }));
    // Other folders make the list a thing of the past until it is shown again.
    for (QLineEdit *edit : {m_site, m_popupFolder})
        connect(edit, &QLineEdit::textEdited, this, [this] {
            m_publisher.reset();
            m_plan.reset();
            m_publish->setEnabled(false);
        });
    connect(plan, &QPushButton::clicked, this, guard([this] { ShowWhatWillChange(); }));
    connect(m_publish, &QPushButton::clicked, this, guard([this] { PublishClick(); }));
    connect(update, &QPushButton::clicked, this, guard([this] { UpdateClick(); }));
    connect(takeDown, &QPushButton::clicked, this, guard([this] { TakeDownClick(); }));
    connect(m_cancelButton, &QPushButton::clicked, this, [this] { CancelClick(); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    // A change of the chosen pages asks for a new look at what will change.
    connect(m_pages, &QTreeWidget::itemChanged, this, [this] { m_publish->setEnabled(false); });

    // Enter in a box shows the pages its folders and patterns give; Escape closes the dialog
    // (or, while pages are written, stops that).
    show->setDefault(true);
    m_pages->setAccessibleName(tr("Pages of the site"));
    m_diff->setAccessibleName(tr("Example of a change"));
    SetReadingOrder({m_site, browse, m_popupFolder, m_include, show, m_exclude, m_pages, m_diff,
                     m_cancelButton, plan, m_publish, update, takeDown, close});
    QString taken;
    Mnemonics::Assign(Mnemonics::MarkableControls(this), taken);
}

void TSitePublishDialog::reject()
{
    if (m_running)
        m_cancel = true;
    else
        QDialog::reject();
}

TSitePublishDialog::~TSitePublishDialog() = default;

TSitePublisher &TSitePublishDialog::Publisher()
{
    if (!m_publisher)
        throw EVantelleError(tr("Choose the site's folder and show its pages first"));
    return *m_publisher;
}

void TSitePublishDialog::ChooseSite(const QString &folder)
{
    m_site->setText(folder);
    ShowPages();
}

void TSitePublishDialog::ShowPages()
{
    m_publisher.reset();
    m_pages->clear();
    m_publish->setEnabled(false);
    m_counts->clear();
    m_diff->clear();
    if (m_site->text().trimmed().isEmpty())
        return;
    m_publisher = std::make_unique<TSitePublisher>(m_site->text().trimmed(),
                                                   m_popupFolder->text().trimmed(), m_designName);
    const QStringList include = m_include->text().split(u' ', Qt::SkipEmptyParts);
    const QStringList exclude = m_exclude->text().split(u' ', Qt::SkipEmptyParts);
    const TSitePlan plan = m_publisher->PlanPublish(include, exclude);
    for (const TSitePagePlan &page : plan.Pages) {
        auto *item = new QTreeWidgetItem(m_pages);
        item->setText(0, page.Page);
        item->setText(1, page.Reason.isEmpty()
                             ? SitePageStateName(page.State)
                             : SitePageStateName(page.State) + QStringLiteral(": ") + page.Reason);
        item->setToolTip(1, page.Reason);
        const bool usable = page.Action != TSitePageAction::Skip;
        item->setFlags(usable ? item->flags() | Qt::ItemIsUserCheckable
                              : item->flags() & ~Qt::ItemIsEnabled);
        item->setCheckState(0, usable ? Qt::Checked : Qt::Unchecked);
    }
    m_summary->setText(
        tr("%n pages in the site's folder match.", nullptr, static_cast<int>(plan.Pages.size())));
}

QStringList TSitePublishDialog::CheckedPages() const
{
    QStringList pages;
    for (int i = 0; i < m_pages->topLevelItemCount(); ++i)
        if (m_pages->topLevelItem(i)->checkState(0) == Qt::Checked)
            pages << m_pages->topLevelItem(i)->text(0);
    return pages;
}

void TSitePublishDialog::ShowPlan(const TSitePlan &plan)
{
    m_counts->setText(tr("What will change: %1 added, %2 updated, %3 removed, %4 unchanged, "
                         "%5 skipped.")
                          .arg(plan.Count(TSitePageAction::Add))
                          .arg(plan.Count(TSitePageAction::Update))
                          .arg(plan.Count(TSitePageAction::Remove))
                          .arg(plan.Count(TSitePageAction::Unchanged))
                          .arg(plan.Count(TSitePageAction::Skip)));
    m_diff->setPlainText(plan.ExampleDiff);
}

void TSitePublishDialog::ShowWhatWillChange()
{
    m_plan = std::make_unique<TSitePlan>(Publisher().PlanPages(CheckedPages()));
    ShowPlan(*m_plan);
    m_publish->setEnabled(true);
}

bool TSitePublishDialog::Run(const TSitePlan &plan, bool takeDown)
{
    m_cancel = false;
    m_running = true;
    const struct TRunning {
        bool &running;
        ~TRunning() { running = false; }
    } running{m_running};
    m_progress->setValue(0);
    m_progress->setVisible(true);
    m_cancelButton->setVisible(true);
    const auto progress = [this](int done, int total) {
        m_progress->setMaximum(total);
        m_progress->setValue(done);
        QCoreApplication::processEvents();
        return !m_cancel;
    };
    TSiteResult result;
    try {
        result = takeDown ? Publisher().TakeDown(plan, progress)
                          : Publisher().Publish(m_source, plan, progress);
    } catch (...) {
        m_progress->setVisible(false);
        m_cancelButton->setVisible(false);
        throw;
    }
    m_progress->setVisible(false);
    m_cancelButton->setVisible(false);
    QString text = tr("%1: %2 added, %3 updated, %4 removed, %5 unchanged, %6 skipped.")
                       .arg(result.Cancelled ? tr("Cancelled") : tr("Done"))
                       .arg(result.Count(TSitePageAction::Add))
                       .arg(result.Count(TSitePageAction::Update))
                       .arg(result.Count(TSitePageAction::Remove))
                       .arg(result.Count(TSitePageAction::Unchanged))
                       .arg(result.Count(TSitePageAction::Skip));
    constexpr int kShown = 8;
    int shown = 0;
    for (const TSitePageResult &page : result.Pages)
        if (page.Action == TSitePageAction::Skip && shown++ < kShown)
            text += QStringLiteral("\n%1: %2").arg(page.Page, page.Reason);
    m_summary->setText(text);
    return !result.Cancelled;
}

void TSitePublishDialog::PublishClick()
{
    if (!m_plan)
        ShowWhatWillChange();
    const TSitePlan plan = *m_plan;
    m_plan.reset();
    m_publish->setEnabled(false);
    Run(plan, false);
    const QString summary = m_summary->text();
    ShowPages();
    m_summary->setText(summary);
}

namespace {

bool Confirmed(QWidget *parent, const QString &question)
{
    return Dialogs::message(parent, QStringLiteral("Vantelle Pro"), question, QMessageBox::Question,
                            QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

} // namespace

void TSitePublishDialog::UpdateClick()
{
    const TSitePlan plan = Publisher().PlanUpdate();
    ShowPlan(plan);
    if (!Confirmed(this, tr("Publish the design again to the %1 pages it was published to? "
                            "Visitors who have seen it keep not seeing it again.")
                             .arg(plan.Pages.size())))
        return;
    Run(plan, false);
    const QString summary = m_summary->text();
    ShowPages();
    m_summary->setText(summary);
}

void TSitePublishDialog::TakeDownClick()
{
    const TSitePlan plan = Publisher().PlanTakeDown();
    ShowPlan(plan);
    if (!Confirmed(this, tr("Take the popup off %1 pages? Pages nobody changed since get back "
                            "exactly what they were.")
                             .arg(plan.Count(TSitePageAction::Remove))))
        return;
    Run(plan, true);
    const QString summary = m_summary->text();
    ShowPages();
    m_summary->setText(summary);
}

void TSitePublishDialog::CancelClick()
{
    m_cancel = true;
}
