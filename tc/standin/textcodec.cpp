#include <tc/host/textcodec.h>

namespace KD {

QString sToQs(const std::string& text)
{
    // QString::fromUtf8 drops one leading byte-order mark. Putting one in front keeps a text that
    // starts with U+FEFF intact, so decoding stays lossless.
    static const char mark[] = "\xEF\xBB\xBF";
    if (text.compare(0, 3, mark) == 0) {
        const std::string marked = mark + text;
        return QString::fromUtf8(marked.data(), static_cast<int>(marked.size()));
    }
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

} // namespace KD
