// Writes the program's five pictures as PNG files into the folder given on the
// command line:
//
//     QT_QPA_PLATFORM=offscreen make_pictures resources
//
// The folder must exist. Files of the same names are replaced.

#include "pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: make_pictures <folder>\n");
        return 2;
    }
    const QDir folder(args.at(1));
    if (!folder.exists()) {
        std::fprintf(stderr, "make_pictures: no folder %s\n", qPrintable(args.at(1)));
        return 1;
    }

    for (const Picture &picture : DrawPictures()) {
        const QString path = folder.filePath(picture.fileName);
        QImageWriter writer(path, "png");
        // Best compression; the pictures are small and written once.
        writer.setCompression(100);
        if (!writer.write(picture.image)) {
            std::fprintf(stderr, "make_pictures: %s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
            return 1;
        }
        std::printf("%s  %d x %d\n", qPrintable(path), picture.image.width(), picture.image.height());
    }
    return 0;
}
