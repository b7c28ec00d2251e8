#pragma once

// The host's user configuration: what the signed-in user may see. The stand-in holds the markets
// of the user's Level-2 rights, set by the program.
//
//     TC::CUserConfig user;
//     user.setLevel2Markets({"SH", "SZ"});
//     TC::setUserConfig(&user);      // the caller keeps ownership
//     ...
//     TC::setUserConfig(nullptr);    // no user again

#include <tc/host/tchost_export.h>

#include <string>
#include <vector>

namespace TC {

class TCHOST_EXPORT CUserConfig
{
public:
    // Whether the user holds Level-2 rights for market (exact, case-sensitive). False for every
    // market until setLevel2Markets names it.
    bool isLevel2User(const std::string& market) const;
    // Replaces the markets of the user's Level-2 rights.
    void setLevel2Markets(const std::vector<std::string>& markets);

private:
    std::vector<std::string> m_level2Markets;
};

// The current user configuration, or null when no user is signed in (the default).
TCHOST_EXPORT CUserConfig* getUserConfig();
// Makes config the current user configuration; null means no user. The caller keeps ownership
// and keeps config alive while it is current.
TCHOST_EXPORT void setUserConfig(CUserConfig* config);

} // namespace TC
