// The face dialogs are built with on this system, so that their texts fit the template sizes.
#pragma once

#include <string>

namespace win32backend {

// Japanese texts: the template's face when installed, else the first installed of the
// Japanese UI faces (Meiryo UI, Yu Gothic UI, MS UI Gothic), else the system's dialog face.
// Texts of another language (English): the system's dialog face, the one the player's other
// programs show.
std::wstring dialogFace(const char* templateFace);

// Whether the texts shown are Japanese, the program's own (no catalog) or a Japanese catalog's;
// their face then needs the Japanese character set.
bool dialogTextsJapanese();

}  // namespace win32backend
