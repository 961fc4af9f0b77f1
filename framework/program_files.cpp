#include "framework/program_files.h"

#include "install_layout.h"

#include <system_error>

namespace fw {

std::filesystem::path ProgramFolder() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : exe.parent_path();
}

ProgramFileFolders ProgramFileFoldersFor(const std::filesystem::path &programFolder) {
    const std::filesystem::path library = (programFolder / install_layout::kLibraryFolder).lexically_normal();
    std::error_code error;
    if (std::filesystem::is_directory(library, error))
        return {library, (programFolder / install_layout::kResourceFolder).lexically_normal()};
    return {programFolder, programFolder};
}

const char *DesktopEntryName() { return install_layout::kDesktopEntryName; }

ProgramFileFolders RunningProgramFileFolders() {
    const std::filesystem::path folder = ProgramFolder();
    if (folder.empty()) return {};
    return ProgramFileFoldersFor(folder);
}

} // namespace fw
