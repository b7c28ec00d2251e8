#include <tc/host/textcodec.h>

namespace KD {

QString sToQs(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

} // namespace KD
