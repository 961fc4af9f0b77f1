#pragma once

#include "framework/picture.h"

#include <QImage>

namespace fw {

struct Picture::Image {
    QImage image;
};

} // namespace fw
