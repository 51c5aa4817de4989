// Private-profile (INI) files: GetPrivateProfileString and WritePrivateProfileString.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The value of `key` in `section` of the file, at most maxChars - 1 characters, or the
// default (without trailing blanks, also cut to maxChars - 1) when the file, section or key
// is missing. Section and key names match ignoring case and surrounding blanks; the value
// loses surrounding blanks and one pair of enclosing quotes. Lines may end in "\n" or "\r\n".
// A UTF-8 byte-order mark at the start of the file is skipped (writeProfileString keeps it).
std::string readProfileString(const std::string& section, const std::string& key,
                              const std::string& defaultValue, std::size_t maxChars,
                              const std::string& path);

// Sets `key` in `section` to `value`, creating the file, section or key as needed and keeping
// every other line as it was; lines are written ending in "\r\n". The key is written
// character for character. The file is replaced through a new file in the same folder, so
// when it cannot be written the answer is false and the old file stays intact.
bool writeProfileString(const std::string& section, const std::string& key,
                        const std::string& value, const std::string& path);

// One key and the value to write for it.
struct ProfileEntry {
    std::string key;
    std::string value;
};
// Sets every key in `section` as writeProfileString does, one after the other, and replaces
// the file once: the same bytes as that many single writes.
bool writeProfileStrings(const std::string& section, const std::vector<ProfileEntry>& entries,
                         const std::string& path);

// Where a settings file wanted at `besideProgram` is kept: that path when its folder is
// writable and the program is not installed under a prefix (its data in share/velmora beside
// its folder), else $XDG_CONFIG_HOME/velmora/<file name> (~/.config when unset). When that folder
// cannot be made or written either, one line on standard error names both folders (once).
std::string settingsLocation(const std::string& besideProgram);
