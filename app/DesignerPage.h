#pragma once

// Page 2 of the wizard: the popup designer. Owns the design objects (through the designer
// model) and wires the page's controls; the main window calls the hooks below from its
// start-up and page switch.

#include <QColor>

class TMainForm;
class TPanel;

class TDesignerPage {
public:
    explicit TDesignerPage(TMainForm &form);
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
    // Entering page 2.
    void RenderDesign(QColor background);
    // The document size buttons of the template chooser.
    void ShowDocumentSize();
    void RedrawDesign();

private:
    TMainForm &m_form;
};
