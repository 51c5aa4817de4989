// Helpers of the fuzz targets: failing loudly on a broken invariant, a headless game to feed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Prints what broke and aborts, so that libFuzzer keeps the input as a crash and the replay
// test fails on it.
[[noreturn]] void fuzzFailure(const std::string& what);

inline void fuzzRequire(bool holds, const std::string& what)
{
    if (!holds)
        fuzzFailure(what);
}

// Fails with the list when there is any fault.
void requireNoFaults(const std::vector<std::string>& faults, const std::string& context);

// A fresh headless back end with a small main window running the game's window procedure,
// the drawing surfaces (made once) and a reset game state on puzzle number 2.
void startFuzzGame();

// The puzzle game records are installed over: 3 x 2 synthetic pieces of 12 pixels, built in
// the game started by startFuzzGame. The game_record target and its seeds share it.
void buildGameRecordPuzzle();

// Reads little-endian integers off the front of the input, zero past its end.
class InputReader {
public:
    InputReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::int32_t take16();
    std::int32_t take32();
    const std::uint8_t* rest() const { return data_ + offset_; }
    std::size_t restSize() const { return offset_ < size_ ? size_ - offset_ : 0; }

private:
    std::uint8_t take8();
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t offset_ = 0;
};
