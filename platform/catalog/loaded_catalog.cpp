// The loaded message catalog and the texts it translates.
#include "platform/catalog/loaded_catalog.h"

#include <cstdio>
#include <string_view>
#include <vector>

#include "platform/language.h"

MoCatalog& loadedCatalog()
{
    static MoCatalog loaded;
    return loaded;
}

std::string translateWith(const char* format, const std::string& value)
{
    const std::string_view translated = translate(format);
    std::vector<char> text(translated.size() + value.size() + 1);
    std::snprintf(text.data(), text.size(), translated.data(), value.c_str());
    return text.data();
}

const char* translate(const char* text)
{
    if (!text || !*text)
        return text;
    const char* translation = loadedCatalog().find(text);
    return translation ? translation : text;
}

std::string languageCode()
{
    return loadedCatalog().language();
}
