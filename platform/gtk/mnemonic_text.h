// Turns a Windows label with '&' mnemonics into GTK's '_' form.
#pragma once

#include <string>

// "&File" -> "_File", "&&" -> "&", a literal '_' -> "__".
std::string toGtkMnemonic(const char* text);
