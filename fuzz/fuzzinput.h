#pragma once

// Splits a fuzzer's bytes into pieces at NUL bytes, so one input drives several arguments.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

inline std::vector<std::string> fuzzPieces(const uint8_t* data, size_t size, size_t count)
{
    std::vector<std::string> pieces(count);
    size_t piece = 0;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0 && piece + 1 < count)
            ++piece;
        else
            pieces[piece].push_back(static_cast<char>(data[i]));
    }
    return pieces;
}
