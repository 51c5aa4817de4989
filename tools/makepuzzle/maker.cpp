// Makes a puzzle resource file from a picture, as the command line asks.
#include "tools/makepuzzle/maker.h"

#include <cstdio>
#include <fstream>

#include <unistd.h>

#include "maker/limits.h"
#include "maker/make.h"

namespace {

// Writes through a temporary file beside the output and renames it at the end, so that a
// failure never leaves a partial output behind.
bool writeWhole(const std::string& path, const std::vector<std::uint8_t>& bytes,
                std::string& error)
{
    const std::string temporary = path + ".tmp" + std::to_string(getpid());
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        file.close();
        if (!file) {
            std::remove(temporary.c_str());
            error = "cannot write " + path;
            return false;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        error = "cannot write " + path;
        return false;
    }
    return true;
}

}  // namespace

PuzzleGeometry geometryFor(const MakerOptions& options, int pictureWidth, int pictureHeight)
{
    const bool landscape = pictureWidth > pictureHeight;
    PuzzleGeometry geometry;
    geometry.columns = options.columns.value_or(landscape ? 4 : 3);
    geometry.rows = options.rows.value_or(landscape ? 3 : 4);
    geometry.core = options.core;
    geometry.margin = options.margin;
    return geometry;
}

bool makePuzzleFile(const MakerOptions& options, std::string& error)
{
    RgbImage source;
    PictureError pictureError;
    if (!readPictureFile(options.picturePath, source, pictureError)) {
        error = pictureError.message;
        return false;
    }
    const PuzzleGeometry geometry = geometryFor(options, source.width, source.height);
    const std::string problem = geometryProblem(geometry);
    if (!problem.empty()) {
        error = "cannot make this puzzle: " + problem;
        return false;
    }
    return writeWhole(options.outputPath,
                      makePuzzleResource(source, geometry, options.title, options.seed), error);
}
