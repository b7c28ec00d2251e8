#pragma once

// The plain form of enlargeText (<tc/periods/graphtick.h>): one space and one measurement at a
// time, quadratic in the spaces added and endless for a space without advance. Same results where
// it ends.

#include <QFont>
#include <QString>

namespace TC::literal {

QString enlargeText(QString text, int width, const QFont& font);

} // namespace TC::literal
