#pragma once

/// \file
/// The host's user configuration: what the signed-in user may see. The host signs users in; the
/// stand-in does it through <tc/standin/usersession.h>.

#include <tc/host/tchost_export.h>

#include <string>

namespace TC {

/// The rights of the signed-in user, as getUserConfig() gives them.
class TCHOST_EXPORT CUserConfig
{
public:
    /// Whether the user holds Level-2 rights for market (exact, case-sensitive).
    bool isLevel2User(const std::string& market) const;
};

/// The current user configuration, or null when no user is signed in (the default).
TCHOST_EXPORT CUserConfig* getUserConfig();

} // namespace TC
