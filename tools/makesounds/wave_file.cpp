// Writes PCM WAVE files (RIFF) from floating-point samples.
#include "tools/makesounds/wave_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace {

void putLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void putTag(std::vector<std::uint8_t>& out, const char* tag)
{
    out.insert(out.end(), tag, tag + 4);
}

std::vector<std::uint8_t> quantise(const WaveFormat& format, const std::vector<double>& samples)
{
    std::vector<std::uint8_t> data;
    for (double sample : samples) {
        const double clamped = std::clamp(sample, -1.0, 1.0);
        if (format.bitsPerSample == 8) {
            data.push_back(static_cast<std::uint8_t>(std::lround(128.0 + clamped * 127.0)));
        } else {
            const auto value = static_cast<std::int16_t>(std::lround(clamped * 32767.0));
            putLittleEndian(data, static_cast<std::uint16_t>(value), 2);
        }
    }
    return data;
}

}  // namespace

int sampleCountFor(int milliseconds, int sampleRate)
{
    const long long scaled = static_cast<long long>(milliseconds) * sampleRate;
    return static_cast<int>((scaled + 500) / 1000);
}

bool writeWaveFile(const std::string& path, const WaveFormat& format,
                   const std::vector<double>& samples)
{
    const std::vector<std::uint8_t> data = quantise(format, samples);
    const std::uint32_t blockAlign = format.channels * format.bitsPerSample / 8;
    const bool padded = data.size() % 2 == 1;  // RIFF chunks are word aligned

    std::vector<std::uint8_t> file;
    putTag(file, "RIFF");
    putLittleEndian(file, static_cast<std::uint32_t>(4 + 8 + 16 + 8 + data.size() + padded), 4);
    putTag(file, "WAVE");
    putTag(file, "fmt ");
    putLittleEndian(file, 16, 4);
    putLittleEndian(file, 1, 2);  // PCM
    putLittleEndian(file, format.channels, 2);
    putLittleEndian(file, format.sampleRate, 4);
    putLittleEndian(file, format.sampleRate * blockAlign, 4);
    putLittleEndian(file, blockAlign, 2);
    putLittleEndian(file, format.bitsPerSample, 2);
    putTag(file, "data");
    putLittleEndian(file, static_cast<std::uint32_t>(data.size()), 4);
    file.insert(file.end(), data.begin(), data.end());
    if (padded)
        file.push_back(0);

    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()),
              static_cast<std::streamsize>(file.size()));
    return static_cast<bool>(out);
}
