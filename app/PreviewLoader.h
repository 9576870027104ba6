#pragma once

// The preview's browser view, made from a module of its own the first time page 4 needs it (or
// earlier, while the user is busy on the earlier pages), so that starting the program loads
// none of the browser engine's libraries.

#include <QCoreApplication>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <memory>

class QLibrary;
class QTimer;
class QWidget;

class TPreviewLoader {
    Q_DECLARE_TR_FUNCTIONS(TPreviewLoader)

public:
    // place is the control that holds the browser's place on its page until the browser is
    // made: the browser then takes its parent, geometry and object name, and place is hidden.
    explicit TPreviewLoader(QWidget *place);
    ~TPreviewLoader();
    TPreviewLoader(const TPreviewLoader &) = delete;
    TPreviewLoader &operator=(const TPreviewLoader &) = delete;

    // The folders searched for the module, first to last: the program's folder, then where the
    // package installs it relative to the program.
    QStringList ModuleFolders;

    // The browser view, made now if it does not exist yet; raises EVantelleError when the
    // module cannot be loaded. A page loaded ahead (Preload) becomes the view's page.
    QWidget *Browser();
    // The browser view if it has been made, else nullptr.
    QWidget *ExistingBrowser() const { return m_browser; }
    // Has the view show url: a page that already holds url (loaded ahead) is not loaded again.
    void SetUrl(const QUrl &url);
    // Deletes the view and its page, with the last picture they drew, which a view shows again
    // when it is next shown, before anything newer is drawn. The browser's place holds its
    // place again until the next view is made.
    void DropBrowser();
    // Empties the view, or the page made ahead of it, if either exists.
    void Clear();
    // Loads the module and starts the browser engine with an empty page (no view) after delayMs
    // of the event loop being free, so that page 4 later only has to make the view; a failure
    // here stays quiet (page 4 will report it). Only the first call counts; a negative delay
    // turns the warm-up off for good.
    void WarmUp(int delayMs);
    // Loads url, off screen, into the page the view shows (or will show once it is made), so
    // that page 4 finds it loaded. Does nothing (and returns false) unless the warm-up is on;
    // quiet about failures, as the warm-up is.
    bool Preload(const QUrl &url);
    // The address last given to the page, ahead or not; empty before the first.
    QUrl PageUrl() const { return m_pageUrl; }
    // The module's path once loaded.
    QString ModuleFile() const;

private:
    // Loads the module if it is not loaded; raises EVantelleError when it cannot.
    void LoadModule();
    // The page made ahead of the view, made now if needed (the module must be loaded).
    QObject *PageAhead();
    // Has target (the view or the page made ahead of it) load url (after the empty page, if
    // that is loading).
    void Load(QObject *target, const QUrl &url);

    QPointer<QWidget> m_place;
    // The browser's object name, which its place has while there is no browser.
    QString m_name;
    QPointer<QWidget> m_browser;
    std::unique_ptr<QLibrary> m_module;
    // The page the view shows (made ahead of it, or its own).
    QPointer<QObject> m_page;
    // The page's view, off screen, until page 4 takes it.
    QPointer<QWidget> m_viewAhead;
    QUrl m_pageUrl;
    bool m_warmUpAsked = false;
    bool m_warmUpOn = false;
};
