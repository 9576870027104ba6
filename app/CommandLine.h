#pragma once

// The program's command line, read before Qt sees it: Qt is given only the program name, so
// its own options (-reverse, -style ...) cannot change the window.

#include <QString>
#include <QStringList>

struct TCommandLine {
    // Set when the program is to print text and end without a window.
    bool exit = false;
    int exitCode = 0;
    // What to print: to standard output for --help and --version, to standard error otherwise.
    QString text;
    bool toStandardError = false;
    // The design file to open once the window is up, or empty.
    QString designFile;
};

// arguments are those after the program name. A design file is checked for being readable
// here, so that a wrong name gets its message on the terminal; its content is read by the window.
TCommandLine ParseCommandLine(const QStringList &arguments);

// The arguments of main() after the program name, decoded as the system's file names are.
QStringList ArgumentsOf(int argc, char *argv[]);

// Prints the result's text where it belongs.
void PrintCommandLineText(const TCommandLine &result);
