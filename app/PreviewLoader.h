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
    // module cannot be loaded.
    QWidget *Browser();
    // The browser view if it has been made, else nullptr.
    QWidget *ExistingBrowser() const { return m_browser; }
    void SetUrl(const QUrl &url);
    // Loads the module and starts the browser engine with an empty page (no view) after delayMs
    // of the event loop being free, so that page 4 later only has to make the view; a failure
    // here stays quiet (page 4 will report it). Only the first call counts; a negative delay
    // turns the warm-up off for good.
    void WarmUp(int delayMs);
    // The module's path once loaded.
    QString ModuleFile() const;

private:
    // Loads the module if it is not loaded; raises EVantelleError when it cannot.
    void LoadModule();

    QPointer<QWidget> m_place;
    QPointer<QWidget> m_browser;
    std::unique_ptr<QLibrary> m_module;
    bool m_warmUpAsked = false;
};
