// The question for a puzzle of the library whose kept puzzle is damaged.
#include "library/damaged_puzzle.h"

#include "platform/dialogs.h"
#include "platform/language.h"
#include "puzzle/state.h"

namespace {

constexpr const char* caption = "パズル一覧";
constexpr const char* untitledText = "（無題）";
constexpr const char* questionText =
    "「%s」のパズルのデータ（絵とピース）が壊れているため、遊べません。パズル一覧から削除しますか？";

}  // namespace

bool askToRemoveDamagedPuzzle(const std::string& title)
{
    const std::string shown = title.empty() ? translate(untitledText) : title;
    return askYesNo(getMainWindow(), caption, translateWith(questionText, shown).c_str());
}
