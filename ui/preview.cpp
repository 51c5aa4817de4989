// The preview window's procedure and the command that opens and closes it.
#include "ui/preview.h"

#include "platform/dialogs.h"
#include "platform/messages.h"
#include "platform/surface.h"
#include "platform/window.h"
#include "puzzle/preview_placement.h"
#include "puzzle/state.h"
#include "settings/settings.h"

namespace {

constexpr int previewCommandId = 40005;

// The preview's state and the check mark of its menu item, together.
void markPreviewShown(int shown)
{
    setPreviewShown(shown);
    checkMenuItem(getMainWindow(), previewCommandId, shown == 1);
}

// The window's screen rectangle into "rpleft", "rptop", "rpright" and "rpbottom", in that
// order; only the left and top are read back.
void writePreviewRect(Window* dialog)
{
    const Rect rect = getWindowRect(dialog);
    writeSettingsIntegers({{"rpleft", rect.left},
                           {"rptop", rect.top},
                           {"rpright", rect.right},
                           {"rpbottom", rect.bottom}});
}

// The whole picture at 50/150 of its size in the client area's top-left corner, each pixel
// the average of the picture area it covers.
void paintPreview(Window* dialog)
{
    if (!getPictureDib())
        return;
    const int width = getPictureWidth();
    const int height = getPictureHeight();
    drawDib(clientSurface(dialog), 0, 0, width * 50 / 150, height * 50 / 150, getPictureDib(),
            getPictureBits(), 0, 0, width, height, RasterOp::copy, StretchMode::halftone);
}

}  // namespace

std::intptr_t previewDialogProc(Window* dialog, unsigned message, std::uintptr_t, std::intptr_t)
{
    switch (message) {
    case WM_INITDIALOG:
        return 1;
    case WM_SHOWWINDOW:
        movePreviewWindow();
        return 1;
    case WM_MOVE:
    case WM_DESTROY:
        writePreviewRect(dialog);
        return 1;
    case WM_CLOSE:
        destroyWindow(dialog);
        markPreviewShown(0);
        return 1;
    case WM_PAINT:
        paintPreview(dialog);
        return 1;
    default:
        return 0;
    }
}

void switchPreviewWindow()
{
    if (getPreviewShown() != 0) {
        destroyWindow(getPreviewWindow());
        markPreviewShown(0);
        return;
    }
    Window* preview =
        createModelessDialog(previewDialogId, getMainWindow(), previewDialogProc, 0);
    setPreviewWindow(preview);
    showWindow(preview);
    updateWindow(preview);
    markPreviewShown(1);
}
