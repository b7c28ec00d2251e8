#include <tc/serialise/formularesultref.h>

#include "textform_p.h"
#include <tc/parsing/numberconversions_p.h>

#include <QStringView>

#include <cstring>
#include <utility>

namespace TC {

ComposeFormulaResultRef::ComposeFormulaResultRef()
    : name(QStringLiteral("")), market(QStringLiteral("")), code(QStringLiteral(""))
{}

ComposeFormulaResultRef::ComposeFormulaResultRef(const ComposeFormulaResultRef& other) = default;
ComposeFormulaResultRef::ComposeFormulaResultRef(ComposeFormulaResultRef&& other) noexcept =
    default;
ComposeFormulaResultRef&
ComposeFormulaResultRef::operator=(const ComposeFormulaResultRef& other) = default;
ComposeFormulaResultRef::~ComposeFormulaResultRef() = default;

// QString's own move assignment swaps, which would leave the source holding this record's old
// texts; the source is left with null texts instead, as after a move construction.
ComposeFormulaResultRef&
ComposeFormulaResultRef::operator=(ComposeFormulaResultRef&& other) noexcept
{
    if (this == &other) return *this;
    id1 = other.id1;
    id2 = other.id2;
    name = std::exchange(other.name, QString());
    market = std::exchange(other.market, QString());
    code = std::exchange(other.code, QString());
    codeOnly = other.codeOnly;
    id3 = other.id3;
    return *this;
}

namespace {

constexpr int kSeparatorSize = 3; // "___"
constexpr int kFullPieces = 7;
constexpr int kKeyPieces = 5;

// The first "___" at or after from, or -1; the leftmost match, as QString::split finds it.
int findSeparator(const ushort* s, int from, int size)
{
    int i = from;
    while (i + kSeparatorSize <= size) {
        if (s[i + 2] != '_')
            i += 3;
        else if (s[i + 1] != '_')
            i += 2;
        else if (s[i] != '_')
            i += 1;
        else
            return i;
    }
    return -1;
}

int readNumber(const QString& text, int from, int size)
{
    return detail::toInt(QStringView(text).mid(from, size));
}

// Writes the first `pieces` pieces of the full form into one string of the exact length.
QString writeForm(const ComposeFormulaResultRef& r, int pieces)
{
    char numbers[4][textform::kMaxDecimal];
    int lengths[4] = {textform::writeDecimal(r.id1, numbers[0]),
                      textform::writeDecimal(r.id2, numbers[1]), 0, 0};
    if (pieces == kFullPieces) {
        lengths[2] = textform::writeDecimal(r.codeOnly, numbers[2]);
        lengths[3] = textform::writeDecimal(r.id3, numbers[3]);
    }
    const auto total = lengths[0] + lengths[1] + lengths[2] + lengths[3] + r.name.size() +
                       r.market.size() + r.code.size() + (pieces - 1) * kSeparatorSize;

    QString out(total, Qt::Uninitialized);
    QChar* w = out.data();
    const auto number = [&w, &numbers, &lengths](int i) {
        for (int k = 0; k < lengths[i]; ++k)
            *w++ = QLatin1Char(numbers[i][k]);
    };
    const auto text = [&w](const QString& t) {
        std::memcpy(static_cast<void*>(w), t.constData(), sizeof(QChar) * std::size_t(t.size()));
        w += t.size();
    };
    const auto separator = [&w] {
        for (int k = 0; k < kSeparatorSize; ++k)
            *w++ = QLatin1Char('_');
    };
    number(0);
    separator();
    number(1);
    separator();
    text(r.name);
    separator();
    text(r.market);
    separator();
    text(r.code);
    if (pieces == kFullPieces) {
        separator();
        number(2);
        separator();
        number(3);
    }
    return out;
}

} // namespace

ComposeFormulaResultRef ComposeFormulaResultRef::genRef(const QString& text)
{
    ComposeFormulaResultRef r;
    const ushort* s = text.utf16();
    const int size = static_cast<int>(text.size());

    int starts[kFullPieces] = {};
    int sizes[kFullPieces] = {};
    int count = 0;
    int pos = 0;
    while (count < kFullPieces) {
        const int sep = findSeparator(s, pos, size);
        starts[count] = pos;
        sizes[count++] = (sep < 0 ? size : sep) - pos;
        if (sep < 0) break;
        pos = sep + kSeparatorSize;
    }

    const auto piece = [&](int i) {
        return QString(reinterpret_cast<const QChar*>(s + starts[i]), sizes[i]);
    };
    r.id1 = readNumber(text, starts[0], sizes[0]);
    if (count < kFullPieces) return r;
    r.id2 = readNumber(text, starts[1], sizes[1]);
    r.name = piece(2);
    r.market = piece(3);
    r.code = piece(4);
    r.codeOnly = readNumber(text, starts[5], sizes[5]);
    r.id3 = readNumber(text, starts[6], sizes[6]);
    return r;
}

QString ComposeFormulaResultRef::toString()
{
    return writeForm(*this, kFullPieces);
}

QString ComposeFormulaResultRef::getKey()
{
    return writeForm(*this, kKeyPieces);
}

QString ComposeFormulaResultRef::getStock()
{
    if (codeOnly != 0) return code;
    return market + code;
}

} // namespace TC
