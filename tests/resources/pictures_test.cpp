#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string ReadFile(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << "cannot open " << path;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint32_t BigEndian32(const std::string &bytes, size_t at) {
    uint32_t value = 0;
    for (size_t k = 0; k < 4; ++k)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + k]);
    return value;
}

struct PictureSize {
    const char *file;
    uint32_t width;
    uint32_t height;
};

// Each picture is drawn at the size of the canvas that shows it.
constexpr PictureSize kPictures[] = {
    {"TD270.png", 349, 70}, {"icon75.png", 102, 101}, {"corrM.png", 15, 102}, {"covM.png", 15, 102}, {"sd.png", 28, 15},
};

TEST(Pictures, ArePngFilesOfTheirCanvasSizes) {
    for (const PictureSize &picture : kPictures) {
        SCOPED_TRACE(picture.file);
        const std::string bytes = ReadFile(std::string(TANDREL_RESOURCE_SOURCE_DIR "/") + picture.file);
        ASSERT_GE(bytes.size(), 33u);
        // Signature, then the IHDR chunk first: length 13, type, width, height.
        EXPECT_EQ(bytes.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
        EXPECT_EQ(BigEndian32(bytes, 8), 13u);
        EXPECT_EQ(bytes.substr(12, 4), "IHDR");
        EXPECT_EQ(BigEndian32(bytes, 16), picture.width);
        EXPECT_EQ(BigEndian32(bytes, 20), picture.height);
    }
}

// The program reads its pictures from its own folder: the build puts exact
// copies there (the help text is built into the program).
TEST(Pictures, AreCopiedNextToTheProgram) {
    for (const char *file : {"TD270.png", "icon75.png", "corrM.png", "covM.png", "sd.png"}) {
        SCOPED_TRACE(file);
        const std::string source = ReadFile(std::string(TANDREL_RESOURCE_SOURCE_DIR "/") + file);
        EXPECT_FALSE(source.empty());
        EXPECT_EQ(ReadFile(std::string(TANDREL_RESOURCE_OUTPUT_DIR "/") + file), source);
    }
}

} // namespace
