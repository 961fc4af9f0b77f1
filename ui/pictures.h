#pragma once

#include "framework/object.h"
#include "framework/picture.h"

// The program's five pictures, read by file name from its resources on first
// use and kept from then on, so every window shares one object of each. A
// read that yields nothing is not kept: the next call tries the file again.
// Each returns nil while its file cannot be read.
namespace pictures {
fw::Ref<fw::Picture> TD270();  // "TD270.png", the title picture
fw::Ref<fw::Picture> icon75(); // "icon75.png"
fw::Ref<fw::Picture> corrM();  // "corrM.png"
fw::Ref<fw::Picture> covM();   // "covM.png"
fw::Ref<fw::Picture> sd();     // "sd.png"
} // namespace pictures
