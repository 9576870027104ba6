#include "document/DesignHistory.h"

#include <QUndoCommand>

class TDesignCommand : public QUndoCommand {
public:
    TDesignCommand(TDesignHistory &history, const QString &text, TDesignState before,
                   TDesignState after, TChangeKind kind, int object, int group)
        : QUndoCommand(text), m_history(history), m_before(std::move(before)),
          m_after(std::move(after)), m_kind(kind), m_object(object), m_group(group)
    {
    }

    void undo() override { m_history.Apply(m_before); }
    void redo() override
    {
        // On a push the document holds the change already; the views keep what they show.
        if (!(m_history.m_document.Snapshot() == m_after))
            m_history.Apply(m_after);
    }
    int id() const override { return m_kind == TChangeKind::Other ? -1 : 1; }
    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *next = static_cast<const TDesignCommand *>(other);
        if (next->m_kind != m_kind || next->m_object != m_object || next->m_group != m_group)
            return false;
        m_after = next->m_after;
        return true;
    }

private:
    TDesignHistory &m_history;
    TDesignState m_before;
    TDesignState m_after;
    TChangeKind m_kind;
    int m_object;
    int m_group;
};

TDesignHistory::TDesignHistory(TDesignDocument &document) : m_document(document)
{
    m_stack.setUndoLimit(MinimumSteps);
}

TDesignHistory::~TDesignHistory()
{
    // The commands refer back to this history; they go before its members do.
    m_stack.clear();
}

void TDesignHistory::Record(const QString &text, const TDesignState &before, TChangeKind kind,
                            int object)
{
    if (m_applying)
        return;
    if (!m_document.Announce(before))
        return;
    m_stack.push(
        new TDesignCommand(*this, text, before, m_document.Snapshot(), kind, object, m_group));
}

void TDesignHistory::BreakGroup()
{
    ++m_group;
}

void TDesignHistory::Clear()
{
    m_stack.clear();
    ++m_group;
}

void TDesignHistory::Apply(const TDesignState &state)
{
    m_applying = true;
    try {
        m_document.Restore(state);
        ++m_group;
        if (OnRestored)
            OnRestored();
    } catch (...) {
        m_applying = false;
        throw;
    }
    m_applying = false;
}
