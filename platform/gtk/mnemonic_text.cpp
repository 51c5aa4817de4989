// Mnemonic marks of menu items and buttons, from the Windows form to the GTK form.
#include "platform/gtk/mnemonic_text.h"

std::string toGtkMnemonic(const char* text)
{
    std::string result;
    for (const char* at = text; *at; ++at) {
        if (*at == '&') {
            if (at[1] == '&') {
                result += '&';
                ++at;
            } else if (at[1] != '\0') {
                result += '_';
            }
        } else if (*at == '_') {
            result += "__";
        } else {
            result += *at;
        }
    }
    return result;
}
