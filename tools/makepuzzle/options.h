// Command line of the puzzle maker.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct MakerOptions {
    // Columns and rows left unset follow the picture: 3 x 4 upright, 4 x 3 when landscape.
    std::optional<int> columns;
    std::optional<int> rows;
    int core = 40;
    int margin = 80;
    std::string title;
    std::uint32_t seed = 1;  // fixed, so that builds are reproducible
    std::string picturePath;
    std::string outputPath;
    bool usageWanted = false;  // --help or -h: print the usage and make nothing
};

// Parses the arguments after the program name; false with a reason when they are wrong. An
// option --help or -h asks for the usage alone.
bool parseOptions(const std::vector<std::string>& arguments, MakerOptions& options,
                  std::string& error);

// One-paragraph usage text.
std::string usageText();
