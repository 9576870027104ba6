// Makes a usr.stg of N pictures the way Load... adds them, for the start-up bench: each a
// 1024 x 768 picture of gradients, shapes and text (something like a screenshot or a banner),
// encoded by Qt, then added through the picture base. It returns once the file has been left
// alone for a few seconds, as a user's base is between two starts (a file changed a moment ago
// cannot yet be told from its next change by its time stamps alone).

#include "base/PictureBase.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: startup_userbase USR.STG COUNT\n");
        return 2;
    }
    const QString userStorage = args[1];
    const int count = args[2].toInt();
    QFile::remove(userStorage);
    QTemporaryDir scratch;
    TPictureBase base(QString(), userStorage);
    base.Load();
    for (int i = 0; i < count; ++i) {
        QImage picture(1024, 768, QImage::Format_RGB32);
        QPainter painter(&picture);
        QLinearGradient sky(0, 0, 1024, 768);
        sky.setColorAt(0, QColor::fromHsv((i * 37) % 360, 120, 240));
        sky.setColorAt(1, QColor::fromHsv((i * 37 + 120) % 360, 200, 90));
        painter.fillRect(picture.rect(), sky);
        painter.setRenderHint(QPainter::Antialiasing);
        for (int k = 0; k < 12; ++k) {
            painter.setBrush(QColor::fromHsv((i * 13 + k * 29) % 360, 180, 220, 160));
            painter.drawEllipse(QPoint((k * 173 + i * 41) % 1024, (k * 97 + i * 23) % 768),
                                40 + k * 7, 30 + k * 5);
        }
        QFont font(QStringLiteral("Sans"), 40);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(
            picture.rect(), Qt::AlignCenter,
            QStringLiteral("Summer offer %1\nup to %2% off").arg(i + 1).arg(10 + i % 60));
        painter.end();
        const QString file = scratch.filePath(QStringLiteral("%1.png").arg(i));
        picture.save(file, "PNG");
        base.AddUserPicture(file, 500);
    }
    std::printf("%d pictures in %s (%lld bytes)\n", count, qPrintable(userStorage),
                static_cast<long long>(QFileInfo(userStorage).size()));
    while (!IsSettled(StampOf(userStorage)) && QFileInfo::exists(userStorage))
        QThread::msleep(100);
    return 0;
}
