#include "app/DesignerPage.h"

#include "app/MainWindow.h"

TDesignerPage::TDesignerPage(TMainForm &form) : m_form(form) {}
TDesignerPage::~TDesignerPage() = default;

void TDesignerPage::BuildControls(TPanel *) {}
void TDesignerPage::FillPickers() {}
void TDesignerPage::CreateDesignState() {}
void TDesignerPage::RenderDesign(QColor) {}
void TDesignerPage::ShowDocumentSize() {}
void TDesignerPage::RedrawDesign() {}
