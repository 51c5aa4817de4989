// The series text kept beside the kept play file: written and read back.
#include "savegame/series.h"

#include <sstream>
#include <string>

#include "puzzle/state.h"

std::vector<std::uint8_t> seriesText(int puzzleNumber, int made)
{
    const std::string text =
        "puzzle " + std::to_string(puzzleNumber) + " made " + std::to_string(made) + "\n";
    return {text.begin(), text.end()};
}

bool parseSeries(std::span<const std::uint8_t> bytes, int& puzzleNumber, int& made)
{
    std::istringstream in(std::string(bytes.begin(), bytes.end()));
    std::string puzzleWord, madeWord;
    int number = 0, flag = 0;
    if (!(in >> puzzleWord >> number >> madeWord >> flag) || puzzleWord != "puzzle" ||
        madeWord != "made" || number < firstSeriesPuzzleNumber ||
        number > lastSeriesPuzzleNumber || (flag != 0 && flag != 1))
        return false;
    puzzleNumber = number;
    made = flag;
    return true;
}
