// File name rules the file dialogs of every back end share.
#include <filesystem>
#include <system_error>

#include "platform/file_choice.h"
#include "platform/paths.h"

namespace {

namespace fs = std::filesystem;

// Characters that part folders in a path.
#ifdef _WIN32
constexpr const char* folderSeparators = "\\/";
#else
constexpr const char* folderSeparators = "/";
#endif

// The start of the last component of the path.
std::size_t fileNameStart(const std::string& path)
{
    const std::size_t slash = path.find_last_of(folderSeparators);
    return slash == std::string::npos ? 0 : slash + 1;
}

// The chosen name with ".extension" appended when its last component has no dot.
std::string withDefaultExtension(const std::string& path, const std::string& extension)
{
    const std::size_t dot = path.find_last_of('.');
    if (extension.empty() || (dot != std::string::npos && dot >= fileNameStart(path)))
        return path;
    return path + "." + extension;
}

}  // namespace

std::string fileExtension(const std::string& path)
{
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || dot < fileNameStart(path))
        return {};
    return path.substr(dot + 1);
}

std::optional<std::string> proposedFolder(const std::string& rememberedPath)
{
    const fs::path folder = pathFromUtf8(rememberedPath).parent_path();
    std::error_code error;
    if (folder.empty() || !fs::is_directory(folder, error))
        return std::nullopt;
    fs::directory_iterator listing(folder, error);
    if (error)
        return std::nullopt;
    return utf8FromPath(folder);
}

bool isProposedFile(const std::string& rememberedPath)
{
    std::error_code error;
    return !rememberedPath.empty() && fs::is_regular_file(pathFromUtf8(rememberedPath), error);
}

bool nameTaken(const std::string& path)
{
    std::error_code error;
    return fs::exists(fs::symlink_status(pathFromUtf8(path), error));
}

std::optional<std::string> chosenFilePath(const std::string& name,
                                          const FileDialogRequest& request, bool saving)
{
    const std::string extended = withDefaultExtension(name, request.defaultExtension);
    if (saving)
        return extended;
    if (nameTaken(name))
        return name;
    if (!request.fileMustExist || nameTaken(extended))
        return extended;
    return std::nullopt;
}
