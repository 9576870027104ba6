#pragma once

// Design files in the window: Open design..., Save design, Save design as... and New design
// (buttons in the bottom bar on every page, with their keys), the open design's name with a
// mark while it has unsaved changes, the question before unsaved changes would be dropped,
// undo and redo of the whole design, and recovery after a crash.

#include "app/PageContext.h"
#include "document/DesignDocument.h"

#include <QCoreApplication>
#include <QString>

#include <memory>
#include <vector>

class QAction;
class QLabel;
class QPushButton;
class QTimer;
class QToolButton;
class QWidget;
class TRecoveryFiles;

class TDesignFiles {
    Q_DECLARE_TR_FUNCTIONS(TDesignFiles)

public:
    explicit TDesignFiles(const TPageContext &context);
    ~TDesignFiles();
    TDesignFiles(const TDesignFiles &) = delete;
    TDesignFiles &operator=(const TDesignFiles &) = delete;

    // Creates the bottom bar's controls and the window's keys (called before start-up runs).
    void BuildControls(QWidget *window);
    // The design now in the window is a new one: nothing to save, no file, no history.
    void StartNewDesign();
    // Keeps the bottom bar (with undo and redo, which act on every page) above the page shown.
    void PageShown(int page);
    // The bottom bar's controls that take the focus, from left to right.
    std::vector<QWidget *> BarControls() const;

    // Handlers, public so that tests can drive them like the controls do.
    void OpenDesignClick();
    // Opens a design file or a page's design; the open design stays when the user cancels or
    // the file cannot be read.
    void OpenDesignFile(const QString &path);
    // False when the user cancelled the file dialog or the write failed.
    bool SaveDesign();
    bool SaveDesignAs();
    void NewDesign();
    // Asks Save / Discard / Cancel when the design has unsaved changes; true when it may go:
    // false when the user cancelled or the save did not succeed.
    bool MaySetAside();
    // The program ends: the recovery file goes only when nothing is unsaved or the user chose
    // to discard exactly what there is; an end without asking (a signal) keeps it.
    void Ending();
    // Writes the design as design.vpopup into an output folder beside logo.png.
    void WriteDesignBeside(const QString &folder);

    // Offers the design a crashed or killed run left in its recovery file.
    void OfferRecovery();
    // The design's state went somewhere safe or away: the recovery file this run wrote goes.
    void RemoveRecoveryFile();
    // Compares the design with what was saved, shows the mark and keeps the recovery file;
    // runs a moment after the document announced a change, and after every save and open.
    void Refresh();
    // How long after a change the recovery file is written.
    static constexpr int RecoveryDelayMs = 1000;

    bool IsModified() const;
    const QString &DesignPath() const noexcept { return m_path; }
    // What the name label shows, e.g. "Design: sale.vpopup *".
    QString NameText() const;

private:
    void OpenDesignFileNow(const QString &path);
    // The name label with its mark for unsaved changes.
    void ShowName();
    void ApplyState(const TDesignState &state);
    // False when the user chose not to write over a file changed since this copy read it.
    bool WriteTo(const QString &path);
    void RememberFile(const QString &path);

    // What the design file was when this copy read or last wrote it.
    struct TFileStamp {
        bool Exists = false;
        qint64 Size = 0;
        qint64 Modified = 0;
        QByteArray Hash;
        bool operator==(const TFileStamp &) const = default;
    };
    static TFileStamp StampOf(const QString &path);

    TPageContext m_context;
    QString m_path;
    // The page a published design was opened through, which names it.
    QString m_page;
    QString m_stampPath;
    TFileStamp m_stamp;
    bool m_discarded = false;
    TDesignState m_discardedState;
    TDesignState m_saved;
    bool m_savedKnown = true;
    TDesignState m_recovered;
    bool m_recoveryWritten = false;
    std::unique_ptr<TRecoveryFiles> m_recovery;

    QLabel *m_nameLabel = nullptr;
    QPushButton *m_openButton = nullptr;
    QToolButton *m_saveButton = nullptr;
    QToolButton *m_undoButton = nullptr;
    QToolButton *m_redoButton = nullptr;
    QAction *m_undoAction = nullptr;
    QAction *m_redoAction = nullptr;
    QTimer *m_recoveryTimer = nullptr;
};
