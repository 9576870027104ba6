#pragma once

// Page 3 of the wizard: what the popup does (click action, link, auto close, sessions,
// position), the text for screen readers and "More options...". Its controls write the design
// document as they change.

#include "app/PageContext.h"
#include "output/PopupSettings.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class TPanel;

class TBehaviourPage {
    Q_DECLARE_TR_FUNCTIONS(TBehaviourPage)

public:
    explicit TBehaviourPage(const TPageContext &context);
    ~TBehaviourPage();
    TBehaviourPage(const TBehaviourPage &) = delete;
    TBehaviourPage &operator=(const TBehaviourPage &) = delete;

    // Creates the page's controls inside page (called by the window before start-up runs).
    void BuildControls(TPanel *page);
    // Start-up: the enabling handlers once each.
    void ApplyDefaults();

    // The behaviour settings as the controls show them now, with the further options of
    // "More options..." (kept in the design document) and the text for screen readers.
    TPopupSettings ReadPopupSettings() const;
    // Sets the controls to the settings, with their enabling rules.
    void ShowPopupSettings(const TPopupSettings &settings);
    // The controls into the design document; runs on every edit of them.
    void SyncDocument();
    // The design document onto the page.
    void ShowDocument();
    // Entering the page: the text for screen readers follows the design until the user edits
    // it.
    void Enter();
    // Next on the page: refuses (raises) settings no popup can use and a close button off the
    // picture; says once, until the link changes, that a popup without a link does nothing
    // when clicked.
    void Leave();
    // "Show it again to visitors who have seen it": the next popup written gets a new name.
    bool NewPopupNameWanted() const;

    // Handlers, public so that the window and tests can drive them like the controls do.
    void PopupClickActionChanged();
    void EnableAutoCloseClick();
    void PositionTypeChanged();
    void MoreOptionsClick();

    // The page's group frames, styled by the window like every group.
    const std::vector<TPanel *> &GroupPanels() const noexcept { return m_groups; }

private:
    // The document's popup got a new name: the wish for one is met.
    void DocumentChanged();

    TPageContext m_context;
    QMetaObject::Connection m_documentChanged;
    TPanel *m_page = nullptr;
    // While the controls are filled from the document, their change events write nothing.
    bool m_showing = false;
    // The popup's name as the page last saw it in the document.
    QString m_cookieName;

    QRadioButton *m_closePopup = nullptr;
    QRadioButton *m_openLink = nullptr;
    QLabel *m_urlLabel = nullptr;
    QLineEdit *m_urlEdit = nullptr;
    QRadioButton *m_sameWindow = nullptr;
    QRadioButton *m_newWindow = nullptr;
    QCheckBox *m_enableAutoClose = nullptr;
    QLabel *m_delayLabel = nullptr;
    QSpinBox *m_delayTime = nullptr;
    QRadioButton *m_openOncePerSession = nullptr;
    QRadioButton *m_everyLoad = nullptr;
    QRadioButton *m_autoCenter = nullptr;
    QRadioButton *m_setManual = nullptr;
    QLabel *m_leftLabel = nullptr;
    QLabel *m_topLabel = nullptr;
    QSpinBox *m_leftSpin = nullptr;
    QSpinBox *m_topSpin = nullptr;
    QLineEdit *m_screenReaderText = nullptr;
    QPushButton *m_moreOptions = nullptr;
    QCheckBox *m_showAgain = nullptr;
    // The note that the popup has no link was shown, and the link is still empty.
    bool m_noLinkNoted = false;
    // Whether the user typed their own text for screen readers.
    bool m_readerTextEdited = false;

    std::vector<TPanel *> m_groups;
};
