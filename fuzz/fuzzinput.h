#pragma once

// Helpers that turn a fuzzer's bytes into arguments.

#include "common/codepageguard.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

// Splits the bytes into pieces at NUL bytes, so one input drives several arguments.
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

// Text from a fuzzer's bytes: UTF-8, or, after a leading 0xFE byte (never in UTF-8), raw UTF-16
// units little-endian, so that lone surrogates and every other unit reach the code under test.
inline QString fuzzText(const uint8_t* data, size_t size)
{
    if (size > 0 && data[0] == 0xFE) {
        QString text;
        for (size_t i = 1; i + 1 < size; i += 2)
            text.append(QChar(static_cast<ushort>(data[i] | (data[i + 1] << 8))));
        return text;
    }
    return QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<int>(size));
}

// Ends the run with a crash libFuzzer records, when two forms of one operation disagree.
inline void agree(bool same)
{
    if (!same) std::abort();
}

// Makes the local code page GBK, as on a Chinese Windows system, or UTF-8, as on Linux, the way
// the tests select it (through the locale).
inline void useLocalCodePage(bool gbk)
{
    static int selected = -1;
    if (selected == int(gbk)) return;
    selected = int(gbk);
    if (!CodePageGuard::select(gbk ? "zh_CN.GBK" : "C.UTF-8")) std::abort();
}
