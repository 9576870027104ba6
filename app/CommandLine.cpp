#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <initializer_list>
#include <utility>

#ifndef VANTELLE_VERSION
#error "VANTELLE_VERSION is set by the build"
#endif

// The texts of the help and the complaints, in the context translators see.
class HelpText {
    Q_DECLARE_TR_FUNCTIONS(HelpText)
};

namespace {

const QLatin1String Program("vantelle-pro");

// The help in the desktop's language: the command forms stay as typed, each explanation is
// translated on its own and set beside its option.
QString usage()
{
    const auto options = [](int width,
                            std::initializer_list<std::pair<const char *, QString>> rows) {
        QString lines;
        for (const auto &[option, explanation] : rows)
            lines +=
                QStringLiteral("  %1 %2\n").arg(QLatin1String(option), -width).arg(explanation);
        return lines;
    };
    // The command forms line up under the first, whatever the length of "Usage:".
    const QString usage = HelpText::tr("Usage:");
    const QString under(usage.size() + 1, u' ');
    const QString further(usage.size() + 14, u' ');
    return usage + QStringLiteral(" vantelle-pro [FILE.vpopup | PAGE.html]\n") + under +
           QStringLiteral("vantelle-pro publish DESIGN.vpopup --site DIR [--pages PATTERN]...\n") +
           further +
           QStringLiteral("[--exclude PATTERN]... [--popup-folder DIR] [--dry-run] [--json]\n") +
           under +
           QStringLiteral("vantelle-pro takedown DESIGN.vpopup --site DIR [--popup-folder DIR]\n") +
           further + QStringLiteral("[--dry-run] [--json]\n") +
           HelpText::tr(
               "Vantelle Pro builds a picture popup for a web page: choose a picture, place "
               "texts and a\nclose button on it, set how the popup behaves, preview it and "
               "write the web files.\n") +
           u'\n' +
           options(13, {{"FILE.vpopup", HelpText::tr("open this design")},
                        {"PAGE.html",
                         HelpText::tr("open the design of the popup published in this page")},
                        {"-h, --help", HelpText::tr("show this help and exit")},
                        {"--version", HelpText::tr("show the version and exit")}}) +
           u'\n' +
           HelpText::tr(
               "publish puts the design's popup on the pages of a site (.htm and .html files in "
               "DIR and\nthe folders below), takedown takes it off every page it was published "
               "to again.\n") +
           options(20,
                   {{"--site DIR", HelpText::tr("the site's folder")},
                    {"--pages PATTERN",
                     HelpText::tr("only pages that match (\"shop/**\", \"*.html\", a "
                                  "folder)")},
                    {"--exclude PATTERN", HelpText::tr("leave out pages that match")},
                    {"--popup-folder DIR",
                     HelpText::tr("where the popup's files go (popup/<design name>/ in the site)")},
                    {"--dry-run", HelpText::tr("say what would change, and change nothing")},
                    {"--json", HelpText::tr("report as JSON")}}) +
           HelpText::tr(
               "Exit status: 0 when every chosen page is done, 1 when some were skipped or "
               "nothing could\nbe done, 2 for a wrong command line.\n");
}

TCommandLine refuse(const QString &message)
{
    TCommandLine result;
    result.exit = true;
    result.exitCode = 2;
    result.toStandardError = true;
    result.text = Program + QStringLiteral(": ") + message + u'\n' +
                  HelpText::tr("Try 'vantelle-pro --help' for more information.") + u'\n';
    return result;
}

TCommandLine print(const QString &text)
{
    TCommandLine result;
    result.exit = true;
    result.text = text;
    return result;
}

// The argument as it was given for an option the parser did not know.
QString AsGiven(const QStringList &arguments, const QString &name)
{
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--"))
            break;
        for (const QString &form : {u'-' + name, QStringLiteral("--") + name})
            if (argument == form || argument.startsWith(form + u'='))
                return form;
    }
    return u'-' + name;
}

// Options all take their long form; "-reverse" is one unknown option, not seven.
void Prepare(QCommandLineParser &parser)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    parser.addOption({{QStringLiteral("h"), QStringLiteral("help")}, QString()});
    parser.addOption({QStringLiteral("version"), QString()});
}

TCommandLine ParseSiteCommand(const QStringList &arguments, TSiteCommandLine::Kind kind)
{
    QCommandLineParser parser;
    Prepare(parser);
    const QCommandLineOption site(QStringLiteral("site"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption pages(QStringLiteral("pages"), QString(), QStringLiteral("PATTERN"));
    const QCommandLineOption exclude(QStringLiteral("exclude"), QString(),
                                     QStringLiteral("PATTERN"));
    const QCommandLineOption popupFolder(QStringLiteral("popup-folder"), QString(),
                                         QStringLiteral("DIR"));
    const QCommandLineOption dryRun(QStringLiteral("dry-run"), QString());
    const QCommandLineOption json(QStringLiteral("json"), QString());
    parser.addOptions({site, dryRun, json, popupFolder});
    if (kind == TSiteCommandLine::Publish)
        parser.addOptions({pages, exclude});
    const QString name = arguments.first();
    const bool parsed = parser.parse(QStringList{Program} + arguments.mid(1));
    if (parser.isSet(QStringLiteral("help")))
        return print(usage());
    if (!parsed) {
        if (!parser.unknownOptionNames().isEmpty())
            return refuse(
                HelpText::tr("unknown option '%1' for %2")
                    .arg(AsGiven(arguments.mid(1), parser.unknownOptionNames().first()), name));
        return refuse(parser.errorText());
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1)
        return refuse(HelpText::tr("%1 takes one design file, but %2 were given")
                          .arg(name)
                          .arg(files.size()));
    if (!parser.isSet(site) || parser.value(site).isEmpty())
        return refuse(HelpText::tr("%1 needs the site's folder: --site DIR").arg(name));
    for (const QCommandLineOption *single : {&site, &popupFolder})
        if (parser.values(*single).size() > 1)
            return refuse(
                HelpText::tr("--%1 is given more than once").arg(single->names().first()));
    TCommandLine result;
    TSiteCommandLine &command = result.site;
    command.command = kind;
    command.designFile = QFileInfo(files.first()).absoluteFilePath();
    command.site = QFileInfo(parser.value(site)).absoluteFilePath();
    if (parser.isSet(popupFolder))
        command.popupFolder = QFileInfo(parser.value(popupFolder)).absoluteFilePath();
    if (kind == TSiteCommandLine::Publish) {
        command.pages = parser.values(pages);
        command.excluded = parser.values(exclude);
    }
    command.dryRun = parser.isSet(dryRun);
    command.json = parser.isSet(json);
    return result;
}

} // namespace

TCommandLine ParseCommandLine(const QStringList &arguments)
{
    if (!arguments.isEmpty() && arguments.first() == QLatin1String("publish"))
        return ParseSiteCommand(arguments, TSiteCommandLine::Publish);
    if (!arguments.isEmpty() && arguments.first() == QLatin1String("takedown"))
        return ParseSiteCommand(arguments, TSiteCommandLine::TakeDown);

    QCommandLineParser parser;
    Prepare(parser);
    const bool parsed = parser.parse(QStringList{Program} + arguments);
    if (parser.isSet(QStringLiteral("help")))
        return print(usage());
    if (parser.isSet(QStringLiteral("version")))
        return print(QStringLiteral("Vantelle Pro " VANTELLE_VERSION "\n"));
    if (!parsed) {
        if (!parser.unknownOptionNames().isEmpty())
            return refuse(HelpText::tr("unknown option '%1'")
                              .arg(AsGiven(arguments, parser.unknownOptionNames().first())));
        return refuse(parser.errorText());
    }
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty())
        return {};
    if (files.size() > 1)
        return refuse(
            HelpText::tr("one design at a time, but %1 files were given").arg(files.size()));
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
