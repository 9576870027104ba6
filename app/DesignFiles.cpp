#include "app/DesignFiles.h"

#include "app/Dialogs.h"
#include "app/ErrorGuard.h"
#include "app/MainWindow.h"
#include "base/ProgramPaths.h"
#include "document/DesignFile.h"
#include "document/RecoveryFiles.h"
#include "output/PageText.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace {

const QString DesignFilter = QStringLiteral(
    "Designs and published pages (*.vpopup *.htm *.html);;Vantelle Pro designs (*.vpopup);;"
    "Web pages (*.htm *.html);;Any file (*)");

QAction *AddAction(QWidget *window, const QString &text, const QKeySequence &keys)
{
    auto *action = new QAction(text, window);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    window->addAction(action);
    return action;
}

QString QuotedFaces(const std::vector<std::pair<QString, QString>> &replaced)
{
    QStringList parts;
    for (const auto &pair : replaced)
        parts << QStringLiteral("\"%1\" is shown in \"%2\"").arg(pair.first, pair.second);
    return parts.join(QStringLiteral(", "));
}

} // namespace

TDesignFiles::TDesignFiles(TMainForm &form)
    : m_form(form), m_recovery(std::make_unique<TRecoveryFiles>(ProgramStateFolder()))
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
    m_openButton = new QPushButton(QStringLiteral("Open design..."), window);
    m_openButton->setObjectName(QStringLiteral("OpenDesign"));
    m_openButton->setGeometry(214, 534, 86, 21);
    m_openButton->setToolTip(
        QStringLiteral("Open a design, or the page of a published popup (Ctrl+O)"));
    m_saveButton = new QToolButton(window);
    m_saveButton->setObjectName(QStringLiteral("SaveDesign"));
    m_saveButton->setText(QStringLiteral("Save design"));
    m_saveButton->setGeometry(302, 534, 94, 21);
    m_saveButton->setPopupMode(QToolButton::MenuButtonPopup);
    m_saveButton->setToolTip(QStringLiteral("Save design (Ctrl+S)"));
    m_undoButton = new QToolButton(window);
    m_undoButton->setObjectName(QStringLiteral("UndoButton"));
    m_undoButton->setGeometry(400, 534, 22, 21);
    m_redoButton = new QToolButton(window);
    m_redoButton->setObjectName(QStringLiteral("RedoButton"));
    m_redoButton->setGeometry(424, 534, 22, 21);

    QAction *open = AddAction(window, QStringLiteral("Open design..."), QKeySequence::Open);
    QAction *save = AddAction(window, QStringLiteral("Save design"), QKeySequence::Save);
    QAction *saveAs = AddAction(window, QStringLiteral("Save design as..."),
                                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    QAction *newDesign = AddAction(window, QStringLiteral("New design"), QKeySequence::New);
    m_undoAction = AddAction(window, QStringLiteral("Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_redoAction =
        AddAction(window, QStringLiteral("Redo"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    m_redoAltAction = AddAction(window, QStringLiteral("Redo"), QKeySequence(Qt::CTRL | Qt::Key_Y));
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

    QUndoStack &stack = m_form.History->Stack();
    for (QAction *action : {m_undoAction, m_redoAction, m_redoAltAction}) {
        const bool undo = action == m_undoAction;
        QObject::connect(action, &QAction::triggered, window, guarded([this, undo] {
                             undo ? m_form.History->Stack().undo() : m_form.History->Stack().redo();
                         }));
    }
    m_undoButton->setText(QStringLiteral("\u21B6"));
    m_undoButton->setToolTip(QStringLiteral("Undo (Ctrl+Z)"));
    m_redoButton->setText(QStringLiteral("\u21B7"));
    m_redoButton->setToolTip(QStringLiteral("Redo (Ctrl+Shift+Z, Ctrl+Y)"));
    QObject::connect(m_undoButton, &QToolButton::clicked, window,
                     guarded([&stack] { stack.undo(); }));
    QObject::connect(m_redoButton, &QToolButton::clicked, window,
                     guarded([&stack] { stack.redo(); }));
    QObject::connect(&stack, &QUndoStack::canUndoChanged, m_undoButton, &QWidget::setEnabled);
    QObject::connect(&stack, &QUndoStack::canRedoChanged, m_redoButton, &QWidget::setEnabled);
    m_undoButton->setEnabled(false);
    m_redoButton->setEnabled(false);
    m_form.History->OnRestored = [this] {
        m_form.ShowDocument();
        Refresh();
    };

    m_timer = new QTimer(window);
    m_timer->setInterval(500);
    QObject::connect(m_timer, &QTimer::timeout, window, [this] { Refresh(); });
    m_timer->start();
}

void TDesignFiles::StartNewDesign()
{
    m_form.Output->SyncDocument();
    m_path.clear();
    m_saved = m_form.Document.Snapshot();
    m_savedKnown = true;
    m_form.History->Clear();
    Refresh();
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
    if (!m_savedKnown)
        return true;
    TDesignState now = m_form.Document.Snapshot();
    return !(now == m_saved);
}

QString TDesignFiles::NameText() const
{
    const QString name =
        m_path.isEmpty() ? QStringLiteral("new design") : QFileInfo(m_path).fileName();
    return QStringLiteral("Design: ") + name + (IsModified() ? QStringLiteral(" *") : QString());
}

void TDesignFiles::Refresh()
{
    m_form.Output->SyncDocument();
    const bool modified = IsModified();
    const QString text = NameText();
    if (m_nameLabel->text() != text) {
        m_nameLabel->setText(text);
        m_nameLabel->setToolTip(m_path.isEmpty() ? QStringLiteral("Not saved yet") : m_path);
    }
    if (!modified) {
        RemoveRecoveryFile();
        return;
    }
    const TDesignState now = m_form.Document.Snapshot();
    if (m_recoveryWritten && now == m_recovered)
        return;
    // Recovery is a safety net: a full disk must not pester the user twice a second.
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
                                 ? QStringLiteral("a new design")
                                 : QStringLiteral("the design \"%1\"").arg(recovered.DesignFile);
        const auto answer = Dialogs::message(
            &m_form, QStringLiteral("Vantelle Pro"),
            QStringLiteral("Vantelle Pro did not end normally last time. Restore the unsaved "
                           "changes to %1?")
                .arg(name),
            QMessageBox::Question, QMessageBox::Yes | QMessageBox::No);
        if (answer != QMessageBox::Yes) {
            m_recovery->Discard(path);
            continue;
        }
        ApplyState(recovered.State);
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
    m_form.Document.Restore(state);
    m_form.Document.Model.CurrentObject = nullptr;
    m_form.History->Clear();
    m_form.ShowDocument();
    m_form.ShowPage(2);
}

bool TDesignFiles::MaySetAside()
{
    if (!IsModified())
        return true;
    const QString name =
        m_path.isEmpty() ? QStringLiteral("the new design") : QFileInfo(m_path).fileName();
    const auto answer =
        Dialogs::message(&m_form, QStringLiteral("Vantelle Pro"),
                         QStringLiteral("Save the changes to %1?").arg(name), QMessageBox::Warning,
                         QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    if (answer == QMessageBox::Save)
        return SaveDesign();
    return answer == QMessageBox::Discard;
}

void TDesignFiles::OpenDesignClick()
{
    if (!MaySetAside())
        return;
    const QString start = m_path.isEmpty() ? m_form.Document.Output.ExistingFile : m_path;
    const QString path = Dialogs::getOpenFileName(&m_form, QStringLiteral("Open design"),
                                                  QFileInfo(start).absolutePath(), DesignFilter);
    if (!path.isEmpty())
        Guarded([&] { OpenDesignFileNow(path); });
}

void TDesignFiles::OpenDesignFile(const QString &path)
{
    if (!MaySetAside())
        return;
    Guarded([&] { OpenDesignFileNow(path); });
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
    TDesignState state = ReadDesignFile(designPath);
    const TDesignState asSaved = state;
    // Add popup from a page's design writes back to that page and its folder.
    if (!page.isEmpty())
        state.Output.ExistingFile = page;
    QStringList faces;
    if (auto *fontName = m_form.findChild<QComboBox *>(QStringLiteral("FontName")))
        for (int i = 0; i < fontName->count(); ++i)
            faces << fontName->itemText(i);
    const auto replaced = ReplaceMissingFaces(state, faces);

    ApplyState(state);
    m_path = designPath;
    m_saved = asSaved;
    m_savedKnown = true;
    Refresh();
    if (!replaced.empty())
        Dialogs::message(&m_form, QStringLiteral("Vantelle Pro"),
                         QStringLiteral("Some faces of this design are not installed here: %1.")
                             .arg(QuotedFaces(replaced)),
                         QMessageBox::Information, QMessageBox::Ok);
}

bool TDesignFiles::SaveDesign()
{
    if (m_path.isEmpty() || IsPageFileName(m_path))
        return SaveDesignAs();
    WriteTo(m_path);
    return true;
}

bool TDesignFiles::SaveDesignAs()
{
    QString start = m_path;
    if (start.isEmpty())
        start = JoinPath(QFileInfo(m_form.Document.Output.ExistingFile).absolutePath(),
                         QStringLiteral("popup.vpopup"));
    QString path = Dialogs::getSaveFileName(&m_form, QStringLiteral("Save design as"), start,
                                            QStringLiteral("Vantelle Pro designs (*.vpopup)"));
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".vpopup");
    WriteTo(path);
    return true;
}

void TDesignFiles::WriteTo(const QString &path)
{
    m_form.Output->SyncDocument();
    const TDesignState state = m_form.Document.Snapshot();
    WriteDesignFile(path, state);
    m_path = path;
    m_saved = state;
    m_savedKnown = true;
    Refresh();
}

void TDesignFiles::WriteDesignBeside(const QString &folder)
{
    const QString path = JoinPath(folder, DesignFileName);
    const TDesignState state = m_form.Document.Snapshot();
    WriteDesignFile(path, state);
    // The design opened from this page is now saved where it came from.
    if (QFileInfo(path).absoluteFilePath() == QFileInfo(m_path).absoluteFilePath()) {
        m_saved = state;
        m_savedKnown = true;
        Refresh();
    }
}

void TDesignFiles::NewDesign()
{
    if (!MaySetAside())
        return;
    TDesignState fresh;
    fresh.Settings = TPopupSettings{};
    fresh.Output = m_form.Document.Output;
    if (const TPNGObject *picture = m_form.SelectedPicture())
        fresh.Template = DesignPictureOf(*picture);
    ApplyState(fresh);
    StartNewDesign();
    m_form.ShowPage(1);
}
