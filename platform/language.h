// The player's language: the program's texts looked up in the message catalogs.
//
// The texts in the program (menus, dialog templates, message boxes, file dialog titles and
// filters) are Japanese, and they are the keys of the catalogs: po/<language>.po, compiled to
// <language>/LC_MESSAGES/velmora.mo in a "locale" folder beside the program, or in
// ../share/locale from the program's folder once installed. A text without a translation,
// and every text under a Japanese, C or POSIX locale, is shown as it stands.
//
// Back ends pass every text they put on screen from a template or the game's requests through
// translate(); text the game sets itself (a puzzle's attached message) is content and is not.
//
// On Linux (GTK and headless back ends) this is gettext: the language follows LANGUAGE,
// LC_ALL, LC_MESSAGES and LANG. A Windows back end implements the same three calls by reading
// the same .mo files (a small sorted table of strings) from a "locale" folder beside the .exe,
// choosing the catalog from GetUserDefaultUILanguage.
#pragma once

#include <string>

// Finds the catalogs for the program at `programPath` and selects the player's language.
// The locale must already be set from the environment (setlocale(LC_ALL, "")).
void initialiseLanguage(const std::string& programPath);

// The text in the player's language; `text` itself when no catalog translates it.
const char* translate(const char* text);

// The language of the catalog in use ("en"), or "" when the source texts are shown.
std::string languageCode();
