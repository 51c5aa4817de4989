// Placement of the preview window from the settings and the picture's size.
#include "puzzle/preview_placement.h"

#include "platform/window.h"
#include "puzzle/state.h"
#include "settings/settings.h"

void movePreviewWindow()
{
    const int left = readSettingsInteger("rpleft", 50);
    const int top = readSettingsInteger("rptop", 50);
    moveWindow(getPreviewWindow(), left, top, getPictureWidth() * 33 / 100 + 10,
               getPictureHeight() * 33 / 100 + 28, false);
}

void placePreviewWindow()
{
    movePreviewWindow();
    // The picture may be new while the size stays: the whole preview is erased and drawn again.
    invalidateWindow(getPreviewWindow(), true);
    updateWindow(getPreviewWindow());
}
