#include "app/TemplatePage.h"

#include "app/Dialogs.h"
#include "app/ErrorGuard.h"
#include "base/PictureBase.h"
#include "controls/PaintBox.h"
#include "controls/Panel.h"
#include "controls/ScreenArt.h"
#include "controls/TemplateGrid.h"
#include "controls/uPngButton.h"
#include "imaging/AdditionalPng.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QUrl>
#include <QWidget>

#include <algorithm>

namespace {

constexpr int GridColumns = 5;
constexpr int CellSize = 125;
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

TTemplatePage::TTemplatePage(TPageContext context,
                             std::vector<std::unique_ptr<TPNGObject>> &pictures, int &templateCount)
    : m_context(context), m_pictures(pictures), m_templateCount(templateCount)
{
}

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
    m_grid->setGeometry(24, 112, 657, 289);
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

void TTemplatePage::LoadPictures(const QString &templateStorage, const QString &userStorage)
{
    m_base =
        std::make_unique<TPictureBase>(m_pictures, m_templateCount, templateStorage, userStorage);
    CreatePictureButtons();
    // Every picture that cannot be read is reported once; the rest of the base loads.
    for (const QString &error : m_base->Load())
        ShowErrorBox(error);
    // Load... shows why it is refused rather than refusing after a click.
    const QString refusal =
        m_base->StoringRefusal().isEmpty() ? QString() : ErrorBoxText(m_base->StoringRefusal());
    m_addUserPngSimple->setEnabled(refusal.isEmpty());
    m_loadButton->SetEnabled(refusal.isEmpty());
    m_addUserPngSimple->setToolTip(refusal);
    m_loadButton->setToolTip(refusal);
    UpdateGridRows();
    if (!m_pictures.empty())
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

void TTemplatePage::UpdateGridRows()
{
    const int count = static_cast<int>(m_pictures.size());
    m_grid->setRowCount((count + GridColumns - 1) / GridColumns);
}

int TTemplatePage::CurrentIndex() const
{
    return m_grid->currentRow() * GridColumns + m_grid->currentColumn();
}

TPNGObject *TTemplatePage::SelectedPicture() const
{
    const int p = CurrentIndex();
    if (p >= static_cast<int>(m_pictures.size()) || m_base->IsDamaged(p))
        return nullptr;
    return m_pictures[static_cast<size_t>(p)].get();
}

void TTemplatePage::CheckChoice() const
{
    m_base->CheckTemplateChoice(CurrentIndex());
}

void TTemplatePage::ShowPictureButtons(int p)
{
    const bool user = p >= m_templateCount && p < static_cast<int>(m_pictures.size());
    const bool enabled = user && m_base->CanChange();
    m_deleteUserPngSimple->setEnabled(enabled);
    m_removeButton->SetEnabled(enabled);
    m_keepPanel->setVisible(m_base->IsUnsaved(p));
    m_keepUserPng->setEnabled(m_base->StoringRefusal().isEmpty());
    m_keepButton->SetEnabled(m_base->StoringRefusal().isEmpty());
}

void TTemplatePage::DrawCell(QPainter &painter, int column, int row, const QRect &cell,
                             bool selected)
{
    const QWidget &window = m_context.Window;
    const int p = row * GridColumns + column;
    if (p >= static_cast<int>(m_pictures.size())) {
        painter.fillRect(cell, window.palette().color(QPalette::Base));
        return;
    }
    const TPNGObject *picture = m_pictures[static_cast<size_t>(p)].get();
    // The thumbnail is made at the screen's density straight from the picture, so a
    // high-density screen shows it sharp.
    const qreal dpr = painter.device()->devicePixelRatioF();
    auto cached = m_thumbnails.find(picture);
    if (cached == m_thumbnails.end() || cached->second.devicePixelRatio() != dpr ||
        cached->second.size() != DeviceSize(cell.size(), dpr)) {
        QImage thumbnail(DeviceSize(cell.size(), dpr), QImage::Format_RGB32);
        thumbnail.fill(Qt::white);
        if (m_base->IsDamaged(p)) {
            // Drawn, not decoded, in logical pixels like the rest of the grid.
            thumbnail.setDevicePixelRatio(dpr);
            QPainter damaged(&thumbnail);
            damaged.setFont(window.font());
            PaintDamagedCell(damaged, QRect(QPoint(0, 0), cell.size()), m_base->UserEntry(p));
        } else {
            picture->draw(thumbnail,
                          QRect(QPoint(0, 0), DeviceSize(QSize(CellSize, CellSize), dpr)));
            thumbnail.setDevicePixelRatio(dpr);
        }
        cached = m_thumbnails.insert_or_assign(picture, std::move(thumbnail)).first;
    }
    if (!selected) {
        painter.drawImage(QPointF(cell.topLeft()), cached->second);
        return;
    }
    QImage framed = cached->second;
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
    if (p >= static_cast<int>(m_pictures.size()))
        return false;
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
    // Pictures that left the list lose their link to the design; the design keeps its copy.
    for (auto it = m_designPictures.begin(); it != m_designPictures.end();) {
        const bool listed =
            std::any_of(m_pictures.begin(), m_pictures.end(),
                        [&](const auto &picture) { return picture.get() == it->first; });
        it = listed ? std::next(it) : m_designPictures.erase(it);
    }
    m_thumbnails.clear();
    UpdateGridRows();
    const int count = static_cast<int>(m_pictures.size());
    const int current = std::max(0, std::min(p, count - 1));
    m_grid->setCurrentCell(current % GridColumns, current / GridColumns);
    // The cell may now show a template or nothing at all, so Remove follows what it shows.
    ShowPictureButtons(current);
    m_grid->viewport()->update();
    ChooseTemplate(current);
}

void TTemplatePage::ChooseTemplate(int p)
{
    if (p < 0 || p >= static_cast<int>(m_pictures.size()) || m_base->IsDamaged(p) ||
        p == TemplateIndex())
        return;
    const TPNGObject *picture = m_pictures[static_cast<size_t>(p)].get();
    auto known = m_designPictures.find(picture);
    if (known == m_designPictures.end())
        known = m_designPictures.emplace(picture, DesignPictureOf(*picture)).first;
    TDesignDocument &document = m_context.Document;
    m_context.History.Change(tr("Template"), [&] { document.SetTemplate(known->second); });
}

int TTemplatePage::TemplateIndex() const
{
    const TDesignPicture &current = m_context.Document.Template();
    if (current.IsNone())
        return -1;
    for (size_t i = 0; i < m_pictures.size(); ++i) {
        const auto known = m_designPictures.find(m_pictures[i].get());
        if (known != m_designPictures.end() && known->second.Bytes == current.Bytes)
            return static_cast<int>(i);
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
        const TPNGObject &wanted = *document.Template().Picture;
        for (size_t i = 0; i < m_pictures.size() && p < 0; ++i)
            if (SamePicture(*m_pictures[i], wanted)) {
                p = static_cast<int>(i);
                m_designPictures.insert_or_assign(m_pictures[i].get(), document.Template());
            }
        if (p < 0) {
            p = m_base->AddUnsavedPicture(document.Template().Bytes);
            m_designPictures.insert_or_assign(m_pictures[static_cast<size_t>(p)].get(),
                                              document.Template());
            m_thumbnails.clear();
            UpdateGridRows();
        }
    }
    if (p >= 0) {
        m_grid->setCurrentCell(p % GridColumns, p / GridColumns);
        ShowPictureButtons(p);
        m_grid->viewport()->update();
    }
}

void TTemplatePage::OpenMorePicturesPage()
{
    QDesktopServices::openUrl(QUrl(QLatin1String(MorePicturesAddress)));
}
