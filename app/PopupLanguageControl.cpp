#include "app/PopupLanguageControl.h"

#include "app/PageContext.h"
#include "output/PopupTexts.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>

namespace {

void ShowLanguage(QComboBox *list, const QString &language)
{
    const int index = list->findData(language);
    if (index >= 0 && index != list->currentIndex()) {
        const QSignalBlocker quiet(list);
        list->setCurrentIndex(index);
    }
}

} // namespace

QComboBox *AddPopupLanguageControl(QWidget *parent, const TPageContext &context, int x, int y,
                                   int width)
{
    constexpr int labelWidth = 150;
    auto *label =
        new QLabel(QCoreApplication::translate("PopupLanguageControl", "Popup language:"), parent);
    label->setObjectName(QStringLiteral("PopupLanguageLabel"));
    label->setGeometry(x, y + 2, labelWidth, 18);
    auto *list = new QComboBox(parent);
    list->setObjectName(QStringLiteral("PopupLanguage"));
    list->setGeometry(x + labelWidth + 6, y, width - labelWidth - 6, 22);
    // The label names the list for screen readers through the list's own name rather than as
    // its buddy: page 3's controls and the bottom bar already use every letter for Alt keys.
    list->setAccessibleName(
        QCoreApplication::translate("PopupLanguageControl", "Language of the popup's own words"));
    list->setToolTip(QCoreApplication::translate(
        "PopupLanguageControl", "The language in which the popup names its close button and "
                                "describes itself to screen readers"));
    // Each language in its own name, so that anyone finds theirs.
    for (const QString &code : PopupLanguages())
        list->addItem(PopupLanguageName(code), code);
    TDesignDocument &document = context.Document;
    TDesignHistory &history = context.History;
    ShowLanguage(list, document.Settings.Language);
    QObject::connect(&document, &TDesignDocument::Changed, list,
                     [list, &document] { ShowLanguage(list, document.Settings.Language); });
    QObject::connect(list, &QComboBox::activated, list, [list, &document, &history] {
        const QString language = list->currentData().toString();
        if (language == document.Settings.Language)
            return;
        history.Change(QCoreApplication::translate("PopupLanguageControl", "Popup language"),
                       [&] { document.Settings.Language = language; });
    });
    return list;
}
