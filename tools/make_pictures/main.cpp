// Writes the program's five pictures as PNG files into the folder given on the
// command line, or with --theme-icons the program's icon for the desktop's
// icon theme, one <size>x<size>/tandrel.png per size:
//
//     QT_QPA_PLATFORM=offscreen make_pictures resources
//     QT_QPA_PLATFORM=offscreen make_pictures --theme-icons desktop/icons
//
// The folder must exist. Files of the same names are replaced.

#include "pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    const bool themeIcons = args.size() == 3 && args.at(1) == QStringLiteral("--theme-icons");
    if (themeIcons) args.removeAt(1);
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: make_pictures [--theme-icons] <folder>\n");
        return 2;
    }
    const QDir folder(args.at(1));
    if (!folder.exists()) {
        std::fprintf(stderr, "make_pictures: no folder %s\n", qPrintable(args.at(1)));
        return 1;
    }

    for (const Picture &picture : themeIcons ? DrawThemeIcons() : DrawPictures()) {
        const QString path = folder.filePath(picture.fileName);
        if (!folder.mkpath(QFileInfo(picture.fileName).path())) {
            std::fprintf(stderr, "make_pictures: cannot make the folder of %s\n", qPrintable(path));
            return 1;
        }
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
