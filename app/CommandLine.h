#pragma once

// The program's command line, read before Qt sees it: Qt is given only the program name, so
// its own options (-reverse, -style ...) cannot change the window.

#include <QString>
#include <QStringList>

// "vantelle-pro publish|takedown DESIGN.vpopup --site DIR ...": a site's pages changed without
// a window.
struct TSiteCommandLine {
    enum Kind { None, Publish, TakeDown } command = None;
    QString designFile;  // absolute
    QString site;        // absolute
    QString popupFolder; // empty for the default, else absolute
    QStringList pages;
    QStringList excluded;
    bool dryRun = false;
    bool json = false;
};

struct TCommandLine {
    // Set when the program is to print text and end without a window.
    bool exit = false;
    int exitCode = 0;
    // What to print: to standard output for --help and --version, to standard error otherwise.
    QString text;
    bool toStandardError = false;
    // The design file or published page to open once the window is up (absolute), or empty.
    QString designFile;
    // A site command to run instead of the window.
    TSiteCommandLine site;
};

// arguments are those after the program name. Options are checked here; the file named is
// opened by the window, which says in a box when it cannot be.
TCommandLine ParseCommandLine(const QStringList &arguments);

// The arguments of main() after the program name, decoded as the system's file names are.
QStringList ArgumentsOf(int argc, char *argv[]);

// Prints the result's text where it belongs.
void PrintCommandLineText(const TCommandLine &result);
