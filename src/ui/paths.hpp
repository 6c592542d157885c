#pragma once
// Joining folders and names the tools' way, and the default output path.
#include <filesystem>
#include <string>
#include <string_view>

namespace ui {

// Folder and name with exactly one separator between them: none is added when the folder
// already ends in one (a drive root such as "C:\" or "/"). Drive-letter paths join with
// '\', or with '/' when written with '/' alone; others with '/'. A name that is itself a
// whole path ("/tmp/a", "C:\a") is that path.
std::string joinFolder(std::string_view folder, std::string_view name);

// Whether a typed name or path names a file: not empty, and not ending in a separator (which
// would leave a hidden file named only by the ending added to it).
bool namesAFile(std::string_view name);
inline constexpr const char* kNoFileName = "The File Name box is empty: type the name of the file to write.";

// The current folder joined with "temp" and the tool's extension (".tqn" …).
std::string defaultOutputPath(const std::filesystem::path& currentFolder, std::string_view extension);

// The text up to, not including, its first NUL character.
std::string_view trimNulls(std::string_view text);

}  // namespace ui
