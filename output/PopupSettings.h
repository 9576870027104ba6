#pragma once

#include <QString>

#include <cstdint>

// The popup's behaviour as the behaviour page shows it. The page's controls are the only store;
// a copy is read from them at the moment files are generated.
struct TPopupSettings {
    bool ClickOpensLink = true;
    QString LinkURL = QStringLiteral("http://");
    bool LinkInSameWindow = true;
    bool AutoClose = false;
    int32_t AutoCloseDelay = 7;
    bool OncePerSession = true;
    bool AutoCenter = true;
    int32_t ManualLeft = 0;
    int32_t ManualTop = 0;

    bool operator==(const TPopupSettings &other) const = default;
};

// A number box's text as a whole decimal number with an optional sign; anything else, an empty
// text and numbers outside the 32-bit range read as 0.
int32_t ReadSpinValue(const QString &text);
