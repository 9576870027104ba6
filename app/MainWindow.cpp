#include "app/MainWindow.h"

#include "app/AppStart.h"
#include "app/Dialogs.h"
#include "app/ErrorGuard.h"
#include "app/TemplatePage.h"
#include "base/PictureBase.h"
#include "base/ProgramPaths.h"
#include "base/TemplatePicture.h"
#include "controls/GroupFrame.h"
#include "controls/Mnemonics.h"
#include "controls/OwnerDrawComboBox.h"
#include "controls/PaintBox.h"
#include "controls/Panel.h"
#include "controls/ScreenArt.h"
#include "controls/uPngButton.h"
#include "imaging/AdditionalPng.h"
#include "imaging/AlphaStretch.h"
#include "imaging/JpegImage.h"
#include "output/PopupWriter.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include <algorithm>

namespace {

// The pages as screen readers hear them, with their step.
const char *const PageTitles[] = {
    QT_TRANSLATE_NOOP("TMainForm", "Choose a picture"),
    QT_TRANSLATE_NOOP("TMainForm", "Design the popup"),
    QT_TRANSLATE_NOOP("TMainForm", "What the popup does"),
    QT_TRANSLATE_NOOP("TMainForm", "Preview"),
    QT_TRANSLATE_NOOP("TMainForm", "Publish"),
};

QString StepName(int n)
{
    return TMainForm::tr("Step %1 of 5: %2").arg(n).arg(TMainForm::tr(PageTitles[n - 1]));
}

// The first control of page that Tab would stop at.
QWidget *FirstControlOf(QWidget *page)
{
    for (QWidget *w = page->nextInFocusChain(); w && w != page; w = w->nextInFocusChain())
        if (page->isAncestorOf(w) && w->isVisible() && w->isEnabled() &&
            (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus)
            return w;
    return nullptr;
}

QPushButton *windowButton(QWidget *parent, const QString &name, const QString &caption,
                          const QRect &bounds)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(bounds);
    return button;
}

// The installed icon (the theme's, as the desktop entry names it), or the same pictures built
// into the program where it was not installed.
QIcon ProgramIcon()
{
    QIcon built;
    QDirIterator sizes(QStringLiteral(":/icon"), QDirIterator::Subdirectories);
    while (sizes.hasNext()) {
        const QString file = sizes.next();
        if (file.endsWith(QLatin1String(".png")))
            built.addFile(file);
    }
    return QIcon::fromTheme(QStringLiteral("com.vantelle_pro.VantellePro"), built);
}

} // namespace

// An error stops the decoding where it happens, as it would on the window's thread, and is kept
// for LoadResourcePictures to report.
void TMainForm::DecodeArtwork(TArtwork &art)
{
    try {
        QFile bg(QStringLiteral(":/BG"));
        if (!bg.open(QIODevice::ReadOnly))
            throw EFileError::CannotOpen(bg.fileName(), bg.errorString());
        // The view shares the decoded bitmap's memory, so the image must get a copy of its own.
        const Bitmap32 picture = DecodeJpeg(bg.readAll());
        art.background = picture.asQImage().convertToFormat(QImage::Format_RGB32);
        art.moreText.loadFromResource(QStringLiteral("MORE_TEXT"));
        art.logo.loadFromResource(QStringLiteral("LOGO"));
        art.previewText.loadFromResource(QStringLiteral("PREVIEW_TEXT"));
    } catch (...) {
        art.error = std::current_exception();
    }
    for (const TPNGObject *picture : {&art.moreText, &art.logo, &art.previewText})
        if (!picture->isEmpty())
            try {
                Bitmap32 pixels;
                PngToBitmap32(*picture, pixels);
                art.blends.emplace(picture, pixels.asQImage().copy());
            } catch (...) {
                // Left to the first paint, which draws nothing for it.
            }
}

TMainForm::TMainForm(const QString &programFolder, QWidget *parent)
    : QWidget(parent), m_art(std::make_unique<TArtwork>()), m_logoPicture(m_art->logo),
      m_moreTextPicture(m_art->moreText), m_previewTextPicture(m_art->previewText)
{
    // The second core decodes the artwork while this one builds the controls.
    m_artDecoded = std::async(std::launch::async, [art = m_art.get()] { DecodeArtwork(*art); });
    SetErrorBoxOwner(this);
    TProgramPaths paths;
    if (programFolder.isEmpty()) {
        paths = ResolveProgramPaths();
    } else {
        paths.dataFolder = programFolder.endsWith(QLatin1Char('/'))
                               ? programFolder
                               : programFolder + QLatin1Char('/');
        paths.userFolder = paths.dataFolder;
        paths.portable = true;
    }
    m_programFolder = paths.dataFolder;
    m_userFolder = paths.userFolder;
    // The user's own folder may not exist yet on a first start of an installed program.
    if (!paths.portable)
        QDir().mkpath(m_userFolder);
    // The picture base and the close buttons are read before any control is made: the first
    // control starts the screen-reader bridge, which waits for the session bus that the second
    // core is connecting to meanwhile.
    History = std::make_unique<TDesignHistory>(Document);
    Templates = std::make_unique<TTemplatePage>(PageContext());
    TemplateStorage = m_programFolder + QStringLiteral("img.stg");
    UserStorage = m_userFolder + QStringLiteral("usr.stg");
    CloseButtonStorage = m_programFolder + QStringLiteral("cbs.stg");
    try {
        Templates->ReadPictures(TemplateStorage, UserStorage);
    } catch (...) {
        m_picturesError = std::current_exception();
    }
    try {
        m_closeButtonsRead =
            std::make_unique<TLoadedPictures>(LoadContainerPictures(CloseButtonStorage, true));
    } catch (...) {
        // Read again by FormCreate, whose guard reports it.
    }
    setObjectName(QStringLiteral("MainForm"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(724, 559);
    // Start-up errors are shown before the window is; their boxes centre over this place.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    // The layout was made for a small 8-point face; the platform's UI font at 11 pixels keeps
    // every caption inside its control.
    QFont windowFont = font();
    windowFont.setPixelSize(11);
    setFont(windowFont);
    BuildWindowControls();
    Templates->BuildControls(m_pages[0]);
    Templates->MorePicturesLink()->onPaint = [this](QPainter &painter) {
        PaintBlended(painter, m_moreTextPicture);
    };
    if (!m_picturesError)
        try {
            Templates->LoadPictures(TemplateStorage, UserStorage);
            // Decoding, encoding and decoding the template again takes the second core while this
            // one builds the other pages.
            if (QByteArray bytes = Templates->SelectedTemplateBytes(); !bytes.isEmpty())
                m_newTemplate = std::async(std::launch::async, [bytes = std::move(bytes)] {
                    TPNGObject picture;
                    try {
                        picture.loadFromData(bytes);
                    } catch (const EVantelleError &) {
                        // Changed on disk since its thumbnail was made: the design starts without.
                        return TDesignPicture();
                    }
                    return DesignPictureOf(picture);
                });
            else if (const TPNGObject *picture = SelectedPicture())
                m_newTemplate =
                    std::async(std::launch::async, [picture] { return DesignPictureOf(*picture); });
        } catch (...) {
            m_picturesError = std::current_exception();
        }
    Designer = std::make_unique<TDesignerPage>(PageContext());
    Designer->BuildControls(m_pages[1]);
    Behaviour = std::make_unique<TBehaviourPage>(PageContext());
    Behaviour->BuildControls(m_pages[2]);
    Preview = std::make_unique<TPreviewPage>(PageContext());
    Preview->BuildControls(m_pages[3]);
    Publish = std::make_unique<TPublishPage>(PageContext());
    Publish->BuildControls(m_pages[4]);
    // Ctrl+Z and Ctrl+Shift+Z undo the whole design on every page, also inside a box or the
    // preview: the window's keys win over the undo of the control with the focus.
    QCoreApplication::instance()->installEventFilter(this);
    Files = std::make_unique<TDesignFiles>(PageContext());
    Files->BuildControls(this);
    Guarded([this] { FormCreate(); });
    FitToScreen();
    ArrangeKeys();
}

TPageContext TMainForm::PageContext()
{
    return TPageContext{Document,     *History,       *this,         *this,     CloseButtonList,
                        DesignBitmap, TemplateBitmap, OutputPicture, TempFiles, TempFolders};
}

QString TMainForm::DesignPath() const
{
    return Files->DesignPath();
}

bool TMainForm::NewPopupNameWanted() const
{
    return Behaviour->NewPopupNameWanted();
}

void TMainForm::DesignPublished(const QString &folder)
{
    Files->WriteDesignBeside(folder);
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        // Enter presses the button with the focus, as Space does; the arrow down opens the menu
        // of a button that has one.
        auto *button = qobject_cast<QAbstractButton *>(watched);
        const auto *key = static_cast<const QKeyEvent *>(event);
        const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (button && button->window() == this && plain && button->isEnabled() &&
            (qobject_cast<QPushButton *>(button) || qobject_cast<QToolButton *>(button))) {
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                button->click();
                return true;
            }
            auto *tool = qobject_cast<QToolButton *>(button);
            if (tool && tool->menu() && key->key() == Qt::Key_Down) {
                tool->showMenu();
                return true;
            }
        }
    }
    if (event->type() == QEvent::ShortcutOverride) {
        const auto *widget = qobject_cast<const QWidget *>(watched);
        const auto *key = static_cast<const QKeyEvent *>(event);
        const QKeyCombination keys = key->keyCombination();
        if (widget && widget->window() == this &&
            (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
             keys == QKeyCombination(Qt::ControlModifier, Qt::Key_Y) ||
             keys == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z))) {
            // Not taken by the control, so the window's shortcut runs.
            event->ignore();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TMainForm::FitToScreen()
{
    const QScreen *screen = this->screen();
    if (!screen)
        return;
    const QSize content = size();
    const QRect area = screen->availableGeometry();
    // Room for the frame and title bar that the window manager adds around the window.
    const int border = 4;
    const int title = std::max(32, style()->pixelMetric(QStyle::PM_TitleBarHeight) + 8);
    QSize fitted(std::min(content.width(), area.width() - 2 * border),
                 std::min(content.height(), area.height() - title - border));
    if (fitted == content || fitted.width() <= 0 || fitted.height() <= 0)
        return;

    // The bottom bar (design file buttons, Back and Next) stays in view below the scrolled
    // pages, on its own strip of the background.
    constexpr int BarTop = 518;
    const int barHeight = content.height() - BarTop;
    auto *pages = new QWidget;
    pages->setObjectName(QStringLiteral("WindowContent"));
    pages->setFixedSize(content);
    auto *bar = new TPaintBox(this, QStringLiteral("BottomBar"));
    bar->onPaint = [this](QPainter &painter) {
        painter.translate(0, -BarTop);
        PaintBackground(painter);
    };
    // A copy: the loop moves the children to other parents.
    const QObjectList direct = children();
    for (QObject *object : direct) {
        auto *child = qobject_cast<QWidget *>(object);
        if (!child || child->isWindow() || child == bar)
            continue;
        const bool hidden = child->isHidden();
        if (child->y() >= BarTop) {
            const QPoint at = child->pos() - QPoint(0, BarTop);
            child->setParent(bar);
            child->move(at);
        } else {
            child->setParent(pages);
        }
        child->setVisible(!hidden);
    }
    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("WindowScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(pages);
    // The scroll bar of one direction takes room from the other, where the screen has it.
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    if (fitted.height() < content.height())
        fitted.setWidth(std::min(content.width() + extent, area.width() - 2 * border));
    if (fitted.width() < content.width())
        fitted.setHeight(std::min(content.height() + extent, area.height() - title - border));
    setFixedSize(fitted);
    scroll->setGeometry(0, 0, fitted.width(), fitted.height() - barHeight);
    bar->setGeometry(0, fitted.height() - barHeight, fitted.width(), barHeight);
    scroll->show();
    bar->show();
    move(area.center() - rect().center());
}

TMainForm::~TMainForm()
{
    FormDestroy();
    // The commands of the history restore the document; they go first.
    History.reset();
    SetErrorBoxOwner(nullptr);
}

void TMainForm::BuildWindowControls()
{
    for (int n = 1; n <= 5; ++n) {
        auto *page = new TPanel(this, QStringLiteral("Panel%1").arg(n), QString(), n);
        page->setGeometry(0, 0, 724, 559);
        page->setFrameShape(QFrame::NoFrame);
        page->hide();
        m_pages[n - 1] = page;
    }
    m_updateBase = windowButton(this, QStringLiteral("UpdateBase"), tr("Update Base"),
                                QRect(448, 528, 97, 25));
    m_backButton =
        windowButton(this, QStringLiteral("BackButton"), tr("< Back"), QRect(560, 528, 75, 25));
    m_nextButton =
        windowButton(this, QStringLiteral("NextButton"), tr("Next >"), QRect(636, 528, 75, 25));
    connect(m_updateBase, &QPushButton::clicked, this, guarded([this] { UpdateBaseClick(); }));
    connect(m_backButton, &QPushButton::clicked, this, guarded([this] { BackButtonClick(); }));
    connect(m_nextButton, &QPushButton::clicked, this, guarded([this] { NextButtonClick(); }));

    m_bg2 = new TPaintBox(m_pages[0], QStringLiteral("BG2"));
    m_bg2->setAttribute(Qt::WA_OpaquePaintEvent);
    m_bg2->onPaint = [this](QPainter &painter) { PaintBackground(painter); };
    m_logoPaintBox = new TPaintBox(m_pages[0], QStringLiteral("LogoPaintBox"));
    m_logoPaintBox->onPaint = [this](QPainter &painter) { PaintBlended(painter, m_logoPicture); };
}

void TMainForm::ArrangeKeys()
{
    std::vector<QWidget *> bar = Files->BarControls();
    bar.insert(bar.end(), {m_updateBase, m_backButton, m_nextButton});
    // The bar comes last in the chain, so Tab reaches it after the page shown, whichever it is.
    QWidget *last = nullptr;
    for (QWidget *w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain())
        if (std::find(bar.begin(), bar.end(), w) == bar.end() && isAncestorOf(w))
            last = w;
    for (QWidget *control : bar) {
        if (last)
            setTabOrder(last, control);
        last = control;
    }

    for (int n = 1; n <= 5; ++n)
        m_pages[n - 1]->setAccessibleName(StepName(n));

    // The bar's letters hold on every page: they keep clear of the letters pages 1 and 2 give
    // their own controls, and pages 3 to 5 get the others.
    QString reserved;
    for (int n = 1; n <= 2; ++n)
        for (const QWidget *control : Mnemonics::MarkableControls(m_pages[n - 1]))
            if (const QChar letter = Mnemonics::MarkedLetter(Mnemonics::MarkableText(control));
                !letter.isNull())
                reserved += letter;
    Mnemonics::Assign(bar, reserved);
    QString barLetters;
    for (const QWidget *control : bar)
        if (const QChar letter = Mnemonics::MarkedLetter(Mnemonics::MarkableText(control));
            !letter.isNull())
            barLetters += letter;
    for (int n = 3; n <= 5; ++n) {
        QString taken = barLetters;
        Mnemonics::Assign(Mnemonics::MarkableControls(m_pages[n - 1]), taken);
    }
}

void TMainForm::AnnouncePage(int n)
{
    if (n < 1 || n > 5)
        return;
    setAccessibleDescription(StepName(n));
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
    // A control of the page left behind loses the focus to the first one of the new page.
    const QWidget *focus = QApplication::focusWidget();
    if (isActiveWindow() && (!focus || !focus->isVisible() || focus->window() != this))
        if (QWidget *first = FirstControlOf(m_pages[n - 1]))
            first->setFocus(Qt::TabFocusReason);
}

void TMainForm::FormCreate()
{
    GroupFillColor = QColor(245, 245, 245);
    CloseButtonStorage = m_programFolder + QStringLiteral("cbs.stg");
    TemplateBitmap = Bitmap32();
    DesignBitmap.setSize(500, 500);

    // A resource that fails to decode leaves its decoration blank; the window still works.
    Guarded([this] { LoadResourcePictures(); });
    m_bg2->setGeometry(m_bg2->parentWidget()->rect());

    TempFiles.clear();
    TempFolders.clear();
    m_updateBase->setVisible(
        QFile::exists(m_programFolder + QStringLiteral("UpdateBaseMarker.txt")));

    setWindowTitle(tr("Vantelle Pro - popup wizard for your web pages"));
    SetApplicationTitle(QStringLiteral("Vantelle Pro"));

    if (m_picturesError)
        std::rethrow_exception(m_picturesError);

    TPaintBox *moreLink = Templates->MorePicturesLink();
    moreLink->resize(m_moreTextPicture.width(), m_moreTextPicture.height());
    moreLink->move((Templates->ButtonsRight() + 1 + width() - moreLink->width()) / 2,
                   moreLink->y());
    moreLink->hide();

    m_logoPaintBox->setGeometry(10, m_pages[0]->height() - m_logoPicture.height(),
                                m_logoPicture.width(), m_logoPicture.height());

    Guarded([this] { Designer->FillPickers(); });
    Document.DocumentSize = 500;
    Guarded([this] { LoadCloseButtons(); });
    Guarded([this] { Designer->CreateDesignState(); });
    Guarded([this] {
        Behaviour->ApplyDefaults();
        Publish->ApplyDefaults();
    });
    // A new design starts on the grid's current picture; that is not a change to save.
    if (m_newTemplate.valid())
        Guarded([this] {
            if (TDesignPicture picture = m_newTemplate.get(); !picture.IsNone())
                Document.SetTemplate(std::move(picture));
        });
    Files->StartNewDesign();

    std::vector<TPanel *> groups = Behaviour->GroupPanels();
    groups.insert(groups.end(), Publish->GroupPanels().begin(), Publish->GroupPanels().end());
    groups.push_back(Templates->GroupPanel());
    groups.push_back(Designer->PropertiesPanel());
    for (TPanel *panel : groups)
        StyleGroupPanel(panel);

    if (TPaintBox *previewText = Preview->PreviewTextPaint()) {
        previewText->resize(m_previewTextPicture.width(), m_previewTextPicture.height());
        int browserTop = previewText->y() * 2 + previewText->height();
        if (QWidget *browser = Preview->PreviewBrowser())
            browserTop = browser->y();
        previewText->move((m_pages[3]->width() - previewText->width()) / 2,
                          (browserTop - previewText->height()) / 2);
        if (!previewText->onPaint)
            previewText->onPaint = [this](QPainter &painter) {
                PaintBlended(painter, m_previewTextPicture);
            };
    }

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    ShowPage(1);
}

void TMainForm::FormDestroy()
{
    // Unsaved work keeps its recovery file unless the user chose to discard it.
    if (Files)
        Files->Ending();
    RemoveTempFiles(TempFiles, TempFolders);
    TempFiles.clear();
    TempFolders.clear();
}

void TMainForm::LoadResourcePictures()
{
    m_artDecoded.get();
    m_bgPixmap = QPixmap::fromImage(std::move(m_art->background));
    m_art->background = QImage();
    m_blendImages.merge(m_art->blends);
    m_bg2->setGeometry(m_bg2->parentWidget()->rect());
    if (m_art->error)
        std::rethrow_exception(m_art->error);
    // The artwork at twice its size is decoded when a dense screen first paints it: on a
    // screen at scale 1 it is never needed, and start-up is not kept waiting for it.
}

void TMainForm::LoadCloseButtons()
{
    // Read with the picture base when the window was made.
    TLoadedPictures loaded = m_closeButtonsRead ? std::move(*m_closeButtonsRead)
                                                : LoadContainerPictures(CloseButtonStorage, true);
    m_closeButtonsRead.reset();
    CloseButtonList.clear();
    for (auto &picture : loaded.pictures)
        CloseButtonList.push_back(std::move(picture));
    Designer->ListCloseButtons(static_cast<int>(CloseButtonList.size()));
    for (const QString &error : loaded.errors)
        ShowErrorBox(error);
}

void TMainForm::PaintBackground(QPainter &painter)
{
    if (m_iconPending) {
        // Looking the icon up in the desktop's icon theme and handing its sizes to the window
        // system takes tens of milliseconds: it comes once the window's first pixels are out.
        m_iconPending = false;
        QTimer::singleShot(0, this, [this] { setWindowIcon(ProgramIcon()); });
    }
    const qreal dpr = painter.device()->devicePixelRatioF();
    if (dpr == 1) {
        painter.drawPixmap(0, 0, m_bgPixmap);
        return;
    }
    if (m_bgScreen.devicePixelRatio() != dpr) {
        if (m_bgTwice.isNull()) {
            // A paint cannot stop for an error box: without it the background is scaled up from
            // the plain one.
            QFile bgTwice(QStringLiteral(":/BG@2x"));
            if (bgTwice.open(QIODevice::ReadOnly))
                try {
                    m_bgTwice = DecodeJpeg(bgTwice.readAll())
                                    .asQImage()
                                    .convertToFormat(QImage::Format_RGB32);
                } catch (const EVantelleError &) {
                }
        }
        m_bgScreen = QPixmap::fromImage(PictureForScreen(m_bgPixmap.toImage(), m_bgTwice, dpr));
    }
    painter.drawPixmap(QPointF(0, 0), m_bgScreen);
}

void TMainForm::PaintBlended(QPainter &painter, const TPNGObject &picture)
{
    if (picture.isEmpty())
        return;
    const qreal dpr = painter.device()->devicePixelRatioF();
    if (dpr != 1) {
        QImage &screen = m_screenImages[&picture];
        if (screen.isNull() || screen.devicePixelRatio() != dpr) {
            Bitmap32 pixels;
            PngToBitmap32(picture, pixels);
            QImage &twice = m_twiceImages[&picture];
            if (twice.isNull()) {
                const QString name = &picture == &m_logoPicture ? QStringLiteral("LOGO@2x")
                                     : &picture == &m_moreTextPicture
                                         ? QStringLiteral("MORE_TEXT@2x")
                                         : QStringLiteral("PREVIEW_TEXT@2x");
                try {
                    twice = TwiceImage(name);
                } catch (const EVantelleError &) {
                    // Scaled up from the plain picture instead, as the background is.
                }
            }
            screen = PictureForScreen(pixels.asQImage(), twice, dpr);
        }
        painter.drawImage(QPointF(0, 0), screen);
        return;
    }
    // The paint box has no background of its own, so whatever lies below it (the page
    // background, or the design canvas under the logo on page 2) shows through the alpha.
    auto found = m_blendImages.find(&picture);
    if (found == m_blendImages.end()) {
        Bitmap32 pixels;
        PngToBitmap32(picture, pixels);
        found = m_blendImages.emplace(&picture, pixels.asQImage().copy()).first;
    }
    painter.drawImage(0, 0, found->second);
}

void TMainForm::RenderTemplate(const TPNGObject &picture, int side)
{
    RenderTemplatePicture(picture, side, TemplateBitmap);
}

void TMainForm::ShowPage(int n)
{
    for (TPanel *page : m_pages)
        page->hide();
    for (TPanel *page : m_pages)
        page->setVisible(page->tag() == n);
    m_backButton->setEnabled(n != 1);
    m_nextButton->setEnabled(n != 5);

    if (n >= 1 && n <= 5) {
        TPanel *page = m_pages[n - 1];
        m_bg2->setParent(page);
        m_bg2->setGeometry(page->rect());
        m_bg2->lower();
        m_bg2->show();
        const QPoint logoAt = m_logoPaintBox->pos();
        m_logoPaintBox->setParent(page);
        m_logoPaintBox->move(logoAt);
        m_logoPaintBox->raise();
        m_logoPaintBox->show();
    }

    if (n == 2) {
        Designer->RenderDesign(Qt::white);
        // The browser engine starts while the user designs, so that the preview is at once.
        Preview->Loader().WarmUp(PreviewWarmUpDelay);
    } else if (n == 3) {
        Behaviour->Enter();
        Preview->PrepareAhead();
    } else if (n == 4 && (CurrentPage != 5 || !Preview->ShowsDesign())) {
        Preview->ClearBrowser();
        // A Back or Next click already waiting is dropped while the page is switching: handled
        // here it would show another page, which this switch would then half overwrite.
        m_switchingPage = true;
        QCoreApplication::processEvents();
        m_switchingPage = false;
        const QString page = Preview->PreviewFiles();
        // A browser that cannot be made is reported; the page switch completes all the same.
        if (!page.isEmpty())
            Guarded([this, &page] { Preview->ShowPreview(page); });
    }
    CurrentPage = n;
    if (n == 1)
        Templates->PageShown();
    Files->PageShown(n);
    AnnouncePage(n);
}

void TMainForm::StyleGroupPanel(TPanel *panel)
{
    ::StyleGroupPanel(panel, GroupFillColor);
}

void TMainForm::BackButtonClick()
{
    if (!m_switchingPage)
        ShowPage(CurrentPage - 1);
}
void TMainForm::NextButtonClick()
{
    if (m_switchingPage)
        return;
    if (CurrentPage == 1)
        Templates->CheckChoice();
    else if (CurrentPage == 3)
        Behaviour->Leave();
    ShowPage(CurrentPage + 1);
}

void TMainForm::UpdateBaseClick()
{
    UpdatePictureBase(m_programFolder, TemplateStorage, CloseButtonStorage);
}

void TMainForm::ShowDocument()
{
    Templates->ShowDocument();
    Designer->ShowDocument();
    Behaviour->ShowDocument();
    Publish->ShowDocument();
}

void TMainForm::OpenDesignFile(const QString &path)
{
    Files->OpenDesignFile(path);
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    // A save that fails keeps the window, and the work, where they are.
    bool close = false;
    Guarded([&] { close = Files->MaySetAside(); });
    if (close)
        event->accept();
    else
        event->ignore();
}

const TPNGObject *TMainForm::SelectedPicture() const
{
    return Templates->SelectedPicture();
}
