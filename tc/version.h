#pragma once

/// \file
/// The version of tcutils: the headers' in the TCUTILS_VERSION macros, the loaded library's here.

#include <tc/tcutils_export.h>
#include <tc/tcutils_version.h>

#include <QString>

namespace TC {

/// The version of the library loaded at run time, "major.minor.patch": the TCUTILS_VERSION_STRING
/// it was built with, which may differ from the one a client was compiled against.
TCUTILS_EXPORT QString versionString();

} // namespace TC
