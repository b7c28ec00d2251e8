#include <tc/host/userconfig.h>

#include <algorithm>
#include <atomic>

namespace TC {
namespace {

std::atomic<CUserConfig*>& current()
{
    static std::atomic<CUserConfig*> config{nullptr};
    return config;
}

} // namespace

bool CUserConfig::isLevel2User(const std::string& market) const
{
    return std::find(m_level2Markets.begin(), m_level2Markets.end(), market) !=
           m_level2Markets.end();
}

void CUserConfig::setLevel2Markets(const std::vector<std::string>& markets)
{
    m_level2Markets = markets;
}

CUserConfig* getUserConfig()
{
    return current().load(std::memory_order_acquire);
}

void setUserConfig(CUserConfig* config)
{
    current().store(config, std::memory_order_release);
}

} // namespace TC
