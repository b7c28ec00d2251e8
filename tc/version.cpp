#include <tc/version.h>

namespace TC {

QString versionString()
{
    return QStringLiteral(TCUTILS_VERSION_STRING);
}

} // namespace TC
