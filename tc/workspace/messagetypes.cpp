#include <tc/workspace/messagetypes.h>
#include <tc/workspace/messagetypes_p.h>

#include <QDateTime>

namespace TC {
namespace {

// Unsigned so that counting past INT_MAX wraps rather than overflows.
std::uint32_t positionCounter = 0;
std::uint32_t requestCounter = 0;

} // namespace

int genPositionID()
{
    return positionID(static_cast<std::uint32_t>(QDateTime::currentSecsSinceEpoch()),
                      positionCounter++);
}

int genRequestID()
{
    return static_cast<int>(requestCounter++);
}

} // namespace TC
