// File name rules the file dialogs of every back end share.
#include "platform/dialogs.h"

namespace {

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

}  // namespace

std::string fileExtension(const std::string& path)
{
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || dot < fileNameStart(path))
        return {};
    return path.substr(dot + 1);
}

std::string withDefaultExtension(const std::string& path, const std::string& extension)
{
    const std::size_t dot = path.find_last_of('.');
    if (extension.empty() || (dot != std::string::npos && dot >= fileNameStart(path)))
        return path;
    return path + "." + extension;
}
