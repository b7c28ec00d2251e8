#pragma once

/// \file
/// Text conversion of the host's common library.

#include <tc/host/tchost_export.h>

#include <QString>
#include <string>

namespace KD {

/// Decodes UTF-8 bytes into a QString. Lossless for every QString s: sToQs(s.toUtf8()) == s.
/// Invalid sequences become U+FFFD. An empty input gives an empty, non-null string.
TCHOST_EXPORT QString sToQs(const std::string& text);

} // namespace KD
