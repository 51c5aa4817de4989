// After a finished puzzle: the player's choices, the finished picture composed and exported,
// then the series puzzle that follows laid out.
#include "completion/flow.h"

#include "completion/choice_dialogs.h"
#include "completion/composition.h"
#include "completion/export.h"
#include "platform/sound.h"
#include "puzzle/construction.h"
#include "puzzle/state.h"
#include "settings/settings.h"
#include "ui/dialogs.h"

namespace {

constexpr int completionSound = 136;
constexpr int completionMusic = 146;

// Glue and panel choices, the finished picture on two canvases, its export; the canvases are
// released when the export has read them.
void finishPicture()
{
    showPanelDialog();
    Surface finishedCanvas;
    Surface assemblyCanvas;
    composeFinishedCanvas(finishedCanvas, assemblyCanvas);
    exportFinishedPicture(finishedCanvas, getPictureChoice() == saveAsWallpaper);
}

}  // namespace

void celebrateFinishedPuzzle(void (*startNextPuzzle)(), SeriesStep step)
{
    if (getSoundOn() == 1)
        playSoundResource(completionSound);
    showCongratulationDialog();
    playSoundResource(completionMusic);
    showAttachedMessageDialog();
    runCompletionFlow(startNextPuzzle, step);
}

void runCompletionFlow(void (*startNextPuzzle)(), SeriesStep step)
{
    showPictureChoiceDialog();
    if (getPictureChoice() != leavePicture)
        finishPicture();
    if (step == SeriesStep::next) {
        // After the last puzzle the series starts again at the first.
        const int next = getPuzzleNumber() + 1;
        setPuzzleNumber(next > lastSeriesPuzzleNumber ? firstSeriesPuzzleNumber : next);
    }
    startNextPuzzle();
}
