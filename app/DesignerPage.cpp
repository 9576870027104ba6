#include "app/DesignerPage.h"

#include "app/Dialogs.h"
#include "app/ErrorGuard.h"
#include "base/TemplatePicture.h"
#include "controls/OwnerDrawComboBox.h"
#include "controls/PaintBox.h"
#include "controls/Panel.h"
#include "controls/ScreenArt.h"
#include "designer/DesignRenderer.h"
#include "designer/FontPickers.h"
#include "document/DesignFile.h"
#include "imaging/PngObject.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

#include <algorithm>
#include <array>
#include <functional>
#include <utility>
#include <vector>

namespace {

// The angle box passes every typed text on, numbers or not, so that the designer can read a
// non-number as -360 and fold it back to 0; a plain spin box would refuse such keystrokes.
class TAngleSpinBox : public QSpinBox {
public:
    explicit TAngleSpinBox(QWidget *parent) : QSpinBox(parent)
    {
        setObjectName(QStringLiteral("AngleEdit"));
        setRange(-360, 360);
        setSingleStep(5);
        setValue(0);
        m_lastText = lineEdit()->text();
        // Typed text arrives through the editor, stepped and programmatic values through the
        // box; the same text is reported once. The editor tells a keystroke before the change.
        connect(lineEdit(), &QLineEdit::textEdited, this, [this] { m_typed = true; });
        connect(lineEdit(), &QLineEdit::textChanged, this, [this] { Report(); });
        connect(this, &QSpinBox::textChanged, this, [this] { Report(); });
    }

    std::function<void()> onChange;
    QString Text() const { return lineEdit()->text(); }
    // Whether the change being reported was typed into the box (not stepped or set).
    bool Typed() const { return m_typed; }

    // Shows value without reporting a change, also over a non-number left in the editor.
    void SetSilently(int value)
    {
        m_silent = true;
        setValue(value);
        const QString text = textFromValue(this->value());
        if (lineEdit()->text() != text)
            lineEdit()->setText(text);
        m_lastText = lineEdit()->text();
        m_silent = false;
    }

protected:
    QValidator::State validate(QString &input, int &pos) const override
    {
        const QValidator::State state = QSpinBox::validate(input, pos);
        return state == QValidator::Invalid ? QValidator::Intermediate : state;
    }

private:
    void Report()
    {
        const bool typed = std::exchange(m_typed, false);
        const QString text = lineEdit()->text();
        if (m_silent || text == m_lastText)
            return;
        m_lastText = text;
        m_typed = typed;
        if (onChange)
            onChange();
        m_typed = false;
    }

    QString m_lastText;
    bool m_silent = false;
    bool m_typed = false;
};

QLabel *MakeLabel(QWidget *parent, const QString &name, const QString &text, QRect geometry)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

QPushButton *MakeButton(QWidget *parent, const QString &name, const QString &text, QRect geometry,
                        bool flat = false)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setFlat(flat);
    return button;
}

QToolButton *MakeToolButton(QWidget *parent, const QString &name, const QString &text,
                            QRect geometry, bool checkable)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setGeometry(geometry);
    button->setCheckable(checkable);
    return button;
}

bool IsAngleBeingTyped(const QString &text)
{
    return text.isEmpty() || text == QLatin1String("-") || text == QLatin1String("+");
}

TAngleSpinBox *AsAngleBox(QSpinBox *box)
{
    return static_cast<TAngleSpinBox *>(box);
}

// The keys the canvas keeps for itself, also where the window has a shortcut on one of them.
bool IsCanvasKey(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier)
        return false;
    switch (event.key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Delete:
    case Qt::Key_F2:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    default:
        return false;
    }
}

// Hands the canvas's keys and focus to the page before the widget's own handling, so that Tab
// inside the canvas picks the next object rather than leaving it at once.
class TCanvasKeys : public QObject {
public:
    TCanvasKeys(QObject *parent, TDesignerPage &page) : QObject(parent), m_page(page) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::ShortcutOverride:
            if (IsCanvasKey(*static_cast<QKeyEvent *>(event))) {
                event->accept();
                return true;
            }
            break;
        case QEvent::KeyPress: {
            bool taken = false;
            Guarded([&] { taken = m_page.PaintBox1Key(*static_cast<QKeyEvent *>(event)); });
            if (taken)
                return true;
            break;
        }
        case QEvent::FocusIn:
            Guarded([&] { m_page.PaintBox1FocusIn(static_cast<QFocusEvent *>(event)->reason()); });
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    TDesignerPage &m_page;
};

// The canvas is a drawing surface to a screen reader; what is selected on it is its description.
QAccessibleInterface *CanvasAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("TPaintBox") && object->property("designCanvas").toBool())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Canvas);
    return nullptr;
}

// The palette's colours by name, in the order of the palette, for screen readers.
const std::array<const char *, 20> PaletteColorNames = {
    QT_TRANSLATE_NOOP("TDesignerPage", "Black"),
    QT_TRANSLATE_NOOP("TDesignerPage", "Maroon"),
    QT_TRANSLATE_NOOP("TDesignerPage", "Green"),
    QT_TRANSLATE_NOOP("TDesignerPage", "Olive"),
    QT_TRANSLATE_NOOP("TDesignerPage", "Navy"),
    QT_TRANSLATE_NOOP("TDesignerPage", "Purple"),
    QT_TRANSLATE_NOOP("TDesignerPage", "Teal"),
    QT_TRANSLATE_NOOP("TDesignerPage", "Silver"),
    QT_TRANSLATE_NOOP("TDesignerPage", "Mint green"),
    QT_TRANSLATE_NOOP("TDesignerPage", "Sky blue"),
    QT_TRANSLATE_NOOP("TDesignerPage", "Cream"),
    QT_TRANSLATE_NOOP("TDesignerPage", "Medium grey"),
    QT_TRANSLATE_NOOP("TDesignerPage", "Grey"),
    QT_TRANSLATE_NOOP("TDesignerPage", "Red"),
    QT_TRANSLATE_NOOP("TDesignerPage", "Lime"),
    QT_TRANSLATE_NOOP("TDesignerPage", "Yellow"),
    QT_TRANSLATE_NOOP("TDesignerPage", "Blue"),
    QT_TRANSLATE_NOOP("TDesignerPage", "Fuchsia"),
    QT_TRANSLATE_NOOP("TDesignerPage", "Aqua"),
    QT_TRANSLATE_NOOP("TDesignerPage", "White")};
static_assert(PaletteColorNames.size() ==
              std::tuple_size_v<std::remove_cvref_t<decltype(PaletteColors())>>);

} // namespace

TDesignerPage::TDesignerPage(const TPageContext &context)
    : m_context(context), m_model(context.Document.Model)
{
    // Another design drops the selection; undo and redo keep it at its place in the list.
    m_replaced = QObject::connect(&m_context.Document, &TDesignDocument::Replaced,
                                  [this] { m_selection.Index = -1; });
    static const bool canvasAccessible = [] {
        QAccessible::installFactory(CanvasAccessible);
        return true;
    }();
    (void)canvasAccessible;
}

template <class F> void TDesignerPage::Recorded(const QString &what, F &&change, TChangeKind kind)
{
    if (m_recording > 0) {
        ++m_recording;
        try {
            change();
        } catch (...) {
            --m_recording;
            throw;
        }
        --m_recording;
        return;
    }
    const TDesignState before = m_context.Document.Snapshot();
    ++m_recording;
    // A change that fails half way (a size that is not a number) keeps what it did, so it is
    // recorded all the same.
    try {
        change();
    } catch (...) {
        --m_recording;
        m_context.History.Record(what, before, kind, CurrentIndex());
        throw;
    }
    --m_recording;
    m_context.History.Record(what, before, kind, CurrentIndex());
}

int TDesignerPage::CurrentIndex() const
{
    return m_model.At(m_selection.Index) ? m_selection.Index : -1;
}
TDesignerPage::~TDesignerPage()
{
    QObject::disconnect(m_replaced);
}

void TDesignerPage::BuildControls(TPanel *page)
{
    m_paintBox = new TPaintBox(page, QStringLiteral("PaintBox1"));
    m_paintBox->setGeometry(14, 13, 504, 504);
    m_paintBox->onPaint = [this](QPainter &painter) { PaintBox1Paint(painter); };
    m_paintBox->onMouseDown = [this](QMouseEvent &event) {
        Guarded([&] { PaintBox1MouseDown(event); });
    };
    m_paintBox->onMouseMove = [this](QMouseEvent &event) {
        Guarded([&] { PaintBox1MouseMove(event); });
    };
    // The canvas takes the keyboard by a click or by Tab.
    m_paintBox->setFocusPolicy(Qt::StrongFocus);
    m_paintBox->installEventFilter(new TCanvasKeys(m_paintBox, *this));
    m_paintBox->setProperty("designCanvas", true);
    m_paintBox->setAccessibleName(tr("Design"));

    m_properties = new TPanel(page, QStringLiteral("PropertiesPanel"), tr("Properties"));
    m_properties->setGeometry(520, 14, 193, 502);
    QWidget *p = m_properties;

    // The group's frame line runs about 20 pixels down, below its caption tab.
    MakeLabel(p, QStringLiteral("Label19"), tr("Document size:"), QRect(8, 26, 100, 16));
    m_scaleSizeLabel =
        MakeLabel(p, QStringLiteral("ScaleSizeLabel"), tr("150px - 500px"), QRect(8, 42, 110, 16));
    QFont bold = m_scaleSizeLabel->font();
    bold.setBold(true);
    m_scaleSizeLabel->setFont(bold);
    m_incTemplate = MakeButton(p, QStringLiteral("IncTemplate"), QStringLiteral("+"),
                               QRect(118, 25, 33, 33), true);
    m_decTemplate = MakeButton(p, QStringLiteral("DecTemplate"), QStringLiteral("-"),
                               QRect(152, 25, 33, 33), true);

    QLabel *styleLabel =
        MakeLabel(p, QStringLiteral("Label7"), tr("C&lose button Style:"), QRect(8, 60, 177, 16));
    m_closeButtonStyle = new TOwnerDrawComboBox(p, QStringLiteral("CloseButtonStyle"), 24, 28);
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(13);
    m_closeButtonStyle->setFont(arial);
    m_closeButtonStyle->setGeometry(8, 78, 121, 30);
    m_closeButtonStyle->addItem(tr("No close button"));
    m_closeButtonStyle->setCurrentIndex(0);
    m_closeButtonStyle->drawItem = [this](QPainter &painter, int index, const QRect &rect,
                                          QStyle::State state) {
        CloseButtonStyleDrawItem(painter, index, rect, state);
    };
    QObject::connect(m_closeButtonStyle, &QComboBox::activated, m_closeButtonStyle,
                     guarded([this] { CloseButtonStyleChange(); }));
    m_incCloseButton = MakeButton(p, QStringLiteral("IncCloseButton"), QStringLiteral("+"),
                                  QRect(134, 80, 26, 25), true);
    m_decCloseButton = MakeButton(p, QStringLiteral("DecCloseButton"), QStringLiteral("-"),
                                  QRect(161, 80, 25, 25), true);
    QObject::connect(m_incTemplate, &QPushButton::clicked, m_incTemplate,
                     guarded([this] { ChangeDocumentSize(true); }));
    QObject::connect(m_decTemplate, &QPushButton::clicked, m_decTemplate,
                     guarded([this] { ChangeDocumentSize(false); }));
    QObject::connect(m_incCloseButton, &QPushButton::clicked, m_incCloseButton,
                     guarded([this] { ChangeButtonSize(true); }));
    QObject::connect(m_decCloseButton, &QPushButton::clicked, m_decCloseButton,
                     guarded([this] { ChangeButtonSize(false); }));
    m_cbScaleLabel =
        MakeLabel(p, QStringLiteral("CBScaleLabel"), tr("Scale"), QRect(8, 110, 177, 16));

    m_labels[0] = MakeLabel(p, QStringLiteral("Label1"), tr("&Text:"), QRect(8, 130, 177, 16));
    m_textEdit = new QPlainTextEdit(p);
    m_textEdit->setObjectName(QStringLiteral("TextEdit"));
    m_textEdit->setGeometry(8, 146, 177, 81);
    m_textEdit->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_textEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_textEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_textEdit->setPlainText(tr("Sample text"));
    // Undo and redo act on the whole design (the window takes their keys).
    m_textEdit->setUndoRedoEnabled(false);
    // Tab goes on to the next control rather than into the text.
    m_textEdit->setTabChangesFocus(true);
    QObject::connect(m_textEdit, &QPlainTextEdit::textChanged, m_textEdit,
                     guarded([this] { TextControlsChanged(m_textEdit); }));

    m_labels[1] = MakeLabel(p, QStringLiteral("Label2"), tr("Font &Face:"), QRect(8, 232, 177, 16));
    m_fontName = new QComboBox(p);
    m_fontName->setObjectName(QStringLiteral("FontName"));
    m_fontName->setEditable(false);
    m_fontName->setMaxVisibleItems(16);
    // Without this the style opens the list as a menu as tall as the screen.
    m_fontName->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    m_fontName->setGeometry(8, 248, 177, 24);
    QObject::connect(m_fontName, &QComboBox::activated, m_fontName,
                     guarded([this] { TextControlsChanged(m_fontName); }));

    m_labels[2] =
        MakeLabel(p, QStringLiteral("Label3"), tr("Font &Color:"), QRect(8, 278, 177, 16));
    m_fontColor = new TOwnerDrawComboBox(p, QStringLiteral("FontColor"), 15, 21);
    m_fontColor->setGeometry(8, 294, 106, 24);
    m_fontColor->drawItem = [this](QPainter &painter, int index, const QRect &rect,
                                   QStyle::State state) {
        FontColorDrawItem(painter, index, rect, state);
    };
    QObject::connect(m_fontColor, &QComboBox::activated, m_fontColor,
                     guarded([this] { TextControlsChanged(m_fontColor); }));
    m_customColorButton = MakeButton(p, QStringLiteral("CustomColorButton"), tr("Custo&m..."),
                                     QRect(118, 294, 67, 24));
    QObject::connect(m_customColorButton, &QPushButton::clicked, m_customColorButton,
                     guarded([this] { CustomColorButtonClick(); }));

    m_labels[3] = MakeLabel(p, QStringLiteral("Label4"), tr("Font S&ize:"), QRect(8, 324, 80, 16));
    m_fontSize = new QComboBox(p);
    m_fontSize->setObjectName(QStringLiteral("FontSize"));
    m_fontSize->setEditable(true);
    m_fontSize->setInsertPolicy(QComboBox::NoInsert);
    // Completing "7" to "72" would redraw the text at a size nobody typed.
    m_fontSize->setCompleter(nullptr);
    m_fontSize->setMaxVisibleItems(12);
    m_fontSize->setGeometry(8, 340, 70, 24);
    // A keystroke in the box is told before the text change it makes; a size picked from the
    // list or set by the program is a step of its own.
    QObject::connect(m_fontSize->lineEdit(), &QLineEdit::textEdited, m_fontSize,
                     [this] { m_fontSizeTyped = true; });
    QObject::connect(m_fontSize, &QComboBox::editTextChanged, m_fontSize, [this] {
        const bool typed = std::exchange(m_fontSizeTyped, false);
        Guarded([&] { TextControlsChanged(m_fontSize, typed); });
    });

    m_labels[4] = MakeLabel(p, QStringLiteral("Label5"), tr("Font Style:"), QRect(96, 324, 89, 16));
    m_fontB =
        MakeToolButton(p, QStringLiteral("FontB"), tr("B", "bold"), QRect(96, 341, 23, 22), true);
    m_fontI = MakeToolButton(p, QStringLiteral("FontI"), tr("I", "italic"), QRect(123, 341, 23, 22),
                             true);
    m_fontU = MakeToolButton(p, QStringLiteral("FontU"), tr("U", "underline"),
                             QRect(150, 341, 23, 22), true);
    QFont styleFont = m_fontB->font();
    styleFont.setBold(true);
    m_fontB->setFont(styleFont);
    styleFont.setBold(false);
    styleFont.setItalic(true);
    m_fontI->setFont(styleFont);
    styleFont.setItalic(false);
    styleFont.setUnderline(true);
    m_fontU->setFont(styleFont);
    for (QToolButton *button : {m_fontB, m_fontI, m_fontU})
        QObject::connect(button, &QToolButton::clicked, button,
                         guarded([this, button] { TextControlsChanged(button); }));

    m_labels[5] = MakeLabel(p, QStringLiteral("Label6"), tr("An&gle:"), QRect(8, 370, 80, 16));
    auto *angle = new TAngleSpinBox(p);
    angle->setGeometry(8, 386, 80, 24);
    angle->onChange = [this, angle] {
        Guarded([&] { TextControlsChanged(m_angleEdit, angle->Typed()); });
    };
    m_angleEdit = angle;

    const struct {
        const char *name;
        const char *caption;
        int tag;
        QRect geometry;
    } moves[] = {{"SpeedButton4", QT_TR_NOOP("Up"), 1, QRect(121, 370, 41, 22)},
                 {"SpeedButton5", QT_TR_NOOP("Left"), 3, QRect(98, 392, 41, 22)},
                 {"SpeedButton6", QT_TR_NOOP("Right"), 4, QRect(143, 392, 41, 22)},
                 {"SpeedButton7", QT_TR_NOOP("Down"), 2, QRect(121, 414, 41, 22)}};
    QWidget *tabBefore = m_angleEdit;
    for (const auto &move : moves) {
        QToolButton *button = MakeToolButton(p, QString::fromLatin1(move.name), tr(move.caption),
                                             move.geometry, false);
        button->setAutoRaise(true);
        button->setProperty("tag", move.tag);
        const int tag = move.tag;
        QObject::connect(button, &QToolButton::clicked, button,
                         guarded([this, tag] { ChangeTextPosClick(tag); }));
        // Tab visits the four in reading order.
        QWidget::setTabOrder(tabBefore, button);
        tabBefore = button;
    }

    m_addText = MakeButton(p, QStringLiteral("AddText"), tr("AddText"), QRect(8, 455, 85, 25));
    m_erase = MakeButton(p, QStringLiteral("Erase"), tr("E&rase"), QRect(100, 455, 85, 25));
    QObject::connect(m_addText, &QPushButton::clicked, m_addText,
                     guarded([this] { AddTextClick(); }));
    QObject::connect(m_erase, &QPushButton::clicked, m_erase, guarded([this] { EraseClick(); }));
    QWidget::setTabOrder(tabBefore, m_addText);

    // Alt and a label's letter go to its control; the controls read the labels' texts as their
    // names to a screen reader.
    // A label before buttons has no letter: its buddy button would be pressed by it.
    styleLabel->setBuddy(m_closeButtonStyle);
    QWidget *const buddies[] = {m_textEdit, m_fontName, m_fontColor,
                                m_fontSize, nullptr,    m_angleEdit};
    for (size_t i = 0; i < std::size(buddies); ++i)
        if (buddies[i])
            m_labels[i]->setBuddy(buddies[i]);
    // The size box's own text field is a stop of its own for a screen reader.
    m_fontSize->lineEdit()->setAccessibleName(QString(m_labels[3]->text()).remove(u'&'));
    // Controls that show a sign or a letter say what they do.
    m_incTemplate->setAccessibleName(tr("Larger document"));
    m_decTemplate->setAccessibleName(tr("Smaller document"));
    m_incCloseButton->setAccessibleName(tr("Larger close button"));
    m_decCloseButton->setAccessibleName(tr("Smaller close button"));
    m_fontB->setAccessibleName(tr("Bold"));
    m_fontI->setAccessibleName(tr("Italic"));
    m_fontU->setAccessibleName(tr("Underline"));
}

void TDesignerPage::FillPickers()
{
    m_fontName->clear();
    m_fontName->addItems(FontFaceList());
    m_fontColor->clear();
    for (uint32_t color : PaletteColors())
        m_fontColor->addItem(QStringLiteral("bugfix"), QVariant::fromValue(color));
    m_fontColor->addItem(QStringLiteral("bugfix"), QVariant::fromValue(uint32_t{0}));
    NameColorItems();
    const bool showing = std::exchange(m_showing, true);
    m_fontSize->clear();
    m_fontSize->addItems(FontSizeItems());
    m_showing = showing;
}

void TDesignerPage::CreateDesignState()
{
    m_model.CreateCloseButtonObject(m_context.Document.DocumentSize);
    SelectObject(nullptr);
    m_closeButtonStyle->setCurrentIndex(0);
    ShowDocumentSize();
}

void TDesignerPage::RenderDesign(QColor background)
{
    if (m_context.DesignBitmap.width() != DesignSize ||
        m_context.DesignBitmap.height() != DesignSize)
        m_context.DesignBitmap.setSize(DesignSize, DesignSize);
    m_bounds = ::RenderDesign(m_context.DesignBitmap, m_context.Document.TemplatePicture(),
                              m_context.Document.DocumentSize, m_model, CurrentIndex(), background);
}

void TDesignerPage::ShowDocumentSize()
{
    const int size = m_context.Document.DocumentSize;
    const QString n = QString::number(size);
    m_scaleSizeLabel->setText(tr("%1 px x %1 px").arg(n));
    m_incTemplate->setEnabled(size != 500);
    m_decTemplate->setEnabled(size != 150);
}

void TDesignerPage::RedrawDesign()
{
    RenderDesign(Qt::white);
    m_paintBox->repaint();
    // A screen reader hears of a new selection and of a change of the selected object: the
    // widget announces a new description.
    m_paintBox->setAccessibleDescription(SelectionDescription());
}

void TDesignerPage::SelectObject(TMovingObject *object)
{
    m_selection.Index = m_model.IndexOf(object);
    ShowObjectProperties();
    RedrawDesign();
}

void TDesignerPage::ShowObjectProperties()
{
    TMovingObject *current = CurrentObject();
    m_erase->setEnabled(current != nullptr);
    m_addText->setText(current ? tr("&Post copy") : tr("Add ne&w"));

    m_showing = true;
    if (current) {
        EnableTextControls(!current->IsPicture);
        SetTextEditLines(current->Lines);
        QStringList faces;
        for (int i = 0; i < m_fontName->count(); ++i)
            faces << m_fontName->itemText(i);
        m_fontName->setCurrentIndex(IndexOfFaceOrLookAlike(faces, current->Font.Name));
        SelectFontColor(current->Font.Color);
        m_fontSize->setEditText(QString::number(current->Font.Size));
        m_fontB->setChecked(current->Font.Bold);
        m_fontI->setChecked(current->Font.Italic);
        m_fontU->setChecked(current->Font.Underline);
    } else {
        EnableTextControls(true);
        m_textEdit->clear();
        QStringList faces;
        for (int i = 0; i < m_fontName->count(); ++i)
            faces << m_fontName->itemText(i);
        m_fontName->setCurrentIndex(IndexOfFace(faces, DefaultFontFace(faces)));
        m_fontColor->setCurrentIndex(m_fontColor->count() > 0 ? 0 : -1);
        const int fourteen = m_fontSize->findText(QStringLiteral("14"));
        m_fontSize->setCurrentIndex(fourteen);
        m_fontSize->setEditText(QStringLiteral("14"));
        m_fontB->setChecked(false);
        m_fontI->setChecked(false);
        m_fontU->setChecked(false);
    }
    m_showing = false;
    // Angles held by objects are already folded, so showing one needs no write-back.
    SetAngleControl(current ? current->Angle : 0);
}

void TDesignerPage::EnableTextControls(bool enabled)
{
    for (QLabel *label : m_labels)
        label->setEnabled(enabled);
    for (QWidget *w :
         std::initializer_list<QWidget *>{m_textEdit, m_fontName, m_fontColor, m_customColorButton,
                                          m_fontSize, m_fontB, m_fontI, m_fontU, m_angleEdit})
        w->setEnabled(enabled);
}

void TDesignerPage::TextControlsChanged(QObject *sender, bool typed)
{
    if (m_showing)
        return;
    if (sender == m_angleEdit) {
        // A lone sign or an emptied box is a number being typed: it reads as 0 but stays, so
        // that negative angles can be typed at all.
        const QString text = AsAngleBox(m_angleEdit)->Text().trimmed();
        if (!IsAngleBeingTyped(text)) {
            const int typed = ParseAngleText(text);
            const int folded = NormaliseAngle(typed);
            if (folded != typed)
                SetAngleControl(folded);
        }
    }
    TMovingObject *current = CurrentObject();
    if (!current)
        return;
    const TChangeKind kind =
        sender == m_textEdit || typed ? TChangeKind::Typing : TChangeKind::Other;
    // Typing moved to another box starts a step of its own.
    if (kind == TChangeKind::Typing && sender != m_typedInto)
        m_context.History.BreakGroup();
    m_typedInto = kind == TChangeKind::Typing ? sender : nullptr;
    Recorded(
        tr("Text"),
        [&] {
            ReadTextControls(current->Font, current->Angle);
            current->Lines = TextEditLines();
        },
        kind);
    RedrawDesign();
}

void TDesignerPage::ReadTextControls(TFontDesc &font, int32_t &angle)
{
    font.Name = m_fontName->currentText();
    const QVariant color = m_fontColor->currentData();
    font.Color = color.isValid() ? color.value<uint32_t>() : 0;
    // An emptied box is a size still being typed: the object keeps its size until then.
    const QString sizeText = m_fontSize->currentText();
    if (!sizeText.trimmed().isEmpty())
        font.Size = ParseFontSize(sizeText);
    font.Bold = m_fontB->isChecked();
    font.Italic = m_fontI->isChecked();
    font.Underline = m_fontU->isChecked();
    const QString angleText = AsAngleBox(m_angleEdit)->Text().trimmed();
    angle = IsAngleBeingTyped(angleText) ? 0 : ParseAngleText(angleText);
}

void TDesignerPage::AddTextClick()
{
    Recorded(tr("Add text"), [&] {
        TMovingObject &object = m_model.AppendTextObject(m_context.Document.DocumentSize);
        // The new object takes the controls' text and style, as the selected one does.
        m_selection.Index = m_model.IndexOf(&object);
        if (m_textEdit->toPlainText().isEmpty())
            m_textEdit->setPlainText(tr("Sample text"));
        TextControlsChanged(nullptr);
        SelectObject(&object);
    });
}

void TDesignerPage::EraseClick()
{
    Recorded(tr("Erase"), [&] {
        if (TMovingObject *current = CurrentObject()) {
            if (current == m_model.CloseButtonObject()) {
                m_closeButtonStyle->setCurrentIndex(0);
                CloseButtonStyleChange();
            } else {
                m_model.RemoveObject(current);
                m_selection.Index = -1;
            }
        }
    });
    SelectObject(nullptr);
}

void TDesignerPage::ChangeTextPosClick(int tag)
{
    TMovingObject *current = CurrentObject();
    if (!current)
        return;
    Recorded(tr("Move"), [&] {
        MoveObjectByTag(*current, tag);
        TextControlsChanged(nullptr);
    });
}

void TDesignerPage::PaintBox1Paint(QPainter &painter)
{
    const qreal scale = m_paintBox->devicePixelRatioF();
    if (scale == 1) {
        PaintDesignCanvas(painter, m_context.DesignBitmap);
    } else {
        // A high-density screen gets the design drawn at its own density; DesignBitmap stays
        // the design in design pixels.
        Bitmap32 screen;
        ::RenderDesignScaled(screen, scale, m_context.Document.TemplatePicture(),
                             m_context.Document.DocumentSize, m_model, CurrentIndex(), Qt::white);
        PaintDesignCanvas(painter, screen, scale);
    }
    if (m_paintBox->hasFocus()) {
        // With the keyboard on the canvas its frame takes the selection colour.
        QPen pen(m_paintBox->palette().color(QPalette::Highlight), 2);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(1, 1, 502, 502));
    }
}

void TDesignerPage::PaintBox1MouseDown(QMouseEvent &event)
{
    const QPoint at = event.position().toPoint();
    // Every drag is a step of its own.
    m_context.History.BreakGroup();
    SelectObject(m_model.At(m_selection.MouseDown(m_model, m_bounds, at.x(), at.y())));
}

void TDesignerPage::PaintBox1MouseMove(QMouseEvent &event)
{
    const QPoint at = event.position().toPoint();
    bool moved = false;
    Recorded(
        tr("Move"),
        [&] {
            moved = m_selection.MouseMove(m_model, event.buttons().testFlag(Qt::LeftButton), at.x(),
                                          at.y());
        },
        TChangeKind::Drag);
    if (moved)
        RedrawDesign();
}

bool TDesignerPage::PaintBox1Key(QKeyEvent &event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    const bool shift = modifiers == Qt::ShiftModifier;
    if (modifiers != Qt::NoModifier && !shift)
        return false;
    TMovingObject *current = CurrentObject();
    const int step = shift ? 10 : 1;
    switch (event.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        const bool back = event.key() == Qt::Key_Backtab || shift;
        const std::vector<int> order = CanvasTabOrder();
        const auto at = std::find(order.begin(), order.end(), CurrentIndex());
        int next = -1;
        if (at == order.end()) {
            if (order.empty())
                return false;
            next = back ? order.back() : order.front();
        } else if (back ? at == order.begin() : at + 1 == order.end()) {
            // Past the last object the keyboard goes on to the next control.
            return false;
        } else {
            next = back ? *(at - 1) : *(at + 1);
        }
        SelectObject(m_model.At(next));
        return true;
    }
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        if (!current)
            return false;
        const int key = event.key();
        const int dx = key == Qt::Key_Left ? -step : key == Qt::Key_Right ? step : 0;
        const int dy = key == Qt::Key_Up ? -step : key == Qt::Key_Down ? step : 0;
        MoveByKey(dx, dy, event.isAutoRepeat());
        return true;
    }
    case Qt::Key_Delete:
        if (!current || shift)
            return false;
        EraseClick();
        return true;
    case Qt::Key_F2:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!current || shift)
            return false;
        // What is typed then is a step of its own, also in the box typed into before.
        m_context.History.BreakGroup();
        if (current->IsPicture) {
            // The close button has no text: its picture is chosen in the list.
            m_closeButtonStyle->setFocus(Qt::ShortcutFocusReason);
        } else {
            m_textEdit->setFocus(Qt::ShortcutFocusReason);
            m_textEdit->selectAll();
        }
        return true;
    default:
        return false;
    }
}

void TDesignerPage::PaintBox1FocusIn(Qt::FocusReason reason)
{
    if (CurrentObject() || (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason))
        return;
    const std::vector<int> order = CanvasTabOrder();
    if (!order.empty())
        SelectObject(m_model.At(reason == Qt::BacktabFocusReason ? order.back() : order.front()));
}

void TDesignerPage::MoveByKey(int dx, int dy, bool repeated)
{
    TMovingObject *current = CurrentObject();
    if (!current)
        return;
    // Each press is a step; a held key's repeats join the step of its press, as a drag's moves
    // join one step.
    if (!repeated)
        m_context.History.BreakGroup();
    Recorded(
        tr("Move"),
        [&] {
            current->X += dx;
            current->Y += dy;
        },
        TChangeKind::Drag);
    RedrawDesign();
}

std::vector<int> TDesignerPage::CanvasTabOrder() const
{
    std::vector<int> order;
    for (size_t i = 0; i < m_model.DesignObjects.size(); ++i)
        if (!m_model.DesignObjects[i]->IsPicture)
            order.push_back(static_cast<int>(i));
    const TMovingObject *button = m_model.CloseButtonObject();
    if (button && !m_context.Document.CloseButton().IsNone())
        order.push_back(m_model.IndexOf(button));
    return order;
}

QString TDesignerPage::SelectionDescription() const
{
    const TMovingObject *current = CurrentObject();
    if (!current)
        return tr("Nothing selected");
    // The place within the popup's picture, as the popup will show it.
    const int origin = DocumentOrigin(m_context.Document.DocumentSize);
    const QString x = QString::number(current->X - origin);
    const QString y = QString::number(current->Y - origin);
    if (current->IsPicture)
        return tr("Close button at %1, %2").arg(x, y);
    return tr("Text \"%1\" at %2, %3").arg(current->Lines.join(QLatin1Char(' ')), x, y);
}

void TDesignerPage::NameColorItems()
{
    const int last = m_fontColor->count() - 1;
    for (int i = 0; i <= last; ++i) {
        const QString hex = ColorFromValue(m_fontColor->itemData(i).value<uint32_t>()).name();
        m_fontColor->setItemText(i, i < last && i < static_cast<int>(PaletteColorNames.size())
                                        ? tr(PaletteColorNames[static_cast<size_t>(i)])
                                        : tr("Custom color %1").arg(hex));
    }
}

void TDesignerPage::SelectFontColor(uint32_t color)
{
    std::vector<uint32_t> items;
    for (int i = 0; i < m_fontColor->count(); ++i)
        items.push_back(m_fontColor->itemData(i).value<uint32_t>());
    const int index = SelectFontColorIndex(items, color);
    if (index < 0)
        return;
    m_fontColor->setItemData(m_fontColor->count() - 1, QVariant::fromValue(items.back()));
    m_fontColor->setCurrentIndex(index);
    NameColorItems();
    m_fontColor->update();
}

void TDesignerPage::CustomColorButtonClick()
{
    QColor chosen;
    if (!Dialogs::getColor(&m_context.Window, m_lastDialogColor, &chosen))
        return;
    m_lastDialogColor = chosen;
    const int last = m_fontColor->count() - 1;
    if (last < 0)
        return;
    m_fontColor->setItemData(last, QVariant::fromValue(ValueFromColor(chosen)));
    m_fontColor->setCurrentIndex(last);
    NameColorItems();
    m_fontColor->update();
    TextControlsChanged(nullptr);
}

void TDesignerPage::FontColorDrawItem(QPainter &painter, int index, const QRect &rect,
                                      QStyle::State state)
{
    const QPalette &palette = m_fontColor->palette();
    painter.fillRect(rect, state.testFlag(QStyle::State_Selected)
                               ? palette.color(QPalette::Highlight)
                               : palette.color(QPalette::Base));
    // Edges as left/top inclusive, right/bottom exclusive, the way the layout measures them.
    int left = rect.left() + 4;
    int top = rect.top() + 2;
    int right = rect.left() + rect.width() - 4;
    const int bottom = rect.top() + rect.height() - 2;
    if (index == m_fontColor->count() - 1) {
        right = (left + right) / 2 - 15;
        QFont bold = painter.font();
        bold.setBold(true);
        painter.setFont(bold);
        painter.setPen(palette.color(
            state.testFlag(QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text));
        const QFontMetrics metrics(bold);
        painter.drawText(QPoint(right + 5, top + metrics.ascent()), tr("Custom..."));
    }
    if (right <= left || bottom <= top)
        return;
    const QRect inner(left, top, right - left, bottom - top);
    painter.fillRect(inner, ColorFromValue(m_fontColor->itemData(index).value<uint32_t>()));
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(inner.adjusted(0, 0, -1, -1));
}

void TDesignerPage::CloseButtonStyleDrawItem(QPainter &painter, int index, const QRect &rect,
                                             QStyle::State state)
{
    const QPalette &palette = m_closeButtonStyle->palette();
    const bool selected = state.testFlag(QStyle::State_Selected);
    const QColor fill = palette.color(selected ? QPalette::Highlight : QPalette::Base);
    painter.fillRect(rect, fill);
    if (index <= 0) {
        // The closed box leaves the caption only the field beside the arrow; a face wider than
        // the one the layout was made with is drawn smaller rather than cut off there.
        const QString caption = tr("No close button");
        QFont font = m_closeButtonStyle->font();
        int pixels = QFontInfo(font).pixelSize();
        while (pixels > 7 && QFontMetrics(font).horizontalAdvance(caption) > rect.width() - 4)
            font.setPixelSize(--pixels);
        painter.setFont(font);
        painter.setPen(palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine, caption);
        return;
    }
    if (index - 1 >= static_cast<int>(m_context.CloseButtonList.size()))
        return;
    const TPNGObject &picture = *m_context.CloseButtonList[index - 1];
    const int width =
        FittedItemWidth(picture.width(), picture.height(), m_closeButtonStyle->itemHeight());
    if (width <= 0 || rect.height() <= 0)
        return;
    // The codec blends into a 32-bit picture; the item's own background shows through.
    // Drawn at the screen's density straight from the picture, so the list is sharp there too.
    const qreal dpr = painter.device()->devicePixelRatioF();
    QImage item(DeviceSize(QSize(width, rect.height()), dpr), QImage::Format_ARGB32);
    item.fill(fill);
    picture.draw(item, item.rect());
    item.setDevicePixelRatio(dpr);
    painter.drawImage(QPointF(rect.topLeft()), item);
}

void TDesignerPage::CloseButtonStyleChange()
{
    TMovingObject *button = m_model.CloseButtonObject();
    if (!button)
        return;
    const int index = m_closeButtonStyle->currentIndex();
    if (index <= 0 || index - 1 >= static_cast<int>(m_context.CloseButtonList.size())) {
        Recorded(tr("Close button"), [&] { m_context.Document.SetCloseButton(TDesignPicture{}); });
        SelectObject(nullptr);
    } else {
        const TPNGObject *picture = m_context.CloseButtonList[static_cast<size_t>(index - 1)].get();
        auto known = m_buttonPictures.find(picture);
        if (known == m_buttonPictures.end())
            known = m_buttonPictures.emplace(picture, DesignPictureOf(*picture, true)).first;
        Recorded(tr("Close button"), [&] { m_context.Document.SetCloseButton(known->second); });
        SelectObject(button);
    }
}

void TDesignerPage::ChangeDocumentSize(bool increase)
{
    TDesignDocument &document = m_context.Document;
    if (increase ? document.DocumentSize >= 500 : document.DocumentSize <= 150)
        return;
    m_context.History.Change(tr("Document size"),
                             [&] { document.DocumentSize += increase ? 50 : -50; });
    ShowDocumentSize();
    RedrawDesign();
}

void TDesignerPage::ListCloseButtons(int count)
{
    for (int i = 0; i < count; ++i)
        m_closeButtonStyle->addItem(tr("Close button %1").arg(m_closeButtonStyle->count()));
}

void TDesignerPage::ChangeButtonSize(bool increase)
{
    TMovingObject *button = m_model.CloseButtonObject();
    if (!button)
        return;
    Recorded(tr("Close button scale"),
             [&] { button->ButtonScale = StepButtonScale(button->ButtonScale, increase); });
    RedrawDesign();
    m_cbScaleLabel->setText(ButtonScaleLabel(button->ButtonScale));
    ShowButtonScale();
}

void TDesignerPage::ShowButtonScale()
{
    const TMovingObject *button = m_model.CloseButtonObject();
    const double scale = button ? button->ButtonScale : 1.0;
    // A close button grows no further than a design file may hold it.
    m_incCloseButton->setEnabled(
        CanIncreaseButtonScale(scale) &&
        (!button || !button->ButtonPicture ||
         CloseButtonFits(*button->ButtonPicture, StepButtonScale(scale, true))));
    m_decCloseButton->setEnabled(CanDecreaseButtonScale(scale));
}

void TDesignerPage::ShowDocument()
{
    ShowDocumentSize();
    const TDesignPicture &picture = m_context.Document.CloseButton();
    int item = 0;
    if (!picture.IsNone()) {
        auto &list = m_context.CloseButtonList;
        for (size_t k = 0; k < list.size() && item == 0; ++k) {
            const auto known = m_buttonPictures.find(list[k].get());
            if (known != m_buttonPictures.end() ? known->second.Bytes == picture.Bytes
                                                : SamePicture(*list[k], *picture.Picture)) {
                item = static_cast<int>(k) + 1;
                m_buttonPictures.insert_or_assign(list[k].get(), picture);
            }
        }
        if (item == 0) {
            // A close button from elsewhere joins the list for this run, not cbs.stg.
            auto copy = std::make_unique<TPNGObject>();
            copy->loadFromData(picture.Bytes);
            CreateShownAlpha(*copy);
            m_buttonPictures.insert_or_assign(copy.get(), picture);
            list.push_back(std::move(copy));
            m_closeButtonStyle->addItem(tr("Close button %1").arg(m_closeButtonStyle->count()));
            item = static_cast<int>(list.size());
        }
    }
    m_closeButtonStyle->setCurrentIndex(item);
    const TMovingObject *button = m_model.CloseButtonObject();
    const double scale = button ? button->ButtonScale : 1.0;
    m_cbScaleLabel->setText(scale == 1.0 ? tr("Scale") : ButtonScaleLabel(scale));
    ShowButtonScale();
    if (!m_model.At(m_selection.Index))
        m_selection.Index = -1;
    ShowObjectProperties();
    RedrawDesign();
}

TMovingObject *TDesignerPage::CurrentObject() const
{
    return m_model.At(m_selection.Index);
}

TRect TDesignerPage::BoundsOf(const TMovingObject *object) const
{
    const int index = m_model.IndexOf(object);
    return index >= 0 && static_cast<size_t>(index) < m_bounds.size()
               ? m_bounds[static_cast<size_t>(index)]
               : TRect{};
}

QStringList TDesignerPage::TextEditLines() const
{
    // One entry per line as typed; a final line break does not start another entry.
    const QString text = m_textEdit->toPlainText();
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void TDesignerPage::SetTextEditLines(const QStringList &lines)
{
    // The inverse of TextEditLines: a final empty entry is a blank line typed at the end, which
    // keeps the line break that ends it.
    QString text = lines.join(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        text += QLatin1Char('\n');
    if (m_textEdit->toPlainText() != text)
        m_textEdit->setPlainText(text);
}

void TDesignerPage::SetAngleControl(int value)
{
    AsAngleBox(m_angleEdit)->SetSilently(value);
}
