#pragma once

// The behaviour settings and the output targets as they appear in a design file. One function
// pair per record, so that a new setting is added in one place on both sides.

#include "document/DesignDocument.h"
#include "imaging/VantelleError.h"
#include "output/PopupSettings.h"

#include <QJsonObject>
#include <QString>

// Thrown while a design file is read: what is wrong, without the file's name, which the reader
// adds.
class EDesignFormat : public EVantelleError {
public:
    using EVantelleError::EVantelleError;
};

// Every field under its own key.
QJsonObject PopupSettingsToJson(const TPopupSettings &settings);
// A missing key keeps its default, so files written before a setting existed still open; a key
// of the wrong type or out of range raises EDesignFormat naming it.
TPopupSettings PopupSettingsFromJson(const QJsonObject &json);

QJsonObject OutputTargetsToJson(const TOutputTargets &targets);
TOutputTargets OutputTargetsFromJson(const QJsonObject &json);

// Readers of single values shared with the design reader; where names the key for messages.
bool JsonBool(const QJsonObject &json, const char *key, bool fallback, const QString &where);
int64_t JsonInteger(const QJsonObject &json, const char *key, int64_t fallback, int64_t lowest,
                    int64_t highest, const QString &where);
QString JsonText(const QJsonObject &json, const char *key, const QString &fallback,
                 qsizetype maxLength, const QString &where);
