#pragma once

// Undo and redo of design changes: a QUndoStack of commands that each hold the design before
// and after one change; redo() brings the document to the state after it and undo() back to
// the one before. A change runs through Change(), which makes it on the document, announces it
// and pushes its command; the first redo() then finds the document already there.

#include "document/DesignDocument.h"

#include <QString>
#include <QUndoStack>

#include <functional>

// What kind of change a step is. Typing into one text (its words, size or angle) and the steps
// of one drag join the step before them when it is of the same kind on the same object, as
// text editors group typing. Field is typing into one box of the behaviour or output settings;
// its object is a number the window gives that box.
enum class TChangeKind { Other = 0, Typing = 1, Drag = 2, Field = 3 };

class TDesignHistory {
public:
    // Keeps at least MinimumSteps steps; older ones are dropped.
    static constexpr int MinimumSteps = 500;

    explicit TDesignHistory(TDesignDocument &document);
    ~TDesignHistory();
    TDesignHistory(const TDesignHistory &) = delete;
    TDesignHistory &operator=(const TDesignHistory &) = delete;

    QUndoStack &Stack() noexcept { return m_stack; }

    // Makes a change on the document as one step: change runs on it, the document announces
    // what differs, and the step is pushed. Nothing is pushed when the design did not change.
    // A change that fails half way keeps what it did, so it is recorded all the same. object
    // is the index in the object list of the object typed into or dragged, or the box typed
    // into (for grouping).
    template <class F>
    void Change(const QString &text, F &&change, TChangeKind kind = TChangeKind::Other,
                int object = -1)
    {
        const TDesignState before = m_document.Snapshot();
        try {
            change();
        } catch (...) {
            Record(text, before, kind, object);
            throw;
        }
        Record(text, before, kind, object);
    }
    // Records a change already made on the document; before is the design just before it.
    void Record(const QString &text, const TDesignState &before,
                TChangeKind kind = TChangeKind::Other, int object = -1);
    // Ends grouping, so the next typing or drag step starts a step of its own.
    void BreakGroup();
    // Forgets every step (a new or opened design starts a history of its own).
    void Clear();

    // Runs after undo or redo has restored the document, for the window to show it.
    std::function<void()> OnRestored;

private:
    friend class TDesignCommand;
    void Apply(const TDesignState &state);

    TDesignDocument &m_document;
    QUndoStack m_stack;
    int m_group = 0;
    // While undo or redo restores the document, the views showing it record nothing.
    bool m_applying = false;
};
