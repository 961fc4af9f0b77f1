#pragma once

#include <filesystem>

namespace fw {

// Where the program's own files are: the matrix library it loads and the
// pictures it reads. One layout holds for all of them, never a mix: the
// install layout, at fixed places relative to the program's folder, when the
// installed library folder is there; otherwise the build tree's, where
// everything sits in the program's own folder.
struct ProgramFileFolders {
    std::filesystem::path library;
    std::filesystem::path resources;
};

// The folder of the running executable; empty when the system does not tell.
std::filesystem::path ProgramFolder();

// The folders for a program that runs from `programFolder`.
ProgramFileFolders ProgramFileFoldersFor(const std::filesystem::path &programFolder);

// The folders for the running program; empty paths when its folder is unknown.
ProgramFileFolders RunningProgramFileFolders();

// The name of the program's desktop entry, without ".desktop": a desktop
// matches the program's windows to their launcher by it.
const char *DesktopEntryName();

} // namespace fw
