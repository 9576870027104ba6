#include "app/MainWindow.h"

#include "app/ErrorGuard.h"
#include "base/PictureBase.h"
#include "controls/PaintBox.h"
#include "controls/Panel.h"

#include <QCoreApplication>
#include <QFile>
#include <QPushButton>

TMainForm *MainForm = nullptr;

TMainForm::TMainForm(const QString &programFolder, QWidget *parent) : QWidget(parent)
{
    MainForm = this;
    m_programFolder =
        programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : programFolder;
    if (!m_programFolder.endsWith(QLatin1Char('/')))
        m_programFolder += QLatin1Char('/');
    setObjectName(QStringLiteral("MainForm"));
    setFixedSize(724, 559);
    BuildWindowControls();
    Designer = std::make_unique<TDesignerPage>(*this);
    Designer->BuildControls(m_pages[1]);
    Output = std::make_unique<TOutputPages>(*this);
    Output->BuildControls(m_pages[2], m_pages[3], m_pages[4]);
    Guarded([this] { FormCreate(); });
}

TMainForm::~TMainForm()
{
    FormDestroy();
    if (MainForm == this)
        MainForm = nullptr;
}

void TMainForm::BuildWindowControls()
{
    for (int n = 1; n <= 5; ++n) {
        auto *page = new TPanel(this, QStringLiteral("Panel%1").arg(n), QString(), n);
        page->setGeometry(0, 0, 724, 559);
        m_pages[n - 1] = page;
    }
    m_updateBase = new QPushButton(QStringLiteral("Update Base"), this);
    m_updateBase->setObjectName(QStringLiteral("UpdateBase"));
    m_updateBase->setGeometry(448, 528, 97, 25);
    m_backButton = new QPushButton(QStringLiteral("< Back"), this);
    m_backButton->setObjectName(QStringLiteral("BackButton"));
    m_backButton->setGeometry(560, 528, 75, 25);
    m_nextButton = new QPushButton(QStringLiteral("Next >"), this);
    m_nextButton->setObjectName(QStringLiteral("NextButton"));
    m_nextButton->setGeometry(636, 528, 75, 25);
    connect(m_backButton, &QPushButton::clicked, this, guarded([this] { BackButtonClick(); }));
    connect(m_nextButton, &QPushButton::clicked, this, guarded([this] { NextButtonClick(); }));
}

void TMainForm::FormCreate()
{
    TemplateStorage = m_programFolder + QStringLiteral("img.stg");
    UserStorage = m_programFolder + QStringLiteral("usr.stg");
    CloseButtonStorage = m_programFolder + QStringLiteral("cbs.stg");
    DesignBitmap.setSize(500, 500);
    m_updateBase->setVisible(
        QFile::exists(m_programFolder + QStringLiteral("UpdateBaseMarker.txt")));
    DocumentSize = 500;
    ShowPage(1);
}

void TMainForm::FormDestroy() {}

TPNGObject *TMainForm::SelectedPicture() const
{
    return nullptr;
}

void TMainForm::RenderTemplate(const TPNGObject &, int side)
{
    TemplateBitmap.setSize(side, side);
}

void TMainForm::ShowPage(int n)
{
    for (TPanel *page : m_pages)
        page->setVisible(page->tag() == n);
    m_backButton->setEnabled(n != 1);
    m_nextButton->setEnabled(n != 5);
    CurrentPage = n;
}

void TMainForm::StyleGroupPanel(TPanel *) {}

void TMainForm::BackButtonClick()
{
    ShowPage(CurrentPage - 1);
}
void TMainForm::NextButtonClick()
{
    ShowPage(CurrentPage + 1);
}
