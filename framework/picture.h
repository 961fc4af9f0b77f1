#pragma once

#include "framework/object.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace fw {

// An image in memory. Pictures come from PNG files of the program's resource
// folder (_OpenFromApp) or are made blank at a size.
class Picture : public Object {
public:
    static const ClassRecord &ClassRecordOf();
    Picture();
    ~Picture() override;

    // The picture in the file of that name in the program's resource folder
    // (ResourceFolder()); nil for a missing or unreadable file, and for a name
    // that is not a plain file name (empty, or holding '/' or "..").
    static Ref<Picture> _OpenFromApp(std::string_view fileName);
    // A blank (fully transparent) picture of the size; nil for a side under 1
    // or over 32767 pixels.
    static Ref<Picture> Create(int64_t width, int64_t height);

    int64_t Width() const;
    int64_t Height() const;

    // The image itself, for the framework's views.
    struct Image;
    const Image *image() const { return image_.get(); }

private:
    std::unique_ptr<Image> image_;
};

// The folder the program's pictures are read from: the executable's folder in
// the build tree, the installed resource folder of an installed program
// (RunningProgramFileFolders()); the working folder when the program's own
// folder is unknown.
std::string ResourceFolder();

} // namespace fw
