#include "document/DesignFile.h"

#include "base/ProgramPaths.h"
#include "designer/FontPickers.h"
#include "document/SettingsJson.h"
#include "imaging/PngObject.h"
#include "output/PageText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QLocale>

#include <cmath>
#include <limits>

namespace {

QString ColorText(uint32_t value)
{
    // 0x00BBGGRR as the web writes colours.
    const uint32_t r = value & 0xFF, g = (value >> 8) & 0xFF, b = (value >> 16) & 0xFF;
    return QStringLiteral("#%1%2%3")
        .arg(r, 2, 16, QLatin1Char('0'))
        .arg(g, 2, 16, QLatin1Char('0'))
        .arg(b, 2, 16, QLatin1Char('0'))
        .toUpper();
}

uint32_t ColorValue(const QString &text, const QString &where)
{
    bool ok = text.size() == 7 && text[0] == u'#';
    uint32_t rgb = 0;
    if (ok) {
        for (qsizetype i = 1; i < 7 && ok; ++i) {
            const int digit = QStringView(text).mid(i, 1).toInt(&ok, 16);
            rgb = rgb * 16 + static_cast<uint32_t>(digit);
        }
    }
    if (!ok)
        throw EDesignFormat(
            QStringLiteral("\"%1.color\" must be a colour written #RRGGBB").arg(where));
    return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
}

QJsonValue PictureJson(const TDesignPicture &picture)
{
    if (picture.IsNone())
        return QJsonValue::Null;
    return QString::fromLatin1(picture.Bytes.toBase64());
}

// Width and height from the header a PNG file starts with, before any decoding; {0, 0} when
// the bytes do not start like a PNG (the decoder then says what is wrong).
std::pair<qint64, qint64> PngHeaderSize(const QByteArray &bytes)
{
    static const QByteArray start("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16);
    if (bytes.size() < 24 || !bytes.startsWith(start))
        return {0, 0};
    const auto *p = reinterpret_cast<const uchar *>(bytes.constData()) + 16;
    const auto be32 = [](const uchar *q) {
        return qint64(q[0]) << 24 | qint64(q[1]) << 16 | qint64(q[2]) << 8 | qint64(q[3]);
    };
    return {be32(p), be32(p + 4)};
}

void CheckPicturePixels(qint64 width, qint64 height, const QString &key)
{
    // Each side first: a header may claim up to 2^32 - 1 pixels a side.
    if (width <= DesignLimits::PicturePixels && height <= DesignLimits::PicturePixels &&
        width * height <= DesignLimits::PicturePixels)
        return;
    throw EDesignFormat(QStringLiteral("The picture %1 is %2 x %3 pixels; a design's pictures may "
                                       "have at most %4 pixels (the largest popup, 500 x 500, at "
                                       "twice the density)")
                            .arg(key)
                            .arg(width)
                            .arg(height)
                            .arg(QLocale(QLocale::English).toString(DesignLimits::PicturePixels)));
}

TDesignPicture PictureFromJson(const QJsonValue &value, const QString &key, bool createAlpha)
{
    if (value.isUndefined() || value.isNull())
        return {};
    if (!value.isString())
        throw EDesignFormat(QStringLiteral("%1 must be a base64 text or null").arg(key));
    const QString text = value.toString();
    const auto tooLarge = [&] {
        return EDesignFormat(QStringLiteral("The picture %1 is larger than %2 bytes")
                                 .arg(key)
                                 .arg(DesignLimits::PictureBytes));
    };
    // Base64 writes every 3 bytes (and a last 1 or 2) as 4 characters.
    if (text.size() > (DesignLimits::PictureBytes + 2) / 3 * 4)
        throw tooLarge();
    const auto decoded =
        QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        throw EDesignFormat(QStringLiteral("The picture %1 is not valid base64").arg(key));
    if (decoded.decoded.size() > DesignLimits::PictureBytes)
        throw tooLarge();
    const auto [width, height] = PngHeaderSize(*decoded);
    CheckPicturePixels(width, height, key);
    TDesignPicture picture;
    try {
        picture = DecodeDesignPicture(*decoded, createAlpha);
    } catch (const EVantelleError &e) {
        throw EDesignFormat(
            QStringLiteral("The picture %1 does not decode: %2").arg(key, e.message()));
    }
    CheckPicturePixels(picture.Picture->width(), picture.Picture->height(), key);
    return picture;
}

QJsonObject TextJson(const TDesignText &text)
{
    QJsonObject json;
    json.insert(QStringLiteral("lines"), QJsonArray::fromStringList(text.Lines));
    json.insert(QStringLiteral("face"), text.Font.Name);
    json.insert(QStringLiteral("size"), text.Font.Size);
    json.insert(QStringLiteral("color"), ColorText(text.Font.Color));
    json.insert(QStringLiteral("bold"), text.Font.Bold);
    json.insert(QStringLiteral("italic"), text.Font.Italic);
    json.insert(QStringLiteral("underline"), text.Font.Underline);
    json.insert(QStringLiteral("angle"), text.Angle);
    json.insert(QStringLiteral("x"), text.X);
    json.insert(QStringLiteral("y"), text.Y);
    return json;
}

TDesignText TextFromJson(const QJsonValue &value, int index, qsizetype &characters)
{
    const QString where = QStringLiteral("texts[%1]").arg(index);
    if (!value.isObject())
        throw EDesignFormat(QStringLiteral("\"%1\" must be an object").arg(where));
    const QJsonObject json = value.toObject();
    TDesignText text;
    const QJsonValue lines = json.value(QLatin1String("lines"));
    if (!lines.isUndefined()) {
        if (!lines.isArray())
            throw EDesignFormat(QStringLiteral("\"%1.lines\" must be a list of texts").arg(where));
        const QJsonArray array = lines.toArray();
        if (array.size() > DesignLimits::LinesPerText)
            throw EDesignFormat(QStringLiteral("\"%1.lines\" holds more than %2 lines")
                                    .arg(where)
                                    .arg(DesignLimits::LinesPerText));
        for (const QJsonValue &line : array) {
            if (!line.isString())
                throw EDesignFormat(
                    QStringLiteral("\"%1.lines\" must be a list of texts").arg(where));
            if (line.toString().size() > DesignLimits::LineLength)
                throw EDesignFormat(QStringLiteral("A line of \"%1\" is longer than %2 characters")
                                        .arg(where)
                                        .arg(DesignLimits::LineLength));
            characters += line.toString().size();
            if (characters > DesignLimits::TextCharacters)
                throw EDesignFormat(
                    QStringLiteral("The texts hold more than %1 characters together")
                        .arg(DesignLimits::TextCharacters));
            text.Lines.append(line.toString());
        }
    }
    text.Font.Name = JsonText(json, "face", text.Font.Name, DesignLimits::FaceLength, where);
    text.Font.Size = static_cast<int>(JsonInteger(json, "size", text.Font.Size,
                                                  std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max(), where));
    const QJsonValue color = json.value(QLatin1String("color"));
    if (!color.isUndefined()) {
        if (!color.isString())
            throw EDesignFormat(
                QStringLiteral("\"%1.color\" must be a colour written #RRGGBB").arg(where));
        text.Font.Color = ColorValue(color.toString(), where);
    }
    text.Font.Bold = JsonBool(json, "bold", false, where);
    text.Font.Italic = JsonBool(json, "italic", false, where);
    text.Font.Underline = JsonBool(json, "underline", false, where);
    text.Angle = static_cast<int32_t>(
        JsonInteger(json, "angle", 0, -DesignLimits::Angle, DesignLimits::Angle, where));
    text.X = static_cast<int32_t>(
        JsonInteger(json, "x", 0, -DesignLimits::Position, DesignLimits::Position, where));
    text.Y = static_cast<int32_t>(
        JsonInteger(json, "y", 0, -DesignLimits::Position, DesignLimits::Position, where));
    return text;
}

TDesignState StateFromJson(const QJsonObject &root)
{
    const QJsonValue format = root.value(QLatin1String("format"));
    if (!format.isDouble())
        throw EDesignFormat(
            QStringLiteral("It is not a Vantelle Pro design: it has no \"format\" number"));
    const double number = format.toDouble();
    if (std::floor(number) != number || number < 1)
        throw EDesignFormat(QStringLiteral("\"format\" must be a whole number from 1"));
    if (number > DesignFileFormat)
        throw EDesignFormat(QStringLiteral("It was saved by a newer version of Vantelle Pro "
                                           "(design format %1; this version reads format %2).")
                                .arg(number)
                                .arg(DesignFileFormat));

    TDesignState state;
    const QString top;
    state.DocumentSize =
        static_cast<int>(JsonInteger(root, "documentSize", state.DocumentSize, 150, 500, top));
    if (state.DocumentSize % 50 != 0)
        throw EDesignFormat(QStringLiteral("\"documentSize\" must be one of 150, 200, 250, 300, "
                                           "350, 400, 450 and 500"));
    state.Template = PictureFromJson(root.value(QLatin1String("template")),
                                     QStringLiteral("\"template\""), false);

    const QJsonValue close = root.value(QLatin1String("closeButton"));
    if (!close.isUndefined()) {
        if (!close.isObject())
            throw EDesignFormat(QStringLiteral("\"closeButton\" must be an object"));
        const QJsonObject json = close.toObject();
        const QString where = QStringLiteral("closeButton");
        state.CloseButton = PictureFromJson(json.value(QLatin1String("picture")),
                                            QStringLiteral("\"closeButton.picture\""), true);
        const QJsonValue scale = json.value(QLatin1String("scale"));
        if (!scale.isUndefined()) {
            const double s = scale.toDouble(-1);
            if (!scale.isDouble() || !std::isfinite(s) || s <= 0 || s > DesignLimits::MaxScale)
                throw EDesignFormat(
                    QStringLiteral("\"closeButton.scale\" must be a number above 0 and at most %1")
                        .arg(DesignLimits::MaxScale));
            state.CloseButtonScale = s;
        }
        if (!state.CloseButton.IsNone() &&
            !CloseButtonFits(*state.CloseButton.Picture, state.CloseButtonScale)) {
            const TPNGObject &picture = *state.CloseButton.Picture;
            throw EDesignFormat(
                QStringLiteral("The close button of %1 x %2 pixels at scale %3 is drawn %4 x %5 "
                               "pixels; it may be drawn with at most %6 pixels")
                    .arg(picture.width())
                    .arg(picture.height())
                    .arg(state.CloseButtonScale)
                    .arg(static_cast<qint64>(picture.width() * state.CloseButtonScale))
                    .arg(static_cast<qint64>(picture.height() * state.CloseButtonScale))
                    .arg(QLocale(QLocale::English).toString(DesignLimits::PicturePixels)));
        }
        state.CloseButtonX = static_cast<int32_t>(JsonInteger(
            json, "x", state.CloseButtonX, -DesignLimits::Position, DesignLimits::Position, where));
        state.CloseButtonY = static_cast<int32_t>(JsonInteger(
            json, "y", state.CloseButtonY, -DesignLimits::Position, DesignLimits::Position, where));
    }

    const QJsonValue texts = root.value(QLatin1String("texts"));
    if (!texts.isUndefined()) {
        if (!texts.isArray())
            throw EDesignFormat(QStringLiteral("\"texts\" must be a list"));
        const QJsonArray array = texts.toArray();
        if (array.size() > DesignLimits::Texts)
            throw EDesignFormat(
                QStringLiteral("\"texts\" holds more than %1 texts").arg(DesignLimits::Texts));
        qsizetype characters = 0;
        for (qsizetype i = 0; i < array.size(); ++i)
            state.Texts.push_back(TextFromJson(array[i], static_cast<int>(i), characters));
    }

    const QJsonValue behaviour = root.value(QLatin1String("behaviour"));
    if (!behaviour.isUndefined()) {
        if (!behaviour.isObject())
            throw EDesignFormat(QStringLiteral("\"behaviour\" must be an object"));
        state.Settings = PopupSettingsFromJson(behaviour.toObject());
    }
    const QJsonValue output = root.value(QLatin1String("output"));
    if (!output.isUndefined()) {
        if (!output.isObject())
            throw EDesignFormat(QStringLiteral("\"output\" must be an object"));
        state.Output = OutputTargetsFromJson(output.toObject());
    }
    return state;
}

EDesignFileError CannotOpen(const QString &fileName, const QString &reason)
{
    return EDesignFileError(QStringLiteral("Cannot open design \"%1\". %2").arg(fileName, reason));
}

} // namespace

namespace {

QJsonObject DesignJson(const TDesignState &state)
{
    QJsonObject root;
    root.insert(QStringLiteral("format"), DesignFileFormat);
    root.insert(QStringLiteral("program"), QStringLiteral("Vantelle Pro"));
    root.insert(QStringLiteral("documentSize"), state.DocumentSize);
    root.insert(QStringLiteral("template"), PictureJson(state.Template));
    QJsonObject close;
    close.insert(QStringLiteral("picture"), PictureJson(state.CloseButton));
    close.insert(QStringLiteral("scale"), state.CloseButtonScale);
    close.insert(QStringLiteral("x"), state.CloseButtonX);
    close.insert(QStringLiteral("y"), state.CloseButtonY);
    root.insert(QStringLiteral("closeButton"), close);
    QJsonArray texts;
    for (const TDesignText &text : state.Texts)
        texts.append(TextJson(text));
    root.insert(QStringLiteral("texts"), texts);
    root.insert(QStringLiteral("behaviour"), PopupSettingsToJson(state.Settings));
    root.insert(QStringLiteral("output"), OutputTargetsToJson(state.Output));
    return root;
}

QJsonObject ParseRoot(const QByteArray &bytes, const QString &fileName)
{
    if (bytes.isEmpty())
        throw CannotOpen(fileName, QStringLiteral("The file is empty"));
    if (bytes.size() > DesignLimits::FileBytes)
        throw CannotOpen(
            fileName,
            QStringLiteral("The file is larger than %1 bytes").arg(DesignLimits::FileBytes));
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        throw CannotOpen(fileName, QStringLiteral("It is not a design file, or it is cut short: "
                                                  "%1 at byte %2")
                                       .arg(error.errorString())
                                       .arg(error.offset));
    if (!json.isObject())
        throw CannotOpen(fileName, QStringLiteral("It is not a Vantelle Pro design: it holds no "
                                                  "JSON object"));
    return json.object();
}

QByteArray ReadLimited(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EFileError::CannotOpen(path, file.errorString());
    if (file.size() > DesignLimits::FileBytes)
        throw CannotOpen(
            path, QStringLiteral("The file is larger than %1 bytes").arg(DesignLimits::FileBytes));
    const QByteArray bytes = file.read(DesignLimits::FileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw EFileError::CannotOpen(path, file.errorString());
    return bytes;
}

} // namespace

bool CloseButtonFits(const TPNGObject &picture, double scale)
{
    const auto side = [scale](int pixels) { return static_cast<qint64>(pixels * scale); };
    return side(picture.width()) * side(picture.height()) <= DesignLimits::PicturePixels;
}

QByteArray DesignFileBytes(const TDesignState &state)
{
    return QJsonDocument(DesignJson(state)).toJson(QJsonDocument::Indented);
}

void WriteDesignFile(const QString &path, const TDesignState &state, bool durable)
{
    const QByteArray bytes = DesignFileBytes(state);
    try {
        WriteFileBytes(path, bytes, durable);
    } catch (const EVantelleError &e) {
        throw EDesignFileError(e.message());
    }
}

TDesignState ParseDesignFile(const QByteArray &bytes, const QString &fileName)
{
    const QJsonObject root = ParseRoot(bytes, fileName);
    try {
        return StateFromJson(root);
    } catch (const EDesignFormat &e) {
        throw CannotOpen(fileName, e.message());
    }
}

TDesignState ReadDesignFile(const QString &path)
{
    return ParseDesignFile(ReadLimited(path), path);
}

void WriteRecoveryFile(const QString &path, const TDesignState &state, const QString &designFile)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QJsonObject root = DesignJson(state);
    root.insert(QStringLiteral("designFile"), designFile);
    try {
        // Made again within seconds of the next change, so no wait for the disk.
        WriteFileBytes(path, QJsonDocument(root).toJson(QJsonDocument::Compact), false);
    } catch (const EVantelleError &e) {
        throw EDesignFileError(e.message());
    }
}

TRecoveredDesign ReadRecoveryFile(const QString &path)
{
    const QJsonObject root = ParseRoot(ReadLimited(path), path);
    try {
        TRecoveredDesign recovered;
        recovered.State = StateFromJson(root);
        recovered.DesignFile = JsonText(root, "designFile", QString(), 4096, QString());
        return recovered;
    } catch (const EDesignFormat &e) {
        throw CannotOpen(path, e.message());
    }
}

std::vector<std::pair<QString, QString>> SubstituteMissingFaces(const TDesignState &state,
                                                                const QStringList &installedFaces)
{
    std::vector<std::pair<QString, QString>> missing;
    if (installedFaces.isEmpty())
        return missing;
    for (const TDesignText &text : state.Texts) {
        const QString &name = text.Font.Name;
        if (name.isEmpty() || IndexOfFace(installedFaces, name) >= 0)
            continue;
        bool known = false;
        for (const auto &pair : missing)
            known = known || pair.first == name;
        if (known)
            continue;
        const int index = IndexOfFaceOrLookAlike(installedFaces, name);
        const QString face = index >= 0 ? installedFaces[index] : DefaultFontFace(installedFaces);
        missing.emplace_back(name, face);
        QFont::removeSubstitutions(name);
        QFont::insertSubstitution(name, face);
    }
    return missing;
}

bool IsPageFileName(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("htm") || suffix == QLatin1String("html") ||
           suffix == QLatin1String("shtml") || suffix == QLatin1String("php");
}

TPublishedPopup FindPublishedPopup(const QString &page)
{
    const QByteArray text = ReadFileBytes(page);
    const auto fail = [&](const QString &reason) {
        return EDesignFileError(
            QStringLiteral("Cannot open the popup of page \"%1\". %2").arg(page, reason));
    };
    // The block that Add popup would replace, read as Add popup reads it.
    const TPopupMarkers markers = ReadPopupMarkers(text);
    if (!markers.Mismatches.empty())
        throw fail(markers.MismatchReason());
    if (markers.Blocks.empty())
        throw fail(QStringLiteral("The page holds no popup block (\"%1\" ... \"%2\")")
                       .arg(QLatin1String(PopupStartMarker), QLatin1String(PopupEndMarker)));
    QByteArray address = markers.Blocks.front().Source;
    if (address.isEmpty())
        throw fail(QStringLiteral("Its popup block names no script"));
    if (!address.endsWith("script.js"))
        throw fail(QStringLiteral("Its popup block does not load a script.js"));
    address.chop(9);
    while (address.endsWith('/'))
        address.chop(1);
    if (address.contains(':'))
        throw fail(QStringLiteral("Its popup is loaded from another site"));
    const QString name = QFile::decodeName(QByteArray::fromPercentEncoding(address));
    const QDir pageDir = QFileInfo(page).absoluteDir();
    TPublishedPopup found;
    found.Page = QFileInfo(page).absoluteFilePath();
    found.Folder = QDir::cleanPath(pageDir.absoluteFilePath(name));
    found.DesignFile = JoinPath(found.Folder, DesignFileName);
    if (!QFileInfo(found.DesignFile).isFile())
        throw fail(QStringLiteral("Its popup folder \"%1\" holds no %2; it was made before "
                                  "designs were saved with popups")
                       .arg(found.Folder, DesignFileName));
    return found;
}
