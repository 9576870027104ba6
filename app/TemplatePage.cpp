#include "app/TemplatePage.h"

#include "app/Dialogs.h"
#include "app/ErrorGuard.h"
#include "base/PictureBase.h"
#include "base/ProgramPaths.h"
#include "controls/PaintBox.h"
#include "controls/Panel.h"
#include "controls/ScreenArt.h"
#include "controls/TemplateGrid.h"
#include "controls/uPngButton.h"
#include "imaging/AdditionalPng.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <algorithm>
#include <functional>
#include <unordered_set>
#include <utility>

namespace {

constexpr int GridColumns = 5;
constexpr int CellSize = 125;
constexpr int GridHeight = 289;
const QColor SelectedFrameColor(128, 0, 0);
// Where the hidden more-pictures link would send the user.
const char MorePicturesAddress[] = "https://www.vantelle-pro.com/more.php";

QLabel *boldLabel(QWidget *parent, const QString &name, const QString &text, int x, int y)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->move(x, y);
    label->adjustSize();
    return label;
}

QPushButton *pageButton(QWidget *parent, const QString &name, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(QRect(2, 2, 89, 33));
    button->setFlat(true);
    return button;
}

} // namespace

TTemplatePage::TTemplatePage(TPageContext context) : m_context(context) {}

TTemplatePage::~TTemplatePage() = default;

void TTemplatePage::BuildControls(TPanel *page)
{
    m_templatePanel = new TPanel(page, QStringLiteral("Panel15"), tr("Select Template"));
    m_templatePanel->setGeometry(16, 24, 692, 441);
    boldLabel(m_templatePanel, QStringLiteral("Label17"),
              tr("Select the thumbnail image of the graphic you would like to use"), 24, 56);
    m_chooseHint =
        boldLabel(m_templatePanel, QStringLiteral("Label20"),
                  tr("for your SoftName, then click the next button to continue"), 24, 76);

    m_grid = new TTemplateGrid(m_templatePanel, QStringLiteral("DrawGrid1"), GridColumns, CellSize);
    m_grid->setGeometry(24, 112, 657, GridHeight);
    m_grid->setAccessibleName(QCoreApplication::translate("TTemplatePage", "Pictures"));
    m_grid->onDrawCell = [this](QPainter &painter, int column, int row, const QRect &cell,
                                bool selected) { DrawCell(painter, column, row, cell, selected); };
    m_grid->onSelectCell = [this](int column, int row) {
        bool canSelect = false;
        Guarded([&] { canSelect = SelectCell(column, row); });
        // The cell the user picks is the design's template from now on.
        if (canSelect)
            Guarded([&] { ChooseTemplate(row * GridColumns + column); });
        return canSelect;
    };
    m_grid->onCellName = [this](int column, int row) {
        return CellName(row * GridColumns + column);
    };
    // Enter goes on as Next does; Delete asks as Remove does, and only where Remove would.
    m_grid->onActivate = guarded([this] {
        CheckChoice();
        m_context.Navigation.ShowPage(2);
    });
    m_grid->onDelete = [this] {
        if (m_deleteUserPngSimple->isEnabled())
            m_deleteUserPngSimple->click();
        else
            QApplication::beep();
    };

    m_loadPanel = new TPanel(page, QStringLiteral("Panel14"));
    m_loadPanel->setGeometry(16, 472, 93, 37);
    m_removePanel = new TPanel(page, QStringLiteral("Panel13"));
    m_removePanel->setGeometry(112, 472, 93, 37);
    // Shown only while the current cell holds a design's picture that is not stored.
    m_keepPanel = new TPanel(page, QStringLiteral("KeepPanel"));
    m_keepPanel->setGeometry(208, 472, 93, 37);
    for (TPanel *holder : {m_removePanel, m_loadPanel, m_keepPanel}) {
        holder->setFrameShape(QFrame::NoFrame);
        holder->setAutoFillBackground(true);
        holder->setBackgroundRole(QPalette::Button);
        holder->hide();
    }
    m_addUserPngSimple =
        pageButton(m_loadPanel, QStringLiteral("AddUserPng_Simple"), tr("Load..."));
    m_deleteUserPngSimple =
        pageButton(m_removePanel, QStringLiteral("DeleteUserPng_Simple"), tr("Remove"));
    m_keepUserPng = pageButton(m_keepPanel, QStringLiteral("KeepUserPng"), tr("Keep"));
    m_keepUserPng->setToolTip(tr("This picture came with the design and is shown "
                                 "for this run only. Keep it in your pictures"));
    m_deleteUserPngSimple->setEnabled(false);
    QObject::connect(m_addUserPngSimple, &QPushButton::clicked, page,
                     guarded([this] { LoadClick(); }));
    QObject::connect(m_deleteUserPngSimple, &QPushButton::clicked, page,
                     guarded([this] { RemoveClick(); }));
    QObject::connect(m_keepUserPng, &QPushButton::clicked, page, guarded([this] { KeepClick(); }));

    m_morePicturesClick = new TPaintBox(page, QStringLiteral("MorePicturesClick"));
    m_morePicturesClick->setGeometry(234, 476, 460, 40);
    m_morePicturesClick->setCursor(Qt::PointingHandCursor);
    m_morePicturesClick->onClick = guarded([this] { OpenMorePicturesPage(); });
}

void TTemplatePage::CreatePictureButtons()
{
    auto make = [](QPushButton *plain, const char *resource, TPngButton *&button) {
        button = new TPngButton(plain->parentWidget());
        button->setObjectName(plain->objectName() + QStringLiteral("Png"));
        button->setGeometry(plain->geometry());
        // Tab reaches the picture button where the plain one was.
        QWidget::setTabOrder(plain, button);
        Guarded([&] {
            button->Picture.loadFromResource(QLatin1String(resource));
            button->TwicePicture = TwiceImage(QLatin1String(resource) + QStringLiteral("@2x"));
        });
        button->OnClick = [plain](TPngButton *) { plain->click(); };
        button->SetCaption(plain->text());
        QFont font = button->font();
        font.setBold(true);
        button->setFont(font);
        button->SetCaptionPlacement(cpRight);
        plain->hide();
    };
    make(m_addUserPngSimple, "LOAD_BUTTON", m_loadButton);
    make(m_deleteUserPngSimple, "REMOVE_BUTTON", m_removeButton);
    make(m_keepUserPng, "KEEP_BUTTON", m_keepButton);
    m_keepButton->setToolTip(m_keepUserPng->toolTip());
    m_removeButton->SetEnabled(m_deleteUserPngSimple->isEnabled());
}

void TTemplatePage::ReadPictures(const QString &templateStorage, const QString &userStorage,
                                 const QString &cacheFolder)
{
    // Thumbnails at the screen's density, so a high-density screen shows them sharp.
    const QSize thumbnail =
        DeviceSize(QSize(CellSize, CellSize), m_context.Window.devicePixelRatioF());
    m_base = std::make_unique<TPictureBase>(
        templateStorage, userStorage, cacheFolder.isEmpty() ? ProgramCacheFolder() : cacheFolder,
        thumbnail);
    // The templates the grid shows before it is scrolled are checked before the window shows;
    // the rest after its first paint.
    m_base->SetShownFirst(GridColumns * ((GridHeight + CellSize) / (CellSize + 1)),
                          [this](int p) { TemplateLeft(p); });
    m_readMessages = m_base->Load();
}

void TTemplatePage::LoadPictures(const QString &templateStorage, const QString &userStorage,
                                 const QString &cacheFolder)
{
    if (!m_base)
        ReadPictures(templateStorage, userStorage, cacheFolder);
    QObject::connect(&m_base->List(), &TPictureList::ThumbnailReady, m_grid, [this](int i) {
        m_grid->viewport()->update(m_grid->cellRect(i % GridColumns, i / GridColumns));
    });
    CreatePictureButtons();
    // Every picture that cannot be read is reported once; the rest of the base loads. A user
    // picture that does not decode is found as its thumbnail is made, after the window is up.
    QObject::connect(&m_base->List(), &TPictureList::DamageFound, m_grid,
                     [this] { ScheduleDamageReport(); });
    // A message waiting for the last thumbnail is told once that one is known.
    QObject::connect(&m_base->List(), &TPictureList::ThumbnailReady, m_grid, [this] {
        if (m_reportWatch && m_base->PicturesKnown())
            ScheduleDamageReport();
    });
    for (const QString &error : std::exchange(m_readMessages, QStringList()))
        ShowErrorBox(error);
    if (m_base->HasDamageMessages())
        ScheduleDamageReport();
    // The thumbnails not in the cache are made once the grid is first painted; should page 1
    // not be shown at start, soon after anyway.
    QTimer::singleShot(1000, m_grid, [this] { StartBackground(); });
    // Load... shows why it is refused rather than refusing after a click.
    const QString refusal =
        m_base->StoringRefusal().isEmpty() ? QString() : ErrorBoxText(m_base->StoringRefusal());
    m_addUserPngSimple->setEnabled(refusal.isEmpty());
    m_loadButton->SetEnabled(refusal.isEmpty());
    m_addUserPngSimple->setToolTip(refusal);
    m_loadButton->setToolTip(refusal);
    UpdateGridRows();
    if (PictureCount() > 0)
        Guarded([this] { SelectCell(0, 0); });

    m_chooseHint->setText(tr("for your Vantelle Pro, then click the next button to continue"));
    m_chooseHint->adjustSize();
    m_removePanel->show();
    m_loadPanel->show();
}

int TTemplatePage::ButtonsRight() const
{
    return m_removePanel->geometry().right();
}

int TTemplatePage::PictureCount() const
{
    return m_base ? m_base->Count() : 0;
}

void TTemplatePage::UpdateGridRows()
{
    const int count = PictureCount();
    m_grid->setRowCount((count + GridColumns - 1) / GridColumns);
}

int TTemplatePage::CurrentIndex() const
{
    return m_grid->currentRow() * GridColumns + m_grid->currentColumn();
}

const TPNGObject *TTemplatePage::SelectedPicture() const
{
    m_selected = m_base ? m_base->Picture(CurrentIndex()) : nullptr;
    return m_selected.get();
}

QByteArray TTemplatePage::SelectedTemplateBytes() const
{
    const int p = CurrentIndex();
    if (!m_base || p < 0 || p >= m_base->TemplateCount())
        return {};
    return m_base->List().Bytes(p);
}

void TTemplatePage::CheckChoice() const
{
    m_base->CheckTemplateChoice(CurrentIndex());
}

void TTemplatePage::ShowPictureButtons(int p)
{
    const bool user = p >= m_base->TemplateCount() && p < PictureCount();
    const bool enabled = user && m_base->CanChange();
    m_deleteUserPngSimple->setEnabled(enabled);
    m_removeButton->SetEnabled(enabled);
    m_keepPanel->setVisible(m_base->IsUnsaved(p));
    m_keepUserPng->setEnabled(m_base->StoringRefusal().isEmpty());
    m_keepButton->SetEnabled(m_base->StoringRefusal().isEmpty());
}

void TTemplatePage::StartBackground()
{
    if (m_backgroundStarted || !m_base)
        return;
    m_backgroundStarted = true;
    m_base->List().RequestAllThumbnails();
}

bool TTemplatePage::DamageReportPending() const
{
    return m_base && (m_base->HasDamageMessages() || !m_base->PicturesKnown());
}

void TTemplatePage::ScheduleDamageReport()
{
    if (m_reportScheduled)
        return;
    m_reportScheduled = true;
    // Looked at once whatever is switching now (a page, a box closing) has ended.
    QTimer::singleShot(0, m_grid, [this] {
        m_reportScheduled = false;
        ReportDamage();
    });
}

namespace {

// While a message waits for its moment: what may end the wait is a window (a box, a menu)
// going away and the grid coming into view. The rest (a thumbnail made, page 1 shown) the page
// hears of from the list and the window.
class TReportWatch : public QObject {
public:
    TReportWatch(QObject *grid, std::function<void()> recheck)
        : QObject(grid), m_grid(grid), m_recheck(std::move(recheck))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if ((event->type() == QEvent::Show && watched == m_grid) ||
            (event->type() == QEvent::Hide && watched->isWidgetType() &&
             static_cast<QWidget *>(watched)->isWindow()))
            m_recheck();
        return false;
    }

private:
    QObject *m_grid;
    std::function<void()> m_recheck;
};

} // namespace

void TTemplatePage::PageShown()
{
    if (m_reportWatch)
        ScheduleDamageReport();
}

void TTemplatePage::ReportDamage()
{
    if (!m_base->HasDamageMessages()) {
        delete m_reportWatch;
        m_reportWatch = nullptr;
        return;
    }
    // Told together once every picture is known, on page 1 where the pictures are, and never on
    // top of another box or an open menu: not while the user is busy with something else.
    if (!m_base->PicturesKnown() || !m_grid->isVisible() || m_context.Navigation.ShownPage() != 1 ||
        QApplication::activeModalWidget() || QApplication::activePopupWidget()) {
        if (!m_reportWatch)
            m_reportWatch = new TReportWatch(m_grid, [this] { ScheduleDamageReport(); });
        return;
    }
    delete m_reportWatch;
    m_reportWatch = nullptr;
    for (const QString &message : m_base->TakeDamageMessages())
        ShowErrorBox(message);
}

void TTemplatePage::DrawCell(QPainter &painter, int column, int row, const QRect &cell,
                             bool selected)
{
    const QWidget &window = m_context.Window;
    // The window is up: the rest of the thumbnails are made behind the ones it shows, a moment
    // later, so that the workers do not hold up the window's first paints on a small machine.
    if (!m_backgroundStarted)
        QTimer::singleShot(300, m_grid, [this] { StartBackground(); });
    const int p = row * GridColumns + column;
    if (p >= PictureCount()) {
        painter.fillRect(cell, window.palette().color(QPalette::Base));
        return;
    }
    const qreal dpr = painter.device()->devicePixelRatioF();
    const QSize device = DeviceSize(cell.size(), dpr);
    QImage thumbnail;
    if (m_base->IsDamaged(p)) {
        // Drawn, not decoded, in logical pixels like the rest of the grid.
        thumbnail = QImage(device, QImage::Format_RGB32);
        thumbnail.fill(Qt::white);
        thumbnail.setDevicePixelRatio(dpr);
        QPainter damaged(&thumbnail);
        damaged.setFont(window.font());
        PaintDamagedCell(damaged, QRect(QPoint(0, 0), cell.size()), m_base->UserEntry(p));
    } else {
        TPictureList &list = m_base->List();
        thumbnail = list.Thumbnail(p);
        if (thumbnail.isNull()) {
            // White until the list has made it; ThumbnailReady paints the cell again.
            list.RequestThumbnails(p, p);
            thumbnail = QImage(device, QImage::Format_RGB32);
            thumbnail.fill(Qt::white);
        } else if (thumbnail.size() != device) {
            // Made for another density (the window moved to another screen).
            thumbnail = thumbnail.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
        thumbnail.setDevicePixelRatio(dpr);
    }
    if (!selected) {
        painter.drawImage(QPointF(cell.topLeft()), thumbnail);
        return;
    }
    QImage framed = std::move(thumbnail);
    {
        // Two 1-pixel frames, outer edge and one pixel inside, as logical pixels.
        QPainter frame(&framed);
        const QSizeF size = framed.deviceIndependentSize();
        frame.fillRect(QRectF(0, 0, size.width(), 2), SelectedFrameColor);
        frame.fillRect(QRectF(0, size.height() - 2, size.width(), 2), SelectedFrameColor);
        frame.fillRect(QRectF(0, 0, 2, size.height()), SelectedFrameColor);
        frame.fillRect(QRectF(size.width() - 2, 0, 2, size.height()), SelectedFrameColor);
    }
    painter.drawImage(QPointF(cell.topLeft()), framed);
}

bool TTemplatePage::SelectCell(int column, int row)
{
    const int p = row * GridColumns + column;
    if (p >= PictureCount())
        return false;
    // A template that does not decode is never chosen, also before it has left the grid.
    if (p < m_base->TemplateCount()) {
        m_base->List().MakeThumbnail(p);
        if (m_base->List().IsDamaged(p))
            return false;
    }
    ShowPictureButtons(p);
    return true;
}

void TTemplatePage::LoadClick()
{
    const QString file = Dialogs::getOpenFileName(&m_context.Window, QString(), QString(),
                                                  tr("Png Image (*.png)|*.png"));
    if (file.isEmpty())
        return;
    const int p = m_base->AddUserPicture(file, m_context.Document.DocumentSize);
    ShowGridAt(p);
}

void TTemplatePage::RemoveClick()
{
    const int p = CurrentIndex();
    // A design's picture shown for this run only is not in the base: Remove only takes it off
    // this run's list.
    const QString question =
        m_base->IsUnsaved(p)
            ? tr("Remove this picture from the list? It came with the design and is "
                 "not in the program's base, so it is only dropped from this run's "
                 "list")
            : tr("Delete selected picture from program's base?");
    if (Dialogs::message(&m_context.Window, tr("Confirm"), question, QMessageBox::Warning,
                         QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    try {
        if (!m_base->RemovePicture(p))
            return;
    } catch (const EPictureBaseChanged &) {
        // The list was read again; the grid must show it before the user is told.
        ShowGridAt(p);
        throw;
    }
    ShowGridAt(p);
}

void TTemplatePage::KeepClick()
{
    const int p = CurrentIndex();
    if (m_base->KeepPicture(p))
        ShowPictureButtons(p);
}

void TTemplatePage::ShowGridAt(int p)
{
    // Removing the last picture not known yet may be what a waiting message waited for.
    if (m_reportWatch)
        ScheduleDamageReport();
    // Pictures that left the list lose their link to the design; the design keeps its copy.
    std::unordered_set<quint64> listed;
    for (int i = 0; i < PictureCount(); ++i)
        listed.insert(m_base->List().Entry(i).id);
    std::erase_if(m_designPictures, [&](const auto &known) { return !listed.count(known.first); });
    UpdateGridRows();
    const int count = PictureCount();
    const int current = std::max(0, std::min(p, count - 1));
    m_grid->setCurrentCell(current % GridColumns, current / GridColumns);
    // The cell may now show a template or nothing at all, so Remove follows what it shows.
    ShowPictureButtons(current);
    m_grid->viewport()->update();
    ChooseTemplate(current);
}

void TTemplatePage::TemplateLeft(int p)
{
    if (!m_grid)
        return;
    // The cell current stays on its picture, which the cells after p follow one place back.
    const int current = CurrentIndex();
    UpdateGridRows();
    const int now = std::max(0, std::min(current > p ? current - 1 : current, PictureCount() - 1));
    m_grid->setCurrentCell(now % GridColumns, now / GridColumns);
    ShowPictureButtons(now);
    m_grid->viewport()->update();
}

void TTemplatePage::ChooseTemplate(int p)
{
    if (p < 0 || p >= PictureCount() || m_base->IsDamaged(p) || p == TemplateIndex())
        return;
    // Decoded here, where it is needed, and only the first time it is chosen.
    const quint64 id = m_base->List().Entry(p).id;
    auto known = m_designPictures.find(id);
    if (known == m_designPictures.end()) {
        const std::shared_ptr<const TPNGObject> picture = m_base->Picture(p);
        if (!picture)
            return;
        known = m_designPictures.emplace(id, DesignPictureOf(*picture)).first;
    }
    TDesignDocument &document = m_context.Document;
    m_context.History.Change(tr("Template"), [&] { document.SetTemplate(known->second); });
}

int TTemplatePage::TemplateIndex() const
{
    const TDesignPicture &current = m_context.Document.Template();
    if (current.IsNone())
        return -1;
    for (int i = 0; i < PictureCount(); ++i) {
        const auto known = m_designPictures.find(m_base->List().Entry(i).id);
        if (known != m_designPictures.end() && known->second.Bytes == current.Bytes)
            return i;
    }
    return -1;
}

void TTemplatePage::ShowDocument()
{
    const TDesignDocument &document = m_context.Document;
    int p = TemplateIndex();
    if (p < 0 && !document.Template().IsNone()) {
        // A design from elsewhere: its template may still be one of ours, else it joins the
        // grid for this run only.
        // Only pictures of its size are decoded to compare them.
        const TPNGObject &wanted = *document.Template().Picture;
        const QSize size(wanted.width(), wanted.height());
        TPictureList &list = m_base->List();
        for (int i = 0; i < PictureCount() && p < 0; ++i) {
            if (m_base->IsDamaged(i) || list.PictureSize(i) != size)
                continue;
            const std::shared_ptr<const TPNGObject> picture = m_base->Picture(i);
            if (picture && SamePicture(*picture, wanted)) {
                p = i;
                m_designPictures.insert_or_assign(list.Entry(i).id, document.Template());
            }
        }
        if (p < 0) {
            p = m_base->AddUnsavedPicture(document.Template().Bytes);
            m_designPictures.insert_or_assign(list.Entry(p).id, document.Template());
            UpdateGridRows();
        }
    }
    if (p >= 0) {
        m_grid->setCurrentCell(p % GridColumns, p / GridColumns);
        ShowPictureButtons(p);
        m_grid->viewport()->update();
    }
}

QString TTemplatePage::CellName(int p) const
{
    if (p >= PictureCount())
        return QString();
    if (p < m_base->TemplateCount())
        return tr("Template %1").arg(p + 1);
    if (m_base->IsUnsaved(p))
        return tr("The opened design's picture, not kept in your pictures");
    const int user = m_base->UserEntry(p) + 1;
    if (m_base->IsDamaged(p))
        return tr("Your picture %1, damaged").arg(user);
    return tr("Your picture %1").arg(user);
}

void TTemplatePage::OpenMorePicturesPage()
{
    QDesktopServices::openUrl(QUrl(QLatin1String(MorePicturesAddress)));
}
