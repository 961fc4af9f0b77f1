// This test program runs from a folder of its own that holds no pictures, so
// each test decides which picture files the program can find.
#include "ui/pictures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

fs::path OwnFolder() { return fs::read_symlink("/proc/self/exe").parent_path(); }

struct Accessor {
    fw::Ref<fw::Picture> (*get)();
    const char *file;
};

const Accessor kAccessors[] = {
    {&pictures::TD270, "TD270.png"}, {&pictures::icon75, "icon75.png"}, {&pictures::corrM, "corrM.png"},
    {&pictures::covM, "covM.png"},   {&pictures::sd, "sd.png"},
};

// Removes the copies this test put beside it, whatever the outcome.
struct PlacedFiles {
    ~PlacedFiles() {
        std::error_code ignored;
        for (const Accessor &a : kAccessors)
            fs::remove(OwnFolder() / a.file, ignored);
    }
};

// One test, so that no two processes of this program shuffle the same files.
TEST(Pictures, MissingOrUnreadableFilesAreTriedAgainAndALoadedPictureIsKept) {
    PlacedFiles cleanup;
    for (const Accessor &a : kAccessors) {
        SCOPED_TRACE(a.file);
        const fs::path placed = OwnFolder() / a.file;
        ASSERT_FALSE(fs::exists(placed));
        EXPECT_FALSE(a.get());

        // A file that is no picture yields nothing either, and is not kept.
        std::ofstream(placed) << "not a picture";
        EXPECT_FALSE(a.get());

        fs::copy_file(fs::path(TANDREL_RESOURCE_DIR) / a.file, placed, fs::copy_options::overwrite_existing);
        fw::Ref<fw::Picture> loaded = a.get();
        ASSERT_TRUE(loaded);
        EXPECT_GT(loaded->Width(), 0);
        EXPECT_GT(loaded->Height(), 0);

        // Once loaded the file is never read again: with it gone, and with a
        // different file in its place, the same object comes back.
        fs::remove(placed);
        EXPECT_EQ(a.get().get(), loaded.get());
        fs::copy_file(fs::path(TANDREL_RESOURCE_DIR) / (a.file == std::string("sd.png") ? "TD270.png" : "sd.png"),
                      placed);
        fw::Ref<fw::Picture> again = a.get();
        EXPECT_EQ(again.get(), loaded.get());
        EXPECT_EQ(again->Width(), loaded->Width());
        fs::remove(placed);
    }
}

} // namespace
