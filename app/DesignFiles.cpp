#include "app/DesignFiles.h"

#include "app/Dialogs.h"
#include "app/ErrorGuard.h"
#include "base/ProgramPaths.h"
#include "designer/FontPickers.h"
#include "document/DesignFile.h"
#include "document/RecoveryFiles.h"
#include "output/PageText.h"

#include <QAccessible>
#include <QAction>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace {

// Read when a dialog opens, so that it is in the language of the time.
QString DesignFilter()
{
    return TDesignFiles::tr(
        "Designs and published pages (*.vpopup *.htm *.html);;Vantelle Pro designs (*.vpopup);;"
        "Web pages (*.htm *.html);;Any file (*)");
}

QAction *AddAction(QWidget *window, const QString &text, const QKeySequence &keys)
{
    auto *action = new QAction(text, window);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    window->addAction(action);
    return action;
}

// The folder a file dialog opens in: the one holding path, or its nearest existing parent, so
// that a folder that is not there never ends up typed in the dialog's name box.
QString ExistingFolder(const QString &path)
{
    QString folder = QFileInfo(path).absolutePath();
    while (!QFileInfo(folder).isDir()) {
        const QString parent = QFileInfo(folder).absolutePath();
        if (parent == folder)
            return QDir::homePath();
        folder = parent;
    }
    return folder;
}

QString QuotedFaces(const std::vector<std::pair<QString, QString>> &replaced)
{
    QStringList parts;
    for (const auto &pair : replaced)
        parts << TDesignFiles::tr("\"%1\" is shown in \"%2\"").arg(pair.first, pair.second);
    return parts.join(QStringLiteral(", "));
}

} // namespace

TDesignFiles::TDesignFiles(const TPageContext &context)
    : m_context(context), m_recovery(std::make_unique<TRecoveryFiles>(ProgramStateFolder()))
{
}

TDesignFiles::~TDesignFiles() = default;

void TDesignFiles::BuildControls(QWidget *window)
{
    // The bottom bar between the logo (which ends at 210) and Update Base (at 448) is free on
    // every page; the pages' own controls end above 518.
    m_nameLabel = new QLabel(window);
    m_nameLabel->setObjectName(QStringLiteral("DesignName"));
    m_nameLabel->setGeometry(214, 518, 232, 14);
    QPalette light = m_nameLabel->palette();
    light.setColor(QPalette::WindowText, Qt::white);
    m_nameLabel->setPalette(light);
    m_openButton = new QPushButton(tr("Open design..."), window);
    m_openButton->setObjectName(QStringLiteral("OpenDesign"));
    m_openButton->setGeometry(214, 534, 86, 21);
    m_openButton->setToolTip(tr("Open a design, or the page of a published popup (Ctrl+O)"));
    m_saveButton = new QToolButton(window);
    m_saveButton->setObjectName(QStringLiteral("SaveDesign"));
    m_saveButton->setText(tr("Save design"));
    m_saveButton->setGeometry(302, 534, 94, 21);
    m_saveButton->setPopupMode(QToolButton::MenuButtonPopup);
    m_saveButton->setToolTip(tr("Save design (Ctrl+S)"));
    m_undoButton = new QToolButton(window);
    m_undoButton->setObjectName(QStringLiteral("UndoButton"));
    m_undoButton->setGeometry(400, 534, 22, 21);
    m_redoButton = new QToolButton(window);
    m_redoButton->setObjectName(QStringLiteral("RedoButton"));
    m_redoButton->setGeometry(424, 534, 22, 21);

    QAction *open = AddAction(window, tr("Open design..."), QKeySequence::Open);
    QAction *save = AddAction(window, tr("Save design"), QKeySequence::Save);
    QAction *saveAs =
        AddAction(window, tr("Save design as..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    QAction *newDesign = AddAction(window, tr("New design"), QKeySequence::New);
    QObject::connect(open, &QAction::triggered, window, guarded([this] { OpenDesignClick(); }));
    QObject::connect(save, &QAction::triggered, window, guarded([this] { SaveDesign(); }));
    QObject::connect(saveAs, &QAction::triggered, window, guarded([this] { SaveDesignAs(); }));
    QObject::connect(newDesign, &QAction::triggered, window, guarded([this] { NewDesign(); }));
    QObject::connect(m_openButton, &QPushButton::clicked, window,
                     guarded([this] { OpenDesignClick(); }));
    QObject::connect(m_saveButton, &QToolButton::clicked, window,
                     guarded([this] { SaveDesign(); }));
    auto *menu = new QMenu(m_saveButton);
    menu->addAction(saveAs);
    menu->addAction(newDesign);
    m_saveButton->setMenu(menu);

    // The undo stack's own actions, with the window's keys; the arrow buttons trigger them.
    QUndoStack &stack = m_context.History.Stack();
    m_undoAction = stack.createUndoAction(window, tr("Undo"));
    m_redoAction = stack.createRedoAction(window, tr("Redo"));
    m_undoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_redoAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    for (QAction *action : {m_undoAction, m_redoAction}) {
        action->setShortcutContext(Qt::WindowShortcut);
        window->addAction(action);
    }
    m_undoButton->setText(QStringLiteral("\u21B6"));
    m_undoButton->setToolTip(tr("Undo (Ctrl+Z)"));
    m_undoButton->setAccessibleName(tr("Undo"));
    m_redoButton->setText(QStringLiteral("\u21B7"));
    m_redoButton->setToolTip(tr("Redo (Ctrl+Shift+Z, Ctrl+Y)"));
    m_redoButton->setAccessibleName(tr("Redo"));
    for (auto [button, action] :
         {std::pair{m_undoButton, m_undoAction}, std::pair{m_redoButton, m_redoAction}}) {
        QObject::connect(button, &QToolButton::clicked, action, &QAction::trigger);
        QObject::connect(action, &QAction::enabledChanged, button, &QWidget::setEnabled);
        button->setEnabled(action->isEnabled());
    }
    // The stack's actions call undo and redo themselves, so showing the result is guarded here.
    m_context.History.OnRestored = [this] {
        Guarded([this] { m_context.Navigation.ShowDocument(); });
    };

    // Every change of the design shows at once in the name's mark; the recovery file follows a
    // moment later, so a run of keystrokes or a drag writes it once.
    m_recoveryTimer = new QTimer(window);
    m_recoveryTimer->setSingleShot(true);
    m_recoveryTimer->setInterval(RecoveryDelayMs);
    QObject::connect(m_recoveryTimer, &QTimer::timeout, window, [this] { Refresh(); });
    QObject::connect(&m_context.Document, &TDesignDocument::Changed, window, [this] {
        ShowName();
        m_recoveryTimer->start();
    });
}

void TDesignFiles::StartNewDesign()
{
    m_path.clear();
    m_page.clear();
    m_stampPath.clear();
    m_saved = m_context.Document.Snapshot();
    m_savedKnown = true;
    m_context.History.Clear();
    Refresh();
}

std::vector<QWidget *> TDesignFiles::BarControls() const
{
    return {m_openButton, m_saveButton, m_undoButton, m_redoButton};
}

void TDesignFiles::PageShown(int /*page*/)
{
    for (QWidget *w : {static_cast<QWidget *>(m_nameLabel), static_cast<QWidget *>(m_openButton),
                       static_cast<QWidget *>(m_saveButton), static_cast<QWidget *>(m_undoButton),
                       static_cast<QWidget *>(m_redoButton)})
        w->raise();
}

bool TDesignFiles::IsModified() const
{
    // Compared with the design as saved rather than read off the undo stack's clean state: some
    // changes never go on the stack (a new popup name at Add popup, a design restored after a
    // crash, faces put in for missing ones on open), a change put back by hand leaves nothing
    // to save, and the stack forgets its oldest steps.
    if (!m_savedKnown)
        return true;
    TDesignState now = m_context.Document.Snapshot();
    return !(now == m_saved);
}

QString TDesignFiles::NameText() const
{
    // A design opened through its page is known by the page's name.
    const QString name = !m_page.isEmpty()  ? QFileInfo(m_page).fileName()
                         : m_path.isEmpty() ? tr("new design")
                                            : QFileInfo(m_path).fileName();
    return tr("Design: ") + name + (IsModified() ? QStringLiteral(" *") : QString());
}

void TDesignFiles::ShowName()
{
    const QString text = NameText();
    if (m_nameLabel->text() != text) {
        m_nameLabel->setText(text);
        m_nameLabel->setToolTip(m_path.isEmpty() ? tr("Not saved yet") : m_path);
    }
    // Screen readers know the window by its title with the design's name and whether it has
    // unsaved changes; the title on screen stays the program's.
    QWidget &window = m_context.Window;
    const QString name = !m_page.isEmpty()  ? QFileInfo(m_page).fileName()
                         : m_path.isEmpty() ? tr("new design")
                                            : QFileInfo(m_path).fileName();
    const QString spoken = (IsModified() ? tr("%1 - Design: %2, not saved") : tr("%1 - Design: %2"))
                               .arg(window.windowTitle(), name);
    if (window.accessibleName() != spoken) {
        window.setAccessibleName(spoken);
        QAccessibleEvent event(&window, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void TDesignFiles::Refresh()
{
    m_recoveryTimer->stop();
    ShowName();
    if (!IsModified()) {
        RemoveRecoveryFile();
        return;
    }
    const TDesignState now = m_context.Document.Snapshot();
    if (m_recoveryWritten && now == m_recovered)
        return;
    // Recovery is a safety net: a full disk must not pester the user after every change.
    try {
        const QString path = m_recovery->OwnPath();
        if (path.isEmpty())
            return;
        WriteRecoveryFile(path, now, m_path);
        m_recovered = now;
        m_recoveryWritten = true;
    } catch (const EVantelleError &) {
    }
}

void TDesignFiles::Ending()
{
    if (!IsModified() || (m_discarded && m_context.Document.Snapshot() == m_discardedState))
        RemoveRecoveryFile();
}

void TDesignFiles::RemoveRecoveryFile()
{
    // Only this run's own file: one that a crash left is kept until the offer was answered.
    if (m_recoveryWritten)
        m_recovery->RemoveOwn();
    m_recoveryWritten = false;
}

void TDesignFiles::OfferRecovery()
{
    // Files of copies that still run are theirs; each one an ended copy left is offered in
    // turn until one is restored.
    for (QString path = m_recovery->TakeLeftFile(); !path.isEmpty();
         path = m_recovery->TakeLeftFile()) {
        TRecoveredDesign recovered;
        try {
            recovered = ReadRecoveryFile(path);
        } catch (const EVantelleError &) {
            // What cannot be read cannot be offered; it would only be offered again.
            m_recovery->Discard(path);
            continue;
        }
        const QString name = recovered.DesignFile.isEmpty()
                                 ? tr("a new design")
                                 : tr("the design \"%1\"").arg(recovered.DesignFile);
        const auto answer =
            Dialogs::message(&m_context.Window, QStringLiteral("Vantelle Pro"),
                             tr("Vantelle Pro did not end normally last time. Restore the unsaved "
                                "changes to %1?\n\nNo deletes them for good.")
                                 .arg(name),
                             QMessageBox::Question, QMessageBox::Yes | QMessageBox::No);
        if (answer == QMessageBox::No) {
            m_recovery->Discard(path);
            continue;
        }
        // Neither answer (the program is ending): the file stays for the next start.
        if (answer != QMessageBox::Yes)
            return;
        try {
            ApplyState(recovered.State);
        } catch (const EVantelleError &e) {
            // Kept for the next start: what a copy left is never deleted unasked.
            ShowErrorBox(tr("Cannot restore \"%1\". %2").arg(path, e.message()));
            continue;
        }
        m_path = recovered.DesignFile;
        // Unsaved until the user saves it, whatever the file on disk holds.
        m_savedKnown = false;
        // The restored design goes on being kept in the file it came from, or in this copy's
        // own file when it has one already.
        if (m_recovery->Adopt(path)) {
            m_recovered = recovered.State;
            m_recoveryWritten = true;
        } else {
            m_recovery->Discard(path);
        }
        Refresh();
        return;
    }
}

void TDesignFiles::ApplyState(const TDesignState &state)
{
    // One step: a design the window cannot show leaves the one before it whole, history and all.
    const TDesignState before = m_context.Document.Snapshot();
    try {
        m_context.Document.Replace(state);
        m_context.Navigation.ShowDocument();
    } catch (...) {
        m_context.Document.Replace(before);
        Guarded([&] { m_context.Navigation.ShowDocument(); });
        throw;
    }
    m_context.History.Clear();
    m_context.Navigation.ShowPage(2);
}

bool TDesignFiles::MaySetAside()
{
    if (!IsModified())
        return true;
    const QString name = m_path.isEmpty() ? tr("the new design") : QFileInfo(m_path).fileName();
    const auto answer = Dialogs::message(
        &m_context.Window, QStringLiteral("Vantelle Pro"), tr("Save the changes to %1?").arg(name),
        QMessageBox::Warning, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    if (answer == QMessageBox::Save)
        return SaveDesign();
    if (answer != QMessageBox::Discard)
        return false;
    m_discarded = true;
    m_discardedState = m_context.Document.Snapshot();
    return true;
}

void TDesignFiles::OpenDesignClick()
{
    if (!MaySetAside())
        return;
    const QString start = m_path.isEmpty() ? m_context.Document.Output.ExistingFile : m_path;
    const QString path = Dialogs::getOpenFileName(&m_context.Window, tr("Open design"),
                                                  ExistingFolder(start), DesignFilter());
    if (!path.isEmpty())
        Guarded([&] { OpenDesignFileNow(path); });
    // A design that stays (the file was refused) is not discarded: it is still the one shown.
    m_discarded = false;
}

void TDesignFiles::OpenDesignFile(const QString &path)
{
    if (!MaySetAside())
        return;
    Guarded([&] { OpenDesignFileNow(path); });
    m_discarded = false;
}

void TDesignFiles::OpenDesignFileNow(const QString &path)
{
    QString designPath = path;
    QString page;
    if (IsPageFileName(path)) {
        const TPublishedPopup published = FindPublishedPopup(path);
        designPath = published.DesignFile;
        page = published.Page;
    }
    // Everything is read, decoded and checked before the open design is touched.
    TDesignState state = ReadDesignFile(designPath);
    const TDesignState asSaved = state;
    // Add popup from a page's design writes back to that page and its folder.
    if (!page.isEmpty())
        state.Output.ExistingFile = page;
    const auto missing = SubstituteMissingFaces(state, FontFaceList());

    try {
        ApplyState(state);
    } catch (const EDesignFileError &) {
        throw;
    } catch (const EVantelleError &e) {
        throw EDesignFileError(tr("Cannot open design \"%1\". %2").arg(designPath, e.message()));
    }
    m_path = designPath;
    m_page = page;
    RememberFile(designPath);
    m_saved = asSaved;
    m_savedKnown = true;
    Refresh();
    if (!missing.empty())
        Dialogs::message(&m_context.Window, QStringLiteral("Vantelle Pro"),
                         tr("Some faces of the design \"%1\" are not installed here: "
                            "%2. The design keeps its faces.")
                             .arg(designPath, QuotedFaces(missing)),
                         QMessageBox::Information, QMessageBox::Ok);
}

bool TDesignFiles::SaveDesign()
{
    if (m_path.isEmpty() || IsPageFileName(m_path))
        return SaveDesignAs();
    return WriteTo(m_path);
}

bool TDesignFiles::SaveDesignAs()
{
    QString start = m_path;
    if (start.isEmpty())
        start = JoinPath(ExistingFolder(m_context.Document.Output.ExistingFile),
                         QStringLiteral("popup.vpopup"));
    else
        start = JoinPath(ExistingFolder(m_path), QFileInfo(m_path).fileName());
    QString path = Dialogs::getSaveFileName(&m_context.Window, tr("Save design as"), start,
                                            tr("Vantelle Pro designs (*.vpopup)"));
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".vpopup");
    // Asked here, once the name is settled: the suffix may have been added to what was typed.
    if (QFileInfo::exists(path) &&
        Dialogs::message(&m_context.Window, QStringLiteral("Vantelle Pro"),
                         tr("\"%1\" already exists. Replace it?").arg(path), QMessageBox::Warning,
                         QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return false;
    return WriteTo(path);
}

TDesignFiles::TFileStamp TDesignFiles::StampOf(const QString &path)
{
    TFileStamp stamp;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return stamp;
    stamp.Exists = true;
    stamp.Size = file.size();
    stamp.Modified = QFileInfo(file).lastModified().toMSecsSinceEpoch();
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    stamp.Hash = hash.result();
    return stamp;
}

void TDesignFiles::RememberFile(const QString &path)
{
    m_stampPath = QFileInfo(path).absoluteFilePath();
    m_stamp = StampOf(path);
}

bool TDesignFiles::WriteTo(const QString &path)
{
    // Another copy (or program) may have saved this file since this copy read or wrote it.
    if (QFileInfo(path).absoluteFilePath() == m_stampPath) {
        const TFileStamp now = StampOf(path);
        if (now.Exists && !(now == m_stamp)) {
            const auto answer = Dialogs::message(
                &m_context.Window, QStringLiteral("Vantelle Pro"),
                tr("\"%1\" was changed by another program or another copy of "
                   "Vantelle Pro since this copy opened or saved it. Overwrite those "
                   "changes, save this design under another name, or cancel?")
                    .arg(path),
                QMessageBox::Warning, QMessageBox::Yes | QMessageBox::Save | QMessageBox::Cancel,
                {{QMessageBox::Yes, tr("Overwrite")}, {QMessageBox::Save, tr("Save as...")}});
            if (answer == QMessageBox::Save)
                return SaveDesignAs();
            if (answer != QMessageBox::Yes)
                return false;
        }
    }
    const TDesignState state = m_context.Document.Snapshot();
    WriteDesignFile(path, state);
    if (QFileInfo(path).absoluteFilePath() != QFileInfo(m_path).absoluteFilePath())
        m_page.clear();
    m_path = path;
    RememberFile(path);
    m_saved = state;
    m_savedKnown = true;
    Refresh();
    return true;
}

void TDesignFiles::WriteDesignBeside(const QString &folder)
{
    const QString path = JoinPath(folder, DesignFileName);
    const TDesignState state = m_context.Document.Snapshot();
    WriteDesignFile(path, state);
    // The design opened from this page is now saved where it came from.
    if (QFileInfo(path).absoluteFilePath() == QFileInfo(m_path).absoluteFilePath()) {
        RememberFile(path);
        m_saved = state;
        m_savedKnown = true;
        Refresh();
    }
}

void TDesignFiles::NewDesign()
{
    if (!MaySetAside())
        return;
    // Only the end of the program keeps the answer Discard; a design that stays is kept safe.
    struct TForget {
        bool &discarded;
        ~TForget() { discarded = false; }
    } forget{m_discarded};
    TDesignState fresh;
    fresh.Settings = TPopupSettings{};
    fresh.Output = m_context.Document.Output;
    if (const TPNGObject *picture = m_context.Navigation.SelectedPicture())
        fresh.Template = DesignPictureOf(*picture);
    ApplyState(fresh);
    StartNewDesign();
    m_context.Navigation.ShowPage(1);
}
