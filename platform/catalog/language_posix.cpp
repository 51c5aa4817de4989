// The player's language through gettext and the catalogs beside or above the program.
#include "platform/language.h"

#include <libintl.h>

#include <filesystem>

namespace {

constexpr const char* domain = "velmora";

// "locale" beside the program as built, or share/locale beside its folder once installed.
std::filesystem::path catalogFolder(const std::filesystem::path& programFolder)
{
    const std::filesystem::path built = programFolder / "locale";
    if (std::filesystem::is_directory(built))
        return built;
    return (programFolder.parent_path() / "share" / "locale").lexically_normal();
}

}  // namespace

void initialiseLanguage(const std::string& programPath)
{
    const std::filesystem::path folder = std::filesystem::path(programPath).parent_path();
    bindtextdomain(domain, catalogFolder(folder).c_str());
    bind_textdomain_codeset(domain, "UTF-8");
}

const char* translate(const char* text)
{
    if (!text || !*text)
        return text;
    return dgettext(domain, text);
}

std::string languageCode()
{
    // The empty key answers the header of the catalog in use, which names its language.
    const std::string header = dgettext(domain, "");
    const std::string field = "Language: ";
    const std::size_t start = header.find(field);
    if (start == std::string::npos)
        return "";
    const std::size_t end = header.find('\n', start);
    return header.substr(start + field.size(), end - start - field.size());
}
