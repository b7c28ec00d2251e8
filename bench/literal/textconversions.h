#pragma once

// Plain forms of the text conversions of <tc/parsing/textconversions.h>: a byte loop appending
// to a new string, and a per-element UTF-8 conversion. Same signatures and results.

#include <QString>
#include <QVector>

#include <string>
#include <vector>

namespace TC::literal {

std::string ToDBS(std::string text);
void toStdVec(QVector<QString> source, std::vector<std::string>& target);

} // namespace TC::literal
