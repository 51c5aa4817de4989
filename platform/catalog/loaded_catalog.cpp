// The loaded message catalog and the texts it translates.
#include "platform/catalog/loaded_catalog.h"

#include "platform/language.h"

MoCatalog& loadedCatalog()
{
    static MoCatalog loaded;
    return loaded;
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
