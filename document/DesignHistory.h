#pragma once

// Undo and redo of design changes: a QUndoStack of commands that each hold the design before
// and after one change and restore it on the document. The pages make a change on the
// document first and then record it, so the first redo that QUndoStack runs on a push does
// nothing.

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

    // Records a change already made to the document; before is the design just before it.
    // Nothing is recorded when the design did not change. object is the index in the object
    // list of the object typed into or dragged, or the box typed into (for grouping).
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
