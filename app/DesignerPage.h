#pragma once

// Page 2 of the wizard: the popup designer. Shows the design document's objects and changes
// them through the undo history; the main window calls the hooks below from its start-up and
// page switch. Every control handler runs inside the window's error guard.

#include "app/PageContext.h"
#include "designer/DesignModel.h"
#include "document/DesignHistory.h"

#include <QColor>
#include <QCoreApplication>
#include <QRect>
#include <QStyle>

#include <QObject>

#include <cstdint>
#include <unordered_map>
#include <vector>

class QComboBox;
class QEvent;
class QKeyEvent;
class TPNGObject;
class QLabel;
class QMouseEvent;
class QObject;
class QPainter;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QToolButton;
class QWidget;
class TOwnerDrawComboBox;
class TPaintBox;
class TPanel;

class TDesignerPage {
    Q_DECLARE_TR_FUNCTIONS(TDesignerPage)

public:
    explicit TDesignerPage(const TPageContext &context);
    ~TDesignerPage();
    TDesignerPage(const TDesignerPage &) = delete;
    TDesignerPage &operator=(const TDesignerPage &) = delete;

    // Creates page 2's controls inside Panel2 (called by the window before start-up runs).
    void BuildControls(TPanel *page);
    // Start-up: fill FontName, FontColor and FontSize.
    void FillPickers();
    // Start-up, after CloseButtonList is loaded: the designer state with the close-button
    // object, SelectObject(none), "No close button" selected, ShowDocumentSize.
    void CreateDesignState();
    // Entering page 2: renders DesignBitmap without repainting the canvas.
    void RenderDesign(QColor background);
    // The document size label and its two buttons.
    void ShowDocumentSize();
    // RenderDesign with white, then the canvas repaints at once.
    void RedrawDesign();

    // The design document's objects.
    TDesignModel &Model() noexcept { return m_model; }
    // The selected object, or null. The selection is the page's: by place in the list, so undo
    // and redo keep it on the object at the same place while there is one.
    TMovingObject *CurrentObject() const;
    const TDesignSelection &Selection() const noexcept { return m_selection; }
    // Where the object lies on the canvas as last drawn (its selection and hit rectangle), in
    // design pixels; empty for an object not drawn yet.
    TRect BoundsOf(const TMovingObject *object) const;
    // Shows the document on the page after it was opened, restored or undone: document size,
    // close button and its scale, the current object's properties, the canvas.
    void ShowDocument();
    // Every change of selection goes through here: controls refreshed, design redrawn.
    void SelectObject(TMovingObject *object);

    // Handlers, public so that the window and tests can drive them like the controls do.
    void ShowObjectProperties();
    void EnableTextControls(bool enabled);
    // sender: the control that changed, or null when called from another handler; typed: the
    // change is a keystroke in a size or angle box (keystrokes in a row make one step).
    void TextControlsChanged(QObject *sender, bool typed = false);
    void ReadTextControls(TFontDesc &font, int32_t &angle);
    void AddTextClick();
    void EraseClick();
    void ChangeTextPosClick(int tag);
    void PaintBox1Paint(QPainter &painter);
    void PaintBox1MouseDown(QMouseEvent &event);
    void PaintBox1MouseMove(QMouseEvent &event);
    // A key pressed on the canvas: Tab and Shift+Tab select the next and previous object (and
    // leave the canvas after the last and before the first), the arrows move the selected
    // object by a pixel (with Shift by ten), Delete erases it, F2 and Enter go to its text.
    // Returns whether the key was taken.
    bool PaintBox1Key(QKeyEvent &event);
    // The canvas took the keyboard focus: arriving by Tab with nothing selected selects the
    // first object (by Shift+Tab the last).
    void PaintBox1FocusIn(Qt::FocusReason reason);
    // What the canvas tells a screen reader about the selected object: its kind, text and place.
    QString SelectionDescription() const;
    // The objects in the order Tab visits them: the texts as they were added, then the close
    // button when the design has one.
    std::vector<int> CanvasTabOrder() const;
    void SelectFontColor(uint32_t color);
    void CustomColorButtonClick();
    void FontColorDrawItem(QPainter &painter, int index, const QRect &rect, QStyle::State state);
    void CloseButtonStyleDrawItem(QPainter &painter, int index, const QRect &rect,
                                  QStyle::State state);
    void CloseButtonStyleChange();
    void ChangeButtonSize(bool increase);
    // "+" and "-" beside the document size: 50 pixels a step, within 150 to 500.
    void ChangeDocumentSize(bool increase);
    // The close-button list gets an item for each of count catalogue pictures.
    void ListCloseButtons(int count);
    // The group frame around the text properties, styled by the window like every group.
    TPanel *PropertiesPanel() const noexcept { return m_properties; }

private:
    QStringList TextEditLines() const;
    void SetTextEditLines(const QStringList &lines);
    void SetAngleControl(int value);
    void ShowButtonScale();
    // Names the colour items for screen readers (their texts are never drawn).
    void NameColorItems();
    void MoveByKey(int dx, int dy, bool repeated);
    // Runs change and records it as one undoable step, unless it runs inside another recorded
    // change, which then takes it in.
    template <class F>
    void Recorded(const QString &what, F &&change, TChangeKind kind = TChangeKind::Other);
    int CurrentIndex() const;

    TPageContext m_context;
    TDesignModel &m_model;
    TDesignSelection m_selection;
    // Each object's bounds on the canvas as last rendered, in list order: what a click hits.
    std::vector<TRect> m_bounds;
    QMetaObject::Connection m_replaced;
    int m_recording = 0;
    // The design picture made from each catalogue picture chosen, to find its item again.
    std::unordered_map<const TPNGObject *, TDesignPicture> m_buttonPictures;
    // While the controls are being filled from an object, their change events write nothing.
    bool m_showing = false;
    // Set by a keystroke in the font size box until the change it makes is handled.
    bool m_fontSizeTyped = false;
    // The box the last typing step was typed into.
    const QObject *m_typedInto = nullptr;
    QColor m_lastDialogColor = Qt::black;

    TPaintBox *m_paintBox = nullptr;
    TPanel *m_properties = nullptr;
    QLabel *m_scaleSizeLabel = nullptr;
    QPushButton *m_incTemplate = nullptr;
    QPushButton *m_decTemplate = nullptr;
    TOwnerDrawComboBox *m_closeButtonStyle = nullptr;
    QLabel *m_cbScaleLabel = nullptr;
    QPushButton *m_incCloseButton = nullptr;
    QPushButton *m_decCloseButton = nullptr;
    QLabel *m_labels[6] = {};
    QPlainTextEdit *m_textEdit = nullptr;
    QComboBox *m_fontName = nullptr;
    TOwnerDrawComboBox *m_fontColor = nullptr;
    QPushButton *m_customColorButton = nullptr;
    QComboBox *m_fontSize = nullptr;
    QToolButton *m_fontB = nullptr;
    QToolButton *m_fontI = nullptr;
    QToolButton *m_fontU = nullptr;
    QSpinBox *m_angleEdit = nullptr;
    QPushButton *m_addText = nullptr;
    QPushButton *m_erase = nullptr;
};
