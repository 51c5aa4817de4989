// Command line of the puzzle maker.
#include "tools/makepuzzle/options.h"

#include <charconv>

namespace {

// A whole decimal number in from..to, nothing else.
bool parseNumber(const std::string& text, long long from, long long to, long long& value)
{
    const char* end = text.data() + text.size();
    const auto [stop, problem] = std::from_chars(text.data(), end, value);
    return !text.empty() && problem == std::errc() && stop == end && value >= from && value <= to;
}

bool parseInt(const std::string& name, const std::string& text, int& value, std::string& error)
{
    long long number = 0;
    if (!parseNumber(text, 0, 255, number)) {
        error = name + " needs a number from 0 to 255, not \"" + text + "\"";
        return false;
    }
    value = static_cast<int>(number);
    return true;
}

}  // namespace

std::string usageText()
{
    return "usage: velmora-makepuzzle [--columns N] [--rows N] [--core N] [--margin N]\n"
           "                          [--title TEXT] [--seed N] PICTURE OUTPUT\n"
           "       velmora-makepuzzle --help\n"
           "Turns a picture (JPEG, PNG, BMP, WebP, ...) into a puzzle resource with\n"
           "jigsaw-shaped pieces.\n";
}

bool parseOptions(const std::vector<std::string>& arguments, MakerOptions& options,
                  std::string& error)
{
    std::vector<std::string> files;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            options.usageWanted = true;
            return true;
        }
        if (argument.size() < 2 || argument.compare(0, 2, "--") != 0) {
            files.push_back(argument);
            continue;
        }
        if (i + 1 >= arguments.size()) {
            error = argument + " needs a value";
            return false;
        }
        const std::string& value = arguments[++i];
        int number = 0;
        if (argument == "--title") {
            options.title = value;
        } else if (argument == "--seed") {
            long long seed = 0;
            if (!parseNumber(value, 0, UINT32_MAX, seed)) {
                error = "--seed needs a number from 0 to 4294967295, not \"" + value + "\"";
                return false;
            }
            options.seed = static_cast<std::uint32_t>(seed);
        } else if (argument == "--columns" || argument == "--rows" || argument == "--core" ||
                   argument == "--margin") {
            if (!parseInt(argument, value, number, error))
                return false;
            if (argument == "--columns")
                options.columns = number;
            else if (argument == "--rows")
                options.rows = number;
            else if (argument == "--core")
                options.core = number;
            else
                options.margin = number;
        } else {
            error = "unknown option " + argument;
            return false;
        }
    }
    if (files.size() != 2) {
        error = "expected a picture and an output file";
        return false;
    }
    options.picturePath = files[0];
    options.outputPath = files[1];
    return true;
}
