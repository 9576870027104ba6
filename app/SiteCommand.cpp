#include "app/SiteCommand.h"

#include "app/Translations.h"
#include "document/DesignDocument.h"
#include "document/DesignFile.h"
#include "imaging/Bitmap32.h"
#include "imaging/PngObject.h"
#include "imaging/VantelleError.h"
#include "output/PageText.h"
#include "site/SitePublisher.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <memory>

namespace {

void Print(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    std::fflush(stream);
}

// The design as a popup source, with the faces that are not installed drawn in look-alikes.
class TDesignFileSource {
public:
    explicit TDesignFileSource(const QString &path)
    {
        TDesignState state = ReadDesignFile(path);
        SubstituteMissingFaces(state, QFontDatabase::families());
        m_document.Restore(state);
        m_source =
            std::make_unique<TDocumentPopupSource>(m_document, m_templateBitmap, m_outputPicture);
    }
    TPopupSource &Source() { return *m_source; }

private:
    TDesignDocument m_document;
    Bitmap32 m_templateBitmap;
    TPNGObject m_outputPicture;
    std::unique_ptr<TDocumentPopupSource> m_source;
};

struct TRow {
    QString Page;
    QString State; // empty when not known
    TSitePageAction Action;
    QString Reason;
};

int Report(const TSiteCommandLine &command, const TSitePublisher &publisher,
           const std::vector<TRow> &rows, const QString &diff, bool cancelled)
{
    int counts[5] = {};
    for (const TRow &row : rows)
        ++counts[static_cast<int>(row.Action)];
    const bool skipped = counts[static_cast<int>(TSitePageAction::Skip)] > 0;
    const TSitePageAction order[] = {TSitePageAction::Add, TSitePageAction::Update,
                                     TSitePageAction::Remove, TSitePageAction::Unchanged,
                                     TSitePageAction::Skip};
    const QString name = command.command == TSiteCommandLine::Publish ? QStringLiteral("publish")
                                                                      : QStringLiteral("takedown");
    if (command.json) {
        QJsonArray pages;
        for (const TRow &row : rows) {
            QJsonObject page{{"page", row.Page}, {"action", SitePageActionName(row.Action)}};
            if (!row.State.isEmpty())
                page.insert(QStringLiteral("state"), row.State);
            if (!row.Reason.isEmpty())
                page.insert(QStringLiteral("reason"), row.Reason);
            pages.append(page);
        }
        QJsonObject total;
        for (const TSitePageAction action : order)
            total.insert(SitePageActionName(action), counts[static_cast<int>(action)]);
        QJsonObject report{{"command", name},          {"dryRun", command.dryRun},
                           {"site", publisher.Site()}, {"popupFolder", publisher.PopupFolder()},
                           {"pages", pages},           {"counts", total},
                           {"cancelled", cancelled}};
        if (command.dryRun)
            report.insert(QStringLiteral("diff"), diff);
        Print(stdout, QString::fromUtf8(QJsonDocument(report).toJson(QJsonDocument::Indented)));
    } else {
        QString text;
        for (const TRow &row : rows) {
            text += SitePageActionName(row.Action) + u' ' + row.Page;
            if (!row.Reason.isEmpty())
                text += QStringLiteral(": ") + row.Reason;
            text += u'\n';
        }
        QStringList parts;
        for (const TSitePageAction action : order)
            parts << QStringLiteral("%1 %2")
                         .arg(counts[static_cast<int>(action)])
                         .arg(SitePageActionName(action));
        text += QStringLiteral("%1%2: %3 (popup folder %4)\n")
                    .arg(command.dryRun ? QStringLiteral("dry run of ") : QString(), name,
                         parts.join(QStringLiteral(", ")), publisher.PopupFolder());
        if (command.dryRun && !diff.isEmpty())
            text += diff;
        Print(stdout, text);
    }
    return skipped || cancelled ? 1 : 0;
}

} // namespace

int RunSiteCommand(const TSiteCommandLine &command, char *programName)
{
    // No display is needed: pictures and faces are drawn off screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char *argv[] = {programName, nullptr};
    QGuiApplication app(argc, argv);
    // The reasons a page was skipped and the errors in the desktop's language; the page states
    // and actions are the report's fixed words, which scripts read.
    InstallTranslations();
    try {
        const QString designName = FileBaseName(command.designFile);
        TSitePublisher publisher(command.site, command.popupFolder, designName);
        const bool publish = command.command == TSiteCommandLine::Publish;
        std::unique_ptr<TDesignFileSource> design;
        if (publish)
            design = std::make_unique<TDesignFileSource>(command.designFile);
        // A publish that follows at once reads each page once, as it changes it.
        const TSitePlan plan = !publish ? publisher.PlanTakeDown()
                               : command.dryRun
                                   ? publisher.PlanPublish(command.pages, command.excluded)
                                   : publisher.ChoosePages(command.pages, command.excluded);
        std::vector<TRow> rows;
        if (command.dryRun) {
            for (const TSitePagePlan &page : plan.Pages)
                rows.push_back(
                    {page.Page, SitePageStateName(page.State), page.Action, page.Reason});
            return Report(command, publisher, rows, plan.ExampleDiff, false);
        }
        const TSiteResult result =
            publish ? publisher.Publish(design->Source(), plan) : publisher.TakeDown(plan);
        for (const TSitePageResult &page : result.Pages)
            rows.push_back({page.Page, QString(), page.Action, page.Reason});
        return Report(command, publisher, rows, QString(), result.Cancelled);
    } catch (const EVantelleError &error) {
        Print(stderr, QStringLiteral("vantelle-pro: %1\n").arg(error.message()));
        return 1;
    }
}
