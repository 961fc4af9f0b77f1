#include "ui/pictures.h"

namespace pictures {

namespace {

// `kept` is the picture's own reference, nil until a read has yielded one.
// It is never destroyed, not even at exit, when the GUI is already gone.
fw::Ref<fw::Picture> Load(fw::Ref<fw::Picture> &kept, const char *fileName) {
    if (!kept) kept = fw::Picture::_OpenFromApp(fileName);
    return kept;
}

} // namespace

fw::Ref<fw::Picture> TD270() {
    static fw::Ref<fw::Picture> &kept = *new fw::Ref<fw::Picture>;
    return Load(kept, "TD270.png");
}

fw::Ref<fw::Picture> icon75() {
    static fw::Ref<fw::Picture> &kept = *new fw::Ref<fw::Picture>;
    return Load(kept, "icon75.png");
}

fw::Ref<fw::Picture> corrM() {
    static fw::Ref<fw::Picture> &kept = *new fw::Ref<fw::Picture>;
    return Load(kept, "corrM.png");
}

fw::Ref<fw::Picture> covM() {
    static fw::Ref<fw::Picture> &kept = *new fw::Ref<fw::Picture>;
    return Load(kept, "covM.png");
}

fw::Ref<fw::Picture> sd() {
    static fw::Ref<fw::Picture> &kept = *new fw::Ref<fw::Picture>;
    return Load(kept, "sd.png");
}

} // namespace pictures
