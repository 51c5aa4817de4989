// The player's language on Windows: the catalog for the Windows display language, read from
// the "locale" folder beside the program.
#include "platform/language.h"

#include <windows.h>

#include <vector>

#include "platform/catalog/loaded_catalog.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/utf16.h"

namespace {

constexpr std::size_t maxCatalogBytes = 16 * 1024 * 1024;

std::string localeField(LCID locale, LCTYPE field)
{
    wchar_t text[16] = {};
    if (GetLocaleInfoW(locale, field, text, 16) == 0)
        return "";
    return utf16ToUtf8(text);
}

// The catalog names to look for, the most particular first: "pt_BR", then "pt".
std::vector<std::string> catalogNames()
{
    const LCID locale = MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT);
    const std::string language = localeField(locale, LOCALE_SISO639LANGNAME);
    const std::string country = localeField(locale, LOCALE_SISO3166CTRYNAME);
    if (language.empty())
        return {};
    if (country.empty())
        return {language};
    return {language + "_" + country, language};
}

}  // namespace

void initialiseLanguage(const std::string& programPath)
{
    const std::filesystem::path folder = pathFromUtf8(programPath).parent_path() / "locale";
    for (const std::string& name : catalogNames()) {
        const std::filesystem::path file = folder / name / "LC_MESSAGES" / "velmora.mo";
        std::vector<std::uint8_t> bytes;
        if (readWholeFile(utf8FromPath(file), bytes, maxCatalogBytes) == FileReadOutcome::read &&
            loadedCatalog().load(bytes))
            return;
    }
}
