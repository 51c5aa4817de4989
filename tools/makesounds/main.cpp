// velmora-makesounds OUTPUT_DIR: synthesises the game's four WAVE resources.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/makesounds/effects.h"
#include "tools/makesounds/music.h"
#include "tools/makesounds/wave_file.h"

namespace {

struct SoundJob {
    int resourceId;
    int milliseconds;
    WaveFormat format;
    std::vector<double> (*render)(int sampleRate, int frameCount);
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: velmora-makesounds OUTPUT_DIR\n");
        return 2;
    }
    const std::filesystem::path outputDir = argv[1];
    std::error_code error;
    std::filesystem::create_directories(outputDir, error);

    const SoundJob jobs[] = {
        {115, 250, {22050, 1, 8}, renderJoinSound},
        {122, 60, {22050, 1, 8}, renderTurnSound},
        {136, 1300, {8000, 1, 8}, renderCompletionSound},
        {146, 20400, {44100, 2, 16}, renderMusic},
    };
    for (const SoundJob& job : jobs) {
        const int frames = sampleCountFor(job.milliseconds, job.format.sampleRate);
        const std::string path = (outputDir / (std::to_string(job.resourceId) + ".wav")).string();
        if (!writeWaveFile(path, job.format, job.render(job.format.sampleRate, frames))) {
            std::fprintf(stderr, "velmora-makesounds: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
