// The player's language: the program's texts looked up in the message catalogs.
//
// The texts in the program (menus, dialog templates, message boxes, file dialog titles and
// filters) are Japanese, and they are the keys of the catalogs: po/<language>.po, compiled to
// <language>/LC_MESSAGES/velmora.mo in a "locale" folder beside the program, or in
// ../share/locale from the program's folder once installed. A text without a translation,
// and every text when the player asks for Japanese, C or POSIX, is shown as it stands.
//
// Back ends pass every text they put on screen from a template or the game's requests through
// translate(); text the game sets itself (a puzzle's attached message) is content and is not.
//
// On Linux (GTK and headless back ends) the language variables choose the catalog, whether or
// not the system has the locale they name: the entries of LANGUAGE (a colon-separated list),
// then the locale of the first of LC_ALL, LC_MESSAGES and LANG that is set, each tried as
// "ll_CC" then "ll"; the first with a catalog is used, and an entry for Japanese, C or POSIX
// (or the end of the list) keeps the texts as they stand. A Windows back end reads the same
// .mo files from a "locale" folder beside the .exe, choosing the catalog from
// GetUserDefaultUILanguage.
#pragma once

#include <string>

// Finds the catalogs for the program at `programPath` and selects the player's language.
void initialiseLanguage(const std::string& programPath);

// The text in the player's language; `text` itself when no catalog translates it.
const char* translate(const char* text);

// translate(format) with its one "%s" filled with `value`.
std::string translateWith(const char* format, const std::string& value);

// The language of the catalog in use ("en"), or "" when the source texts are shown.
std::string languageCode();
