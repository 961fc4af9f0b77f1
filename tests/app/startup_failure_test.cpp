// The real program, copied into a folder without the matrix library.
#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "install_layout.h"
#include "run_process.h"

namespace {

namespace fs = std::filesystem;

// A temporary folder, removed with everything in it at the end of the test.
struct TempFolder {
    TempFolder() {
        path = fs::temp_directory_path() / ("tandrel-startup-" + std::to_string(::getpid()));
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~TempFolder() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
    fs::path path;
};

std::vector<std::string> Lines(const std::string &text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) lines.push_back(line);
    return lines;
}

TEST(StartUpWithoutTheMatrixLibrary, EndsWithOneLineOnStderrAndAFailureStatus) {
    TempFolder folder;
    const fs::path program = folder.path / "tandrel";
    fs::copy_file(TANDREL_EXECUTABLE, program);
    // The pictures are there: only the library is missing.
    for (const char *picture : {"TD270.png", "icon75.png", "corrM.png", "covM.png", "sd.png"})
        fs::copy_file(fs::path(TANDREL_EXECUTABLE).parent_path() / picture, folder.path / picture);
    ASSERT_FALSE(fs::exists(folder.path / "libComplexMatrix64.so"));

    const ProcessResult run = RunProcess(program.string(), {"QT_QPA_PLATFORM=offscreen"}, std::chrono::seconds(30));

    // A window left open would keep the program running until it is killed.
    ASSERT_FALSE(run.timedOut) << "the program did not end; stderr:\n" << run.standardError;
    ASSERT_FALSE(run.signalled) << run.standardError;
    EXPECT_NE(run.exitStatus, 0);
    int naming = 0;
    for (const std::string &line : Lines(run.standardError))
        if (line.find("libComplexMatrix64.so") != std::string::npos) ++naming;
    EXPECT_EQ(naming, 1) << run.standardError;
}

TEST(StartUpInAnInstalledTree, LoadsTheLibraryFromTheInstalledPlaceOnly) {
    TempFolder folder;
    const fs::path bin = folder.path / "bin";
    fs::create_directories(bin);
    fs::copy_file(TANDREL_EXECUTABLE, bin / "tandrel");
    // A library beside the program is not the installed one; the installed
    // folder is there but empty, so start-up must fail and name that folder.
    fs::copy_file(fs::path(TANDREL_EXECUTABLE).parent_path() / "libComplexMatrix64.so", bin / "libComplexMatrix64.so");
    const fs::path installed = (bin / install_layout::kLibraryFolder).lexically_normal();
    fs::create_directories(installed);

    const ProcessResult run =
        RunProcess((bin / "tandrel").string(), {"QT_QPA_PLATFORM=offscreen"}, std::chrono::seconds(30));

    ASSERT_FALSE(run.timedOut) << "the program did not end; stderr:\n" << run.standardError;
    EXPECT_NE(run.exitStatus, 0);
    EXPECT_NE(run.standardError.find((installed / "libComplexMatrix64.so").string()), std::string::npos)
        << run.standardError;
}

} // namespace
