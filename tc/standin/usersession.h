#pragma once

/// \file
/// The host stand-in's own API, which the real host libraries do not have: signing a user in, so
/// that TC::getUserConfig() gives a user with Level-2 rights for the markets named.
///
///     standin::signIn({"SH", "SZ"});
///     TC::getUserConfig()->isLevel2User("SZ");   // true
///     standin::signOut();                         // getUserConfig() is null again
///
/// Threads: signIn and signOut must not run while another thread asks the user configuration.

#include <tc/host/tchost_export.h>

#include <string>
#include <vector>

namespace standin {

/// Signs a user in with Level-2 rights for exactly level2Markets (codes compared exactly),
/// replacing any user signed in before.
TCHOST_EXPORT void signIn(const std::vector<std::string>& level2Markets);
/// Signs the user out: TC::getUserConfig() gives null.
TCHOST_EXPORT void signOut();

} // namespace standin
