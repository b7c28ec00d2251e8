#pragma once

// The pinyin matcher of KD::testPy (<tc/host/pinyin.h>) written the plain way: split the
// every-reading form into characters and readings, then try every way to spell consecutive
// characters from every start.

#include <string>

namespace TC::literal {

// Where typed (lower-case letters and digits only) spells consecutive characters of the
// every-reading form every ("Pu Fa Yin Hang/Xing/Heng"), as KD::testPy defines it; -1 for none.
int testPy(const std::string& every, const std::string& typed);

} // namespace TC::literal
