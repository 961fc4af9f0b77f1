#include "ui/pictures.h"

namespace pictures {

namespace {

// One picture's own state: set up on the first call, then the picture once
// one has loaded. The picture is never released before the process ends, so
// the state is never destroyed (not even at exit, after the GUI is gone).
struct Kept {
    bool initialised = false;
    fw::Ref<fw::Picture> pic;
};

fw::Ref<fw::Picture> Load(Kept &kept, const char *fileName) {
    if (!kept.initialised) {
        kept.initialised = true;
        kept.pic = nullptr;
    }
    if (!kept.pic) kept.pic = fw::Picture::_OpenFromApp(fileName);
    return kept.pic;
}

} // namespace

fw::Ref<fw::Picture> TD270() {
    static Kept &kept = *new Kept;
    return Load(kept, "TD270.png");
}

fw::Ref<fw::Picture> icon75() {
    static Kept &kept = *new Kept;
    return Load(kept, "icon75.png");
}

fw::Ref<fw::Picture> corrM() {
    static Kept &kept = *new Kept;
    return Load(kept, "corrM.png");
}

fw::Ref<fw::Picture> covM() {
    static Kept &kept = *new Kept;
    return Load(kept, "covM.png");
}

fw::Ref<fw::Picture> sd() {
    static Kept &kept = *new Kept;
    return Load(kept, "sd.png");
}

} // namespace pictures
