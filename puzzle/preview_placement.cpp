// Placement of the preview window from the settings and the picture's size.
#include "puzzle/preview_placement.h"

#include "platform/window.h"
#include "puzzle/state.h"
#include "settings/settings.h"
#include "settings/window_fit.h"

void movePreviewWindow()
{
    const int clientWidth = getPictureWidth() * 50 / 150;
    const int clientHeight = getPictureHeight() * 50 / 150;
    // The place is fitted to the monitors with the outer size a usual frame and caption give.
    const int left = readSettingsInteger("rpleft", 50);
    const int top = readSettingsInteger("rptop", 50);
    const Rect wanted{left, top, left + getPictureWidth() * 33 / 100 + 10,
                      top + getPictureHeight() * 33 / 100 + 28};
    const Rect placed = fitWindowPlace(wanted, monitorWorkAreas());
    moveWindowToClientSize(getPreviewWindow(), placed.left, placed.top, clientWidth, clientHeight,
                           false);
}

void placePreviewWindow()
{
    movePreviewWindow();
    // The picture may be new while the size stays: the whole preview is erased and drawn again.
    invalidateWindow(getPreviewWindow(), true);
    updateWindow(getPreviewWindow());
}
