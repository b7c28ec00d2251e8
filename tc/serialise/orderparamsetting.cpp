#include <tc/serialise/orderparamsetting.h>

#include "textform_p.h"

#include <tc/host/textcodec.h>
#include <tc/parsing/numberconversions_p.h>

#include <QByteArray>
#include <QString>

#include <utility>

namespace TC {

COrderParamSetting::COrderParamSetting() = default;
COrderParamSetting::COrderParamSetting(const COrderParamSetting& other) = default;
COrderParamSetting& COrderParamSetting::operator=(const COrderParamSetting& other) = default;
COrderParamSetting::~COrderParamSetting() = default;

COrderParamSetting::COrderParamSetting(COrderParamSetting&& other) noexcept
    : flag(other.flag), text1(std::exchange(other.text1, {})), number1(other.number1),
      number2(other.number2), text2(std::exchange(other.text2, {})),
      text3(std::exchange(other.text3, {})), number3(other.number3)
{}

COrderParamSetting& COrderParamSetting::operator=(COrderParamSetting&& other) noexcept
{
    if (this == &other) return *this;
    flag = other.flag;
    text1 = std::exchange(other.text1, {});
    number1 = other.number1;
    number2 = other.number2;
    text2 = std::exchange(other.text2, {});
    text3 = std::exchange(other.text3, {});
    number3 = other.number3;
    return *this;
}

namespace {

constexpr char kSeparator = '|';
constexpr int kPieces = 7;

// The bytes that KD::sToQs followed by QString::toUtf8 would give. Well-formed UTF-8 comes back
// unchanged, so only other bytes take the round trip through the host decoder.
void appendText(std::string& out, const std::string& text)
{
    if (textform::isLosslessUtf8(text.data(), text.size())) {
        out += text;
    } else {
        const QByteArray utf8 = KD::sToQs(text).toUtf8();
        out.append(utf8.constData(), static_cast<std::size_t>(utf8.size()));
    }
}

void appendNumber(std::string& out, int value)
{
    char buf[textform::kMaxDecimal];
    out.append(buf, static_cast<std::size_t>(textform::writeDecimal(value, buf)));
}

// One piece of a line that is well-formed UTF-8.
struct Piece
{
    const char* data;
    std::size_t size;

    std::string text() const { return std::string(data, size); }
    int number() const
    {
        int value = 0;
        if (detail::readPlainInt(data, size, value)) return value;
        // Through the host decoder: QString::fromUtf8 would drop a leading U+FEFF of the piece.
        return KD::sToQs(text()).toInt(nullptr, 10);
    }
};

} // namespace

std::string COrderParamSetting::toString(COrderParamSetting& setting)
{
    std::string out;
    out.reserve(setting.text1.size() + setting.text2.size() + setting.text3.size() +
                3 * textform::kMaxDecimal + kPieces);
    out += setting.flag ? '1' : '0';
    out += kSeparator;
    appendText(out, setting.text1);
    out += kSeparator;
    appendNumber(out, setting.number1);
    out += kSeparator;
    appendNumber(out, setting.number2);
    out += kSeparator;
    appendText(out, setting.text2);
    out += kSeparator;
    appendText(out, setting.text3);
    out += kSeparator;
    appendNumber(out, setting.number3);
    return out;
}

COrderParamSetting COrderParamSetting::toStruct(std::string& text)
{
    COrderParamSetting result;

    // Cutting the UTF-8 bytes at '|' gives the UTF-8 of the pieces that splitting the decoded text
    // gives, as long as decoding and encoding keep the bytes; other lines are normalised first.
    std::string normalised;
    const std::string* line = &text;
    if (!textform::isLosslessUtf8(text.data(), text.size())) {
        const QByteArray utf8 = KD::sToQs(text).toUtf8();
        normalised.assign(utf8.constData(), static_cast<std::size_t>(utf8.size()));
        line = &normalised;
    }

    Piece pieces[kPieces] = {};
    int count = 0;
    const char* const begin = line->data();
    const std::size_t size = line->size();
    std::size_t pos = 0;
    while (count < kPieces) {
        const std::size_t bar = line->find(kSeparator, pos);
        const std::size_t end = bar == std::string::npos ? size : bar;
        pieces[count++] = Piece{begin + pos, end - pos};
        if (bar == std::string::npos) break;
        pos = bar + 1;
    }

    if (count < 5) return result;
    result.flag = pieces[0].number() != 0;
    result.text1 = pieces[1].text();
    result.number1 = pieces[2].number();
    result.number2 = pieces[3].number();
    result.text2 = pieces[4].text();
    if (count > 5) result.text3 = pieces[5].text();
    if (count > 6) result.number3 = pieces[6].number();
    return result;
}

} // namespace TC
