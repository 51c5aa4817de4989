// The progress dialog's procedure.
#include "puzzle/progress_dialog.h"

std::intptr_t progressDialogProc(Window*, unsigned, std::uintptr_t, std::intptr_t)
{
    return 1;
}
