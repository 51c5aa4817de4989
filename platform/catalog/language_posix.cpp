// The player's language on Linux: the catalog the language variables ask for, read from the
// "locale" folder beside the program or ../share/locale once installed.
#include "platform/language.h"

#include <cstdlib>
#include <string_view>
#include <vector>

#include "platform/catalog/loaded_catalog.h"
#include "platform/files.h"
#include "platform/folders.h"

namespace {

constexpr std::size_t maxCatalogBytes = 16 * 1024 * 1024;

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

// "locale" beside the program as built, or share/locale beside its folder once installed.
std::string catalogFolder(const std::string& programPath)
{
    const std::string programFolder = folderOf(programPath);
    const std::string built = programFolder + "/locale";
    if (pathExists(built))
        return built;
    return folderOf(programFolder) + "/share/locale";
}

std::vector<std::string> splitList(const std::string& list)
{
    std::vector<std::string> entries;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t colon = std::min(list.find(':', start), list.size());
        if (colon > start)
            entries.push_back(list.substr(start, colon - start));
        start = colon + 1;
    }
    return entries;
}

// Whether a language entry asks for the program's own texts: Japanese, or the C or POSIX
// locale ("C", "C.UTF-8", "POSIX").
bool asksForSourceTexts(const std::string& entry)
{
    const std::string_view name(entry);
    return name == "C" || name.starts_with("C.") || name.starts_with("C@") || name == "POSIX" ||
           name == "ja" || name.starts_with("ja_") || name.starts_with("ja.") ||
           name.starts_with("ja@");
}

// The catalog names to look for, the most particular first, that the variables ask for: the
// entries of LANGUAGE (a colon-separated list), then the locale named by the first of LC_ALL,
// LC_MESSAGES and LANG that is set. Each entry "ll_CC.codeset@modifier" gives "ll_CC", then
// "ll". The list stops at the first entry that asks for the source texts.
std::vector<std::string> catalogSearchOrder()
{
    std::vector<std::string> entries;
    if (const char* language = std::getenv("LANGUAGE"))
        entries = splitList(language);
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value) {
            entries.emplace_back(value);
            break;
        }
    }
    std::vector<std::string> names;
    for (const std::string& entry : entries) {
        if (asksForSourceTexts(entry))
            break;
        const std::string name = entry.substr(0, entry.find_first_of(".@"));
        const std::size_t underscore = name.find('_');
        if (name.empty() || underscore == 0)
            continue;
        names.push_back(name);
        if (underscore != std::string::npos)
            names.push_back(name.substr(0, underscore));
    }
    return names;
}

}  // namespace

void initialiseLanguage(const std::string& programPath)
{
    loadedCatalog() = MoCatalog{};
    const std::string folder = catalogFolder(programPath);
    for (const std::string& name : catalogSearchOrder()) {
        // A name is a file name part, never a way out of the folder.
        if (name.find('/') != std::string::npos || name == "..")
            continue;
        std::vector<std::uint8_t> bytes;
        if (readWholeFile(folder + "/" + name + "/LC_MESSAGES/velmora.mo", bytes,
                          maxCatalogBytes) == FileReadOutcome::read &&
            loadedCatalog().load(bytes))
            return;
    }
}
