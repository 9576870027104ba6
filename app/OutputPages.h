#pragma once

// Pages 3 to 5 of the wizard: behaviour settings, preview and output. Wires those pages'
// controls; the main window calls the hooks below from its start-up and page switch.

#include <QString>

class TMainForm;

class TOutputPages {
public:
    explicit TOutputPages(TMainForm &form);
    ~TOutputPages();
    TOutputPages(const TOutputPages &) = delete;
    TOutputPages &operator=(const TOutputPages &) = delete;

    // Start-up: the behaviour page's enabling handlers once each, then the default folder
    // and page of the output page.
    void ApplyDefaults();
    // Entering page 4 (not from page 5): builds a fresh preview folder and returns the full
    // path of its page; records what it made in TempFiles and TempFolders.
    QString WritePreviewFiles();

private:
    TMainForm &m_form;
};
