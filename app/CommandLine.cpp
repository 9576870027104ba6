#include "app/CommandLine.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>

#ifndef VANTELLE_VERSION
#error "VANTELLE_VERSION is set by the build"
#endif

namespace {

const QLatin1String Program("vantelle-pro");

QString usage()
{
    return QStringLiteral(
        "Usage: vantelle-pro [FILE.vpopup | PAGE.html]\n"
        "Vantelle Pro builds a picture popup for a web page: choose a picture, place texts and a\n"
        "close button on it, set how the popup behaves, preview it and write the web files.\n"
        "\n"
        "  FILE.vpopup   open this design\n"
        "  PAGE.html     open the design of the popup published in this page\n"
        "  -h, --help    show this help and exit\n"
        "  --version     show the version and exit\n");
}

TCommandLine refuse(const QString &message)
{
    TCommandLine result;
    result.exit = true;
    result.exitCode = 2;
    result.toStandardError = true;
    result.text = Program + QStringLiteral(": ") + message + QLatin1Char('\n');
    return result;
}

TCommandLine print(const QString &text)
{
    TCommandLine result;
    result.exit = true;
    result.text = text;
    return result;
}

} // namespace

TCommandLine ParseCommandLine(const QStringList &arguments)
{
    QStringList files;
    bool optionsEnded = false;
    for (const QString &argument : arguments) {
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!optionsEnded &&
                   (argument == QLatin1String("--help") || argument == QLatin1String("-h"))) {
            return print(usage());
        } else if (!optionsEnded && argument == QLatin1String("--version")) {
            return print(QStringLiteral("Vantelle Pro " VANTELLE_VERSION "\n"));
        } else if (!optionsEnded && argument.startsWith(QLatin1Char('-')) &&
                   argument != QLatin1String("-")) {
            return refuse(QStringLiteral("unknown option '%1'\nTry 'vantelle-pro --help' for "
                                         "more information.")
                              .arg(argument));
        } else {
            files << argument;
        }
    }
    if (files.isEmpty())
        return {};
    if (files.size() > 1)
        return refuse(
            QStringLiteral("one design at a time, but %1 files were given").arg(files.size()));
    // Whether the file is there, readable, a design or a page with a popup is for the window to
    // say: a desktop user who opened it from a file manager never sees a terminal.
    TCommandLine result;
    result.designFile = QFileInfo(files.first()).absoluteFilePath();
    return result;
}

QStringList ArgumentsOf(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QFile::decodeName(argv[i]);
    return arguments;
}

void PrintCommandLineText(const TCommandLine &result)
{
    const QByteArray bytes = result.text.toLocal8Bit();
    std::FILE *stream = result.toStandardError ? stderr : stdout;
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    std::fflush(stream);
}
