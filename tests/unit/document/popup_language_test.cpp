// The popup's language in the design file: written only when it is not English, so that files
// of English popups are what they were before the choice; a file without it opens in English
// whatever the program speaks, so an older design's popup stays as it was published.

#include "document/DesignFile.h"
#include "document/SettingsJson.h"
#include "output/PopupSettings.h"
#include "output/PopupTexts.h"

#include <gtest/gtest.h>

#include <QJsonObject>

TEST(PopupLanguageFileTest, WrittenOnlyWhenNotEnglishAndReadBack)
{
    SetDefaultPopupLanguage(QStringLiteral("de")); // a German program
    for (const QString &language : PopupLanguages()) {
        SCOPED_TRACE(language.toStdString());
        TPopupSettings settings;
        settings.Language = language;
        const QJsonObject json = PopupSettingsToJson(settings);
        EXPECT_EQ(json.contains(QLatin1String("language")), language != QLatin1String("en"));
        EXPECT_EQ(PopupSettingsFromJson(json).Language, language);
    }
    // The key missing: English, not the program's German.
    QJsonObject older = PopupSettingsToJson(TPopupSettings());
    older.remove(QLatin1String("language"));
    EXPECT_EQ(PopupSettingsFromJson(older).Language, QStringLiteral("en"));
    SetDefaultPopupLanguage(QStringLiteral("en"));
}

TEST(PopupLanguageFileTest, AnUnknownLanguageIsRefused)
{
    for (const QJsonValue &value : {QJsonValue(QStringLiteral("xx")), QJsonValue(QString()),
                                    QJsonValue(QStringLiteral("DE")), QJsonValue(3)}) {
        QJsonObject json = PopupSettingsToJson(TPopupSettings());
        json.insert(QStringLiteral("language"), value);
        EXPECT_THROW(PopupSettingsFromJson(json), EDesignFormat);
    }
}
