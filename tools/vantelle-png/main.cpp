// vantelle-png: looks inside PNG files and runs the program's picture paths on them.
//   vantelle-png info FILE                 size, colour type, depth, interlace, transparency,
//   chunks vantelle-png rgba FILE OUT.pam         decode to a 32-bit picture, written as RGB_ALPHA
//   PAM vantelle-png encode IN.pam OUT.png     encode a PAM picture the way logo.png is written
//   vantelle-png stretch IN.png W H OUT.png  resample with the box filter and encode
// A failing input prints the codec's message on stderr and exits with 1.

#include "imaging/AdditionalPng.h"
#include "imaging/Bitmap32.h"
#include "imaging/PngObject.h"

#include <QByteArray>
#include <QFile>
#include <QSaveFile>
#include <QString>

#include <cstdio>
#include <cstring>

namespace {

class UsageError : public EVantelleError {
public:
    using EVantelleError::EVantelleError;
};

const char *kUsage = "usage: vantelle-png info FILE\n"
                     "       vantelle-png rgba FILE OUT.pam\n"
                     "       vantelle-png encode IN.pam OUT.png\n"
                     "       vantelle-png stretch IN.png WIDTH HEIGHT OUT.png\n";

const char *colorTypeName(int type)
{
    switch (type) {
    case 0:
        return "grey";
    case 2:
        return "RGB";
    case 3:
        return "palette";
    case 4:
        return "grey with alpha";
    case 6:
        return "RGB with alpha";
    default:
        return "unknown";
    }
}

const char *transparencyName(TPNGTransparencyMode mode)
{
    switch (mode) {
    case ptmBit:
        return "colour key (1)";
    case ptmPartial:
        return "alpha (2)";
    default:
        return "none (0)";
    }
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw EFileError::CannotCreate(path, file.errorString());
}

QByteArray toPam(const Bitmap32 &image)
{
    QByteArray out = QStringLiteral("P7\nWIDTH %1\nHEIGHT %2\nDEPTH 4\nMAXVAL 255\n"
                                    "TUPLTYPE RGB_ALPHA\nENDHDR\n")
                         .arg(image.width())
                         .arg(image.height())
                         .toLatin1();
    const qsizetype start = out.size();
    out.resize(start + qsizetype(image.width()) * image.height() * 4);
    char *p = out.data() + start;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const uint32_t v = image.pixel(x, y);
            *p++ = char(v >> 16);
            *p++ = char(v >> 8);
            *p++ = char(v);
            *p++ = char(v >> 24);
        }
    }
    return out;
}

// Reads a PAM picture of depth 3 (RGB) or 4 (RGB_ALPHA) with MAXVAL 255.
Bitmap32 fromPam(const QByteArray &bytes)
{
    if (!bytes.startsWith("P7\n"))
        throw UsageError(QStringLiteral("The input is not a PAM picture (P7)."));
    int width = 0, height = 0, depth = 0, maxval = 0;
    qsizetype at = 3;
    for (;;) {
        const qsizetype end = bytes.indexOf('\n', at);
        if (end < 0)
            throw UsageError(QStringLiteral("The PAM header has no ENDHDR line."));
        const QByteArray line = bytes.mid(at, end - at).trimmed();
        at = end + 1;
        if (line == "ENDHDR")
            break;
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() < 2)
            continue;
        if (parts[0] == "WIDTH")
            width = parts[1].toInt();
        else if (parts[0] == "HEIGHT")
            height = parts[1].toInt();
        else if (parts[0] == "DEPTH")
            depth = parts[1].toInt();
        else if (parts[0] == "MAXVAL")
            maxval = parts[1].toInt();
    }
    if (width <= 0 || height <= 0 || width > 65535 || height > 65535 || maxval != 255 ||
        (depth != 3 && depth != 4))
        throw UsageError(QStringLiteral("Only PAM pictures of depth 3 or 4 with MAXVAL 255 and "
                                        "sides up to 65535 are supported."));
    const qsizetype need = qsizetype(width) * height * depth;
    if (bytes.size() - at < need)
        throw UsageError(QStringLiteral("The PAM picture ends before its last pixel."));
    Bitmap32 image(width, height);
    const auto *p = reinterpret_cast<const uchar *>(bytes.constData() + at);
    for (int y = 0; y < height; ++y) {
        uint32_t *row = image.row(y);
        for (int x = 0; x < width; ++x, p += depth) {
            const uint32_t a = depth == 4 ? p[3] : 255;
            row[x] = (a << 24) | (uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | p[2];
        }
    }
    return image;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EFileError::CannotOpen(path, file.errorString());
    return file.readAll();
}

void encodeTo(const Bitmap32 &image, const QString &path)
{
    TPNGObject png;
    Bitmap32ToPng(image, png);
    png.saveToFile(path);
}

int run(int argc, char **argv)
{
    const QString command = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    auto arg = [&](int i) { return QString::fromLocal8Bit(argv[i]); };
    if (command == QLatin1String("info") && argc == 3) {
        TPNGObject png;
        png.loadFromFile(arg(2));
        std::printf("size: %d x %d\n", png.width(), png.height());
        std::printf("colour type: %d (%s)\n", png.colorType(), colorTypeName(png.colorType()));
        std::printf("bit depth: %d\n", png.bitDepth());
        std::printf("interlace: %s\n", png.interlaceMethod() == 1 ? "Adam7 (1)" : "none (0)");
        std::printf("transparency: %s\n", transparencyName(png.transparencyMode()));
        std::printf("chunks:\n");
        for (const auto &chunk : png.chunks()) {
            // Image data is held decoded, so its chunks show no stored length.
            if (chunk->name() == "IDAT")
                std::printf("  IDAT (image data)\n");
            else
                std::printf("  %s %lld\n", chunk->name().constData(),
                            static_cast<long long>(chunk->data().size()));
        }
        return 0;
    }
    if (command == QLatin1String("rgba") && argc == 4) {
        TPNGObject png;
        png.loadFromFile(arg(2));
        Bitmap32 image;
        PngToBitmap32(png, image);
        writeFile(arg(3), toPam(image));
        return 0;
    }
    if (command == QLatin1String("encode") && argc == 4) {
        encodeTo(fromPam(readFile(arg(2))), arg(3));
        return 0;
    }
    if (command == QLatin1String("stretch") && argc == 6) {
        bool okW = false, okH = false;
        const int w = arg(3).toInt(&okW), h = arg(4).toInt(&okH);
        if (!okW || !okH || w < 2 || h < 2 || w > 65535 || h > 65535)
            throw UsageError(
                QStringLiteral("WIDTH and HEIGHT must be whole numbers from 2 to 65535."));
        TPNGObject png;
        png.loadFromFile(arg(2));
        Bitmap32 source;
        PngToBitmap32(png, source);
        if (source.height() < 2)
            throw UsageError(QStringLiteral("The picture must be at least 2 pixels high."));
        Bitmap32 dest(w, h);
        StretchBitmap32(source, dest);
        encodeTo(dest, arg(5));
        return 0;
    }
    std::fputs(kUsage, stderr);
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    try {
        return run(argc, argv);
    } catch (const EVantelleError &error) {
        std::fprintf(stderr, "%s\n", error.message().toLocal8Bit().constData());
        return 1;
    }
}
