#pragma once

#include <QImage>
#include <QString>

#include <vector>

// One picture of the program: the file name it is read by and how it looks.
struct Picture {
    QString fileName;
    QImage image;
};

// The five pictures, each drawn at the size of the canvas that shows it, on a
// transparent ground so that the windows' lavender background shows through.
std::vector<Picture> DrawPictures();

// The program's icon for the desktop's icon theme, one square picture per
// size, each named <size>x<size>/tandrel.png.
std::vector<Picture> DrawThemeIcons();
