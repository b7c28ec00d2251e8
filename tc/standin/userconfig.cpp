#include <tc/host/userconfig.h>
#include <tc/standin/usersession.h>

#include <algorithm>
#include <atomic>

namespace {

struct Session
{
    TC::CUserConfig user;
    std::vector<std::string> level2Markets;
    std::atomic<bool> signedIn{false};
};

Session& session()
{
    static Session s;
    return s;
}

} // namespace

namespace TC {

bool CUserConfig::isLevel2User(const std::string& market) const
{
    const auto& markets = session().level2Markets;
    return std::find(markets.begin(), markets.end(), market) != markets.end();
}

CUserConfig* getUserConfig()
{
    Session& s = session();
    return s.signedIn.load(std::memory_order_acquire) ? &s.user : nullptr;
}

} // namespace TC

namespace standin {

void signIn(const std::vector<std::string>& level2Markets)
{
    Session& s = session();
    s.level2Markets = level2Markets;
    s.signedIn.store(true, std::memory_order_release);
}

void signOut()
{
    Session& s = session();
    s.signedIn.store(false, std::memory_order_release);
    s.level2Markets.clear();
}

} // namespace standin
