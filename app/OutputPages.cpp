#include "app/OutputPages.h"

#include "app/MainWindow.h"

TOutputPages::TOutputPages(TMainForm &form) : m_form(form) {}
TOutputPages::~TOutputPages() = default;

void TOutputPages::BuildControls(TPanel *, TPanel *, TPanel *) {}
void TOutputPages::ApplyDefaults() {}
QString TOutputPages::WritePreviewFiles() { return QString(); }
