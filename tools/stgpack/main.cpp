// vantelle-stgpack OUT.stg IN1.png IN2.png ...
//
// Creates or replaces OUT.stg with one entry per input file, in the order given, exactly as
// Update Base does; with no inputs the container is empty.

#include "base/FileStorage.h"
#include "imaging/VantelleError.h"

#include <QStringList>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: vantelle-stgpack OUT.stg [IN1.png IN2.png ...]\n");
        return 2;
    }
    QStringList sources;
    for (int i = 2; i < argc; ++i)
        sources << QString::fromLocal8Bit(argv[i]);
    try {
        WriteStorage(sources, QString::fromLocal8Bit(argv[1]));
    } catch (const EVantelleError &e) {
        std::fprintf(stderr, "vantelle-stgpack: %s\n", e.what());
        return 1;
    }
    return 0;
}
