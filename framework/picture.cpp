#include "framework/picture.h"

#include "framework/program_files.h"
#include "framework/view/picture_image.h"

#include <filesystem>
#include <system_error>

namespace fw {

namespace {

void BuildPicture(ClassRecord &r) {
    r.allocate = Allocator<Picture>();
    const Operation operations[] = {{"Width", "(  ) as Integer"}, {"Height", "(  ) as Integer"}};
    r.AddOperations(operations);
}

bool IsPlainFileName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos &&
           name.find('\0') == std::string_view::npos;
}

} // namespace

const ClassRecord &Picture::ClassRecordOf() {
    static const ClassRecord &r = ClassRegistry::Instance().LookUp("Picture", BuildPicture);
    return r;
}

Picture::Picture() : image_(std::make_unique<Image>()) {}
Picture::~Picture() = default;

int64_t Picture::Width() const { return image_->image.width(); }
int64_t Picture::Height() const { return image_->image.height(); }

std::string ResourceFolder() {
    const std::filesystem::path folder = RunningProgramFileFolders().resources;
    if (!folder.empty()) return folder.string();
    std::error_code error;
    return std::filesystem::current_path(error).string();
}

Ref<Picture> Picture::_OpenFromApp(std::string_view fileName) {
    if (!IsPlainFileName(fileName)) return nullptr;
    const std::filesystem::path path = std::filesystem::path(ResourceFolder()) / fileName;
    QImage image;
    if (!image.load(QString::fromStdString(path.string()))) return nullptr;
    Ref<Picture> picture = NewObject<Picture>();
    picture->image_->image = std::move(image);
    return picture;
}

Ref<Picture> Picture::Create(int64_t width, int64_t height) {
    if (width < 1 || height < 1 || width > 32767 || height > 32767) return nullptr;
    Ref<Picture> picture = NewObject<Picture>();
    picture->image_->image = QImage(static_cast<int>(width), static_cast<int>(height), QImage::Format_ARGB32);
    picture->image_->image.fill(Qt::transparent);
    return picture;
}

} // namespace fw
