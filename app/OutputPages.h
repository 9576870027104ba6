#pragma once

// Pages 3 to 5 of the wizard: behaviour settings, preview and output. Wires those pages'
// controls; the main window calls the hooks below from its start-up and page switch.

#include <QString>

class TMainForm;
class TPanel;

class TOutputPages {
public:
    explicit TOutputPages(TMainForm &form);
    ~TOutputPages();
    TOutputPages(const TOutputPages &) = delete;
    TOutputPages &operator=(const TOutputPages &) = delete;

    // Creates the controls of pages 3, 4 (PreviewTextPaint, PreviewBrowser) and 5 inside
    // their panels (called by the window before start-up runs).
    void BuildControls(TPanel *page3, TPanel *page4, TPanel *page5);
    // Start-up: the behaviour page's enabling handlers once each, then the default folder
    // and page of the output page.
    void ApplyDefaults();
    // Entering page 4 (not from page 5): builds a fresh preview folder and returns the full
    // path of its page; records what it made in TempFiles and TempFolders.
    QString WritePreviewFiles();

private:
    TMainForm &m_form;
};
