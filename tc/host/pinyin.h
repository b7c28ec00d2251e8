#pragma once

/// \file
/// Pinyin of the host's common library: the forms of an instrument name that let a lookup box
/// find it by pinyin, and the test of typed input against them.

#include <tc/host/tchost_export.h>

#include <string>
#include <vector>

namespace KD {

/// Replaces the contents of pyList with the four pinyin forms of text, an 8-bit text in the
/// local code page (the one utils::safeUtf82Gbk names files in: GBK on a Chinese Windows, UTF-8
/// on Linux in a UTF-8 locale):
///   [0] the natural initials:    "pfyh"                     for 浦发银行
///   [1] the natural full pinyin: "pufayinhang"
///   [2] every modern reading of every character, natural first, each reading capitalised;
///       characters are separated by ' ', readings by '/': "Pu Fa Yin Hang/Xing/Heng"
///   [3] 15 characters that let testPy pass over names quickly; not meant to be read
/// The natural reading is the customary one, or the one a word of instrument names asks for
/// (银行 hang, 国开行 hang, 重庆 chong, 厦门 xia, 调整 tiao), or the one a character has in names
/// (晟 sheng); u-umlaut is written v ("lv", "lve"). Latin letters and digits stay as they are, one
/// per character, full-width ones folded to ASCII, lower-case in [0] and [1] ("wka" for 万科A).
/// Other letters without a reading stand as '?', which no input matches; punctuation, spaces and
/// symbols are left out. An empty text gives empty forms [0] to [2].
TCHOST_EXPORT void getPy(std::vector<std::string>& pyList, const std::string& text);

/// Where the typed input (8-bit, local code page) matches the name whose forms getPy made: the
/// position of the character the match starts at, counting the name's letters, digits and Chinese
/// characters from 0, so 0 is a match from the start; -1 when it does not match.
/// The input is matched case-blind against consecutive characters of the name, each under any of
/// its readings, typed as its initial ("pfyh", "pfyx"), the initial zh, ch or sh ("zhgpa"), or
/// the whole syllable ("pufa"), mixed at will ("pfyinhang"); the last character reached may be
/// typed in part ("pufayin", "pufayinh"). u-umlaut is typed v, and before e after l and n also u,
/// as every pinyin keyboard takes it: 策略 is "celve" and "celue", 虐 "nve" and "nue"; "lu" stays
/// another syllable than "lv" (绿). Nothing matches when a character is skipped or the input
/// starts inside a syllable. Full-width letters and digits count as ASCII; spaces, apostrophes,
/// other punctuation and bytes the code page cannot decode are ignored. The result is -1 for an
/// input with no letter or digit, with more than 64 of them, or with any other letter (a Chinese
/// character, say), and for a list with fewer than three forms. Only [2] is needed; [3] is used
/// when present.
TCHOST_EXPORT int testPy(const std::vector<std::string>& pyList, const std::string& input);

} // namespace KD
