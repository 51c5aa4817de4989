// Messages to the player, held while the program starts until the main window shows the board.
#include "library/notices.h"

#include <utility>
#include <vector>

#include "platform/dialogs.h"
#include "puzzle/state.h"

namespace {

bool holding = false;
std::vector<std::function<void()>> held;

}  // namespace

void holdNotices()
{
    holding = true;
}

void showHeldNotices()
{
    holding = false;
    std::vector<std::function<void()>> notices;
    notices.swap(held);
    for (const std::function<void()>& notice : notices)
        notice();
}

void tellPlayer(std::string text)
{
    whenBoardShows([text = std::move(text)] { messageBox(getMainWindow(), text.c_str()); });
}

void whenBoardShows(std::function<void()> notice)
{
    if (holding)
        held.push_back(std::move(notice));
    else
        notice();
}
