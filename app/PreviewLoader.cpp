#include "app/PreviewLoader.h"

#include "app/preview/PreviewModule.h"
#include "imaging/VantelleError.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QOpenGLContext>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <dlfcn.h>

// Qt's context that every GL context of the process shares with: the browser engine's view
// draws with textures made on the engine's own threads. Exported by Qt, declared only in its
// private headers.
Q_GUI_EXPORT QOpenGLContext *qt_gl_global_share_context();
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);

namespace {

const QLatin1String ModuleName("vantelle-pro-preview.so");
// The engine's start waits for a pause this long in the user's input, though not longer than the
// second time in all.
constexpr int InputPauseMs = 400;
constexpr int InputWaitMs = 5000;

// Asks the application object to share GL contexts. Qt warns that the attribute belongs before
// the application object; that holds for the context it would make then, which is made here
// instead.
void AskToShareGlContexts()
{
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &where, const QString &text) {
            if (!text.contains(QLatin1String("AA_ShareOpenGLContexts")) && previous)
                previous(type, where, text);
        });
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    qInstallMessageHandler(previous);
}

// The context every GL context shares with, made on this thread and handed to owner's thread.
// Kept to the end of the process: the engine may still use it while it shuts down. It is set
// even where it cannot be created (no GL here): the engine then draws without GL rather than
// finding no context at all.
void MakeShareContext(QThread *owner)
{
    auto *context = new QOpenGLContext;
    context->setFormat(QSurfaceFormat::defaultFormat());
    context->create();
    if (context->thread() != owner)
        context->moveToThread(owner);
    qt_gl_set_global_share_context(context);
}

// What the application object would make at its start if asked to share GL contexts; made here,
// just before the browser engine loads, because making it loads the whole GL stack, which took
// more than half of the program's start-up and which pages 1 to 3 never use.
void ShareGlContexts()
{
    if (qt_gl_global_share_context())
        return;
    AskToShareGlContexts();
    MakeShareContext(QThread::currentThread());
}

} // namespace

// The time since the user last typed, clicked, dragged or scrolled in the program.
class TInputWatch : public QObject {
public:
    TInputWatch() { m_since.start(); }
    qint64 Since() const { return m_since.elapsed(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
            m_since.restart();
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QElapsedTimer m_since;
};

TPreviewLoader::TPreviewLoader(QWidget *place)
    : m_place(place), m_name(place ? place->objectName() : QString())
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    ModuleFolders << programFolder
                  << QDir::cleanPath(programFolder + QStringLiteral("/" VANTELLE_MODULE_FROM_BIN));
}

TPreviewLoader::~TPreviewLoader()
{
    if (m_loading.joinable())
        m_loading.join();
    // The module stays loaded: the browser engine does not survive being unloaded, and the
    // view may still be in the middle of deleting itself.
    if (m_module)
        m_module->setLoadHints(QLibrary::PreventUnloadHint);
    // The view made ahead belongs to no window.
    delete m_viewAhead;
}

QString TPreviewLoader::ModuleFile() const
{
    return m_module ? m_module->fileName() : QString();
}

QWidget *TPreviewLoader::Browser()
{
    if (m_browser)
        return m_browser;
    LoadModule();
    const auto create =
        reinterpret_cast<TCreatePreviewBrowser>(m_module->resolve(VANTELLE_PREVIEW_CREATE));
    if (!create)
        throw EVantelleError(tr("The preview cannot be shown: %1 is not the "
                                "program's browser module.")
                                 .arg(m_module->fileName()));
    QWidget *parent = m_place ? m_place->parentWidget() : nullptr;
    m_browser = create(parent, m_page);
    // Taken into the page, or gone with a page that was not ready.
    m_viewAhead = nullptr;
    if (!m_page)
        m_pageUrl = QUrl();
    if (m_place) {
        m_browser->setGeometry(m_place->geometry());
        m_browser->setObjectName(m_name);
        m_place->setObjectName(m_name + QStringLiteral("Place"));
        m_place->hide();
        m_browser->stackUnder(m_place);
        m_browser->setAccessibleName(m_place->accessibleName());
        m_browser->setAccessibleDescription(m_place->accessibleDescription());
        // Tab reaches the browser where its place is on the page, before the bottom bar.
        QWidget::setTabOrder(m_place, m_browser);
        m_browser->show();
    }
    return m_browser;
}

QString TPreviewLoader::FindModule() const
{
    for (const QString &folder : ModuleFolders) {
        const QString file = QDir(folder).filePath(ModuleName);
        if (QFileInfo::exists(file))
            return file;
    }
    return {};
}

void TPreviewLoader::LoadModule()
{
    if (!m_module) {
        // The libraries the warm-up is loading: their load ends before this one starts.
        if (m_loading.joinable())
            m_loading.join();
        QString tried;
        for (const QString &folder : ModuleFolders) {
            const QString file = QDir(folder).filePath(ModuleName);
            if (!QFileInfo::exists(file))
                continue;
            ShareGlContexts();
            auto module = std::make_unique<QLibrary>(file);
            module->setLoadHints(QLibrary::PreventUnloadHint);
            if (module->load()) {
                m_module = std::move(module);
                break;
            }
            tried = module->errorString();
        }
        if (!m_module)
            throw EVantelleError(
                tr("The preview cannot be shown: its browser module (%1) could not "
                   "be loaded.%2")
                    .arg(ModuleName, tried.isEmpty() ? QString() : QStringLiteral("\n") + tried));
    }
}

QObject *TPreviewLoader::PageAhead()
{
    if (!m_page && !m_browser && m_place) {
        const auto create =
            reinterpret_cast<TCreatePreviewPage>(m_module->resolve(VANTELLE_PREVIEW_PAGE));
        if (create) {
            m_page = create(m_place);
            m_page->setObjectName(QStringLiteral("PreviewAhead"));
            // Its view too, off screen: in the window on screen it would have the window made
            // again while the user looks at it (page 4 does that once anyway), and the first
            // showing of a view, in the window or not, is most of the time to the preview.
            const auto ahead =
                reinterpret_cast<TCreatePreviewAhead>(m_module->resolve(VANTELLE_PREVIEW_AHEAD));
            if (ahead && (m_viewAhead = ahead(m_page))) {
                m_viewAhead->setObjectName(m_name + QStringLiteral("Ahead"));
                m_viewAhead->setAccessibleName(m_place->accessibleName());
                m_viewAhead->setAccessibleDescription(m_place->accessibleDescription());
                m_viewAhead->resize(m_place->size());
            }
        }
    }
    return m_page;
}

void TPreviewLoader::SetUrl(const QUrl &url)
{
    QWidget *browser = Browser();
    if (m_pageUrl == url)
        return;
    Load(browser, url);
    m_pageUrl = url;
}

void TPreviewLoader::Load(QObject *target, const QUrl &url)
{
    const auto load = m_module
                          ? reinterpret_cast<TLoadPreview>(m_module->resolve(VANTELLE_PREVIEW_LOAD))
                          : nullptr;
    if (load)
        load(target, url);
    else
        target->setProperty("url", url);
}

void TPreviewLoader::DropBrowser()
{
    if (!m_browser)
        return;
    // The page goes with it: the engine keeps the last picture drawn with the page and shows it
    // in the next view until it draws a new one.
    if (m_page && m_page->parent() != m_browser)
        delete m_page;
    delete m_browser;
    m_pageUrl = QUrl();
    if (m_place) {
        m_place->setObjectName(m_name);
        m_place->show();
    }
}

void TPreviewLoader::Clear()
{
    const QUrl blank(QStringLiteral("about:blank"));
    QObject *target = m_browser ? static_cast<QObject *>(m_browser.data()) : m_page.data();
    if (target && m_pageUrl != blank) {
        Load(target, blank);
        m_pageUrl = blank;
    }
}

bool TPreviewLoader::Preload(const QUrl &url)
{
    if (!m_warmUpOn)
        return false;
    try {
        LoadModule();
    } catch (const EVantelleError &) {
        // Page 4 says what is wrong when the user gets there.
        return false;
    }
    QObject *page = m_browser ? nullptr : PageAhead();
    QObject *target = page ? page : static_cast<QObject *>(m_browser.data());
    if (!target)
        return false;
    if (m_pageUrl != url) {
        Load(target, url);
        m_pageUrl = url;
    }
    return true;
}

void TPreviewLoader::WarmUp(int delayMs)
{
    if (m_warmUpAsked)
        return;
    m_warmUpAsked = true;
    if (delayMs < 0 || m_browser || !m_place)
        return;
    m_warmUpOn = true;
    // Only the engine, a page and its view off screen start here: a view added to a window on
    // screen has the window made again (it would flicker), which page 4 does once anyway.
    // The click that showed the page is the last input so far.
    m_input = std::make_unique<TInputWatch>();
    QCoreApplication::instance()->installEventFilter(m_input.get());
    QTimer::singleShot(delayMs, m_place, [this] { WarmUpStep(); });
}

void TPreviewLoader::WarmUpStep()
{
    // Page 4 made the browser, or Preload the page, in the meantime: what is left is done.
    if (m_browser || !m_place) {
        m_input.reset();
        return;
    }
    const auto next = [this] { QTimer::singleShot(0, &m_loaded, [this] { WarmUpStep(); }); };
    switch (m_warmUpStep++) {
    case 0: {
        if (FindModule().isEmpty()) {
            m_input.reset();
            return;
        }
        AskToShareGlContexts();
        // Loading the GL stack and the engine's libraries (mapping them and binding their
        // symbols) is most of the engine's start, and needs no particular thread: all of it is
        // done here, bound at once (the libraries ask for that anyway), so that nothing is left
        // to load or bind on the window's thread later. The GL context the engine shares with
        // is made first, as the application object would have, here where GL allows that (else
        // by the window's thread, when it loads the module).
        const QByteArray file = QFile::encodeName(FindModule());
        const bool shareHere = !qt_gl_global_share_context();
        QThread *window = QThread::currentThread();
        m_loading = std::thread([this, file, shareHere, window] {
            if (shareHere && QOpenGLContext::supportsThreadedOpenGL())
                MakeShareContext(window);
            // Never closed: the module stays loaded, as the window's thread loads it too.
            dlopen(file.constData(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
            QMetaObject::invokeMethod(
                &m_loaded, [this] { WarmUpStep(); }, Qt::QueuedConnection);
        });
        break;
    }
    case 1:
        // The engine's objects belong to the window's thread, from here on. Starting the
        // engine's context is one piece that cannot be cut (it starts the engine's helper
        // processes and waits for them): it waits for a pause in the user's typing or dragging,
        // though not for ever.
        if (!m_waiting.isValid())
            m_waiting.start();
        if (m_input && m_input->Since() < InputPauseMs && m_waiting.elapsed() < InputWaitMs) {
            --m_warmUpStep;
            QTimer::singleShot(InputPauseMs / 4, &m_loaded, [this] { WarmUpStep(); });
            return;
        }
        m_input.reset();
        try {
            LoadModule();
        } catch (const EVantelleError &) {
            return; // page 4 says what is wrong when the user gets there
        }
        next();
        break;
    case 2:
        if (m_page)
            return;
        if (const auto start =
                reinterpret_cast<TStartPreviewEngine>(m_module->resolve(VANTELLE_PREVIEW_ENGINE)))
            start();
        next();
        break;
    default:
        // The page, its view and the empty page's load, in one piece, as before the warm-up was
        // cut up: a page made ahead is given its first address in the turn it is made.
        if (!m_page)
            Preload(QUrl(QStringLiteral("about:blank")));
        break;
    }
}
