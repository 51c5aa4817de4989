// Private-profile (INI) files: GetPrivateProfileString and WritePrivateProfileString.
#pragma once

#include <cstddef>
#include <string>

// The value of `key` in `section` of the file, at most maxChars - 1 characters, or the
// default (also cut to maxChars - 1) when the file, section or key is missing. Section and
// key names match ignoring case and surrounding blanks; the value loses surrounding blanks
// and one pair of enclosing quotes.
std::string readProfileString(const std::string& section, const std::string& key,
                              const std::string& defaultValue, std::size_t maxChars,
                              const std::string& path);

// Sets `key` in `section` to `value`, creating the file, section or key as needed and keeping
// every other line as it was. The key is written character for character. Answers false
// when the file cannot be written; the old file then stays intact.
bool writeProfileString(const std::string& section, const std::string& key,
                        const std::string& value, const std::string& path);

// Where a settings file wanted at `besideProgram` is kept: that path when its folder is
// writable, else $XDG_CONFIG_HOME/velmora/<file name> (~/.config when unset).
std::string settingsLocation(const std::string& besideProgram);
