// Where the program finds its matrix library and pictures, for a program in
// the build tree and for an installed one.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "framework/program_files.h"
#include "install_layout.h"

namespace {

namespace fs = std::filesystem;

struct TempTree {
    TempTree() {
        root = fs::temp_directory_path() / ("tandrel-program-files-" + std::to_string(::getpid()));
        fs::remove_all(root);
        fs::create_directories(root / "bin");
    }
    ~TempTree() {
        std::error_code ignored;
        fs::remove_all(root, ignored);
    }
    fs::path root;
};

TEST(ProgramFiles, TheInstalledLayoutIsFoundRelativeToTheProgramWhereverTheTreeLies) {
    TempTree tree;
    const fs::path bin = tree.root / "bin";
    // Only the library folder marks an installed tree: nothing is read yet.
    const fs::path library = (bin / install_layout::kLibraryFolder).lexically_normal();
    fs::create_directories(library);
    fs::create_directories(bin / install_layout::kResourceFolder);

    fw::ProgramFileFolders folders = fw::ProgramFileFoldersFor(bin);
    EXPECT_EQ(folders.library, library);
    EXPECT_EQ(folders.resources, (bin / install_layout::kResourceFolder).lexically_normal());
    EXPECT_NE(folders.library, bin);
    EXPECT_NE(folders.resources, bin);
    EXPECT_TRUE(folders.library.string().starts_with(tree.root.string())) << folders.library;
    EXPECT_TRUE(folders.resources.string().starts_with(tree.root.string())) << folders.resources;

    // The same tree moved elsewhere.
    const fs::path moved = tree.root.string() + "-moved";
    fs::remove_all(moved);
    fs::rename(tree.root, moved);
    folders = fw::ProgramFileFoldersFor(moved / "bin");
    EXPECT_EQ(folders.library, (moved / "bin" / install_layout::kLibraryFolder).lexically_normal());
    EXPECT_TRUE(fs::is_directory(folders.library)) << folders.library;
    fs::rename(moved, tree.root);
}

TEST(ProgramFiles, WithoutAnInstalledTreeEverythingIsBesideTheProgram) {
    TempTree tree;
    const fs::path bin = tree.root / "bin";
    // Files beside the program and an installed resource folder alone do not
    // make an installed tree, nor does a file in the library folder's place.
    fs::create_directories(bin / install_layout::kResourceFolder);
    const fs::path library = (bin / install_layout::kLibraryFolder).lexically_normal();
    fs::create_directories(library.parent_path());
    std::ofstream(library) << "not a folder";

    const fw::ProgramFileFolders folders = fw::ProgramFileFoldersFor(bin);
    EXPECT_EQ(folders.library, bin);
    EXPECT_EQ(folders.resources, bin);
}

TEST(ProgramFiles, TheRunningTestProgramIsInTheBuildTree) {
    const fs::path folder = fw::ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_TRUE(fs::exists(folder / "program_files_tests")) << folder;
    const fw::ProgramFileFolders folders = fw::RunningProgramFileFolders();
    EXPECT_EQ(folders.library, folder);
    EXPECT_EQ(folders.resources, folder);
}

} // namespace
