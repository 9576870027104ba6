#include "document/SettingsJson.h"

#include <QJsonValue>

#include <cmath>
#include <limits>

namespace {

// Longest link, page path or folder path a design may hold.
constexpr qsizetype MaxLinkLength = 65536;
constexpr qsizetype MaxPathLength = 4096;

QString Key(const QString &where, const char *key)
{
    const QString name = QString::fromLatin1(key);
    return where.isEmpty() ? QStringLiteral("\"%1\"").arg(name)
                           : QStringLiteral("\"%1.%2\"").arg(where, name);
}

} // namespace

bool JsonBool(const QJsonObject &json, const char *key, bool fallback, const QString &where)
{
    const QJsonValue value = json.value(QLatin1String(key));
    if (value.isUndefined())
        return fallback;
    if (!value.isBool())
        throw EDesignFormat(QStringLiteral("%1 must be true or false").arg(Key(where, key)));
    return value.toBool();
}

int64_t JsonInteger(const QJsonObject &json, const char *key, int64_t fallback, int64_t lowest,
                    int64_t highest, const QString &where)
{
    const QJsonValue value = json.value(QLatin1String(key));
    if (value.isUndefined())
        return fallback;
    const double number = value.toDouble(std::numeric_limits<double>::quiet_NaN());
    if (!value.isDouble() || !std::isfinite(number) || std::floor(number) != number ||
        number < static_cast<double>(lowest) || number > static_cast<double>(highest))
        throw EDesignFormat(QStringLiteral("%1 must be a whole number from %2 to %3")
                                .arg(Key(where, key))
                                .arg(lowest)
                                .arg(highest));
    return static_cast<int64_t>(number);
}

QString JsonText(const QJsonObject &json, const char *key, const QString &fallback,
                 qsizetype maxLength, const QString &where)
{
    const QJsonValue value = json.value(QLatin1String(key));
    if (value.isUndefined())
        return fallback;
    if (!value.isString())
        throw EDesignFormat(QStringLiteral("%1 must be a text").arg(Key(where, key)));
    QString text = value.toString();
    if (text.size() > maxLength)
        throw EDesignFormat(
            QStringLiteral("%1 is longer than %2 characters").arg(Key(where, key)).arg(maxLength));
    return text;
}

QJsonObject PopupSettingsToJson(const TPopupSettings &s)
{
    QJsonObject json;
    json.insert(QStringLiteral("clickOpensLink"), s.ClickOpensLink);
    json.insert(QStringLiteral("linkUrl"), s.LinkURL);
    json.insert(QStringLiteral("linkInSameWindow"), s.LinkInSameWindow);
    json.insert(QStringLiteral("autoClose"), s.AutoClose);
    json.insert(QStringLiteral("autoCloseDelay"), s.AutoCloseDelay);
    json.insert(QStringLiteral("oncePerSession"), s.OncePerSession);
    json.insert(QStringLiteral("autoCenter"), s.AutoCenter);
    json.insert(QStringLiteral("manualLeft"), s.ManualLeft);
    json.insert(QStringLiteral("manualTop"), s.ManualTop);
    return json;
}

TPopupSettings PopupSettingsFromJson(const QJsonObject &json)
{
    const QString where = QStringLiteral("behaviour");
    constexpr int64_t lo = std::numeric_limits<int32_t>::min();
    constexpr int64_t hi = std::numeric_limits<int32_t>::max();
    TPopupSettings s;
    s.ClickOpensLink = JsonBool(json, "clickOpensLink", s.ClickOpensLink, where);
    s.LinkURL = JsonText(json, "linkUrl", s.LinkURL, MaxLinkLength, where);
    s.LinkInSameWindow = JsonBool(json, "linkInSameWindow", s.LinkInSameWindow, where);
    s.AutoClose = JsonBool(json, "autoClose", s.AutoClose, where);
    s.AutoCloseDelay =
        static_cast<int32_t>(JsonInteger(json, "autoCloseDelay", s.AutoCloseDelay, lo, hi, where));
    s.OncePerSession = JsonBool(json, "oncePerSession", s.OncePerSession, where);
    s.AutoCenter = JsonBool(json, "autoCenter", s.AutoCenter, where);
    s.ManualLeft =
        static_cast<int32_t>(JsonInteger(json, "manualLeft", s.ManualLeft, lo, hi, where));
    s.ManualTop = static_cast<int32_t>(JsonInteger(json, "manualTop", s.ManualTop, lo, hi, where));
    return s;
}

QJsonObject OutputTargetsToJson(const TOutputTargets &targets)
{
    QJsonObject json;
    json.insert(QStringLiteral("page"), targets.ExistingFile);
    json.insert(QStringLiteral("folder"), targets.SaveToFolder);
    return json;
}

TOutputTargets OutputTargetsFromJson(const QJsonObject &json)
{
    const QString where = QStringLiteral("output");
    TOutputTargets targets;
    targets.ExistingFile = JsonText(json, "page", QString(), MaxPathLength, where);
    targets.SaveToFolder = JsonText(json, "folder", QString(), MaxPathLength, where);
    return targets;
}
