#pragma once

// Plain Qt forms of the text readers of <tc/files/fileio.h>: QTextStream::readLine in a loop
// with the plain CSV line steps. Same signatures and results, far slower.

#include <QList>
#include <QString>

namespace TC::literal {

bool QReadFile(const QString& path, QString& content, bool csv);
bool QReadFile(const QString& path, QList<QString>& lines, bool csv);

} // namespace TC::literal
