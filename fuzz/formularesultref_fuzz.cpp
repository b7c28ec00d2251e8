// Formula result references read from any text: the library gives exactly what the plain
// split/join form gives, and a record whose texts hold no "___" and do not end with '_' comes back
// from its full form.
#include <tc/serialise/formularesultref.h>

#include <literal/formularesultref.h>

#include "fuzzinput.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

// Field by field, whether each text is null included.
bool same(const TC::ComposeFormulaResultRef& a, const TC::ComposeFormulaResultRef& b)
{
    const auto sameText = [](const QString& x, const QString& y) {
        return x == y && x.isNull() == y.isNull();
    };
    return a.id1 == b.id1 && a.id2 == b.id2 && sameText(a.name, b.name) &&
           sameText(a.market, b.market) && sameText(a.code, b.code) && a.codeOnly == b.codeOnly &&
           a.id3 == b.id3;
}

void checkForms(TC::ComposeFormulaResultRef& r)
{
    if (r.toString() != TC::literal::refToString(r) || r.getKey() != TC::literal::refKey(r))
        std::abort();
}

// The text with every "___" shortened and trailing '_' cut, so that it reads back whole.
QString withoutSeparator(QString text)
{
    const QString separator = QStringLiteral("___");
    while (text.contains(separator))
        text.replace(separator, QStringLiteral("__"));
    while (text.endsWith(QLatin1Char('_')))
        text.chop(1);
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The whole input as a text.
    const QString text = fuzzText(data, size);
    TC::ComposeFormulaResultRef read = TC::ComposeFormulaResultRef::genRef(text);
    if (!same(read, TC::literal::genRef(text))) std::abort();
    checkForms(read);
    // Its texts are pieces between separators, so the record comes back from its full form.
    if (!same(TC::ComposeFormulaResultRef::genRef(read.toString()), read)) std::abort();

    // The same bytes as a record: three texts between NULs, numbers from the first bytes.
    const auto p = fuzzPieces(data, size, 3);
    const auto piece = [](const std::string& b) {
        return withoutSeparator(fuzzText(reinterpret_cast<const uint8_t*>(b.data()), b.size()));
    };
    int32_t numbers[4] = {};
    std::memcpy(numbers, data, std::min(size, sizeof numbers));
    TC::ComposeFormulaResultRef r;
    r.id1 = numbers[0];
    r.id2 = numbers[1];
    r.name = piece(p[0]);
    r.market = piece(p[1]);
    r.code = piece(p[2]);
    r.codeOnly = numbers[2];
    r.id3 = numbers[3];
    checkForms(r);
    TC::ComposeFormulaResultRef back = TC::ComposeFormulaResultRef::genRef(r.toString());
    // A text read back is never null.
    for (QString* t : {&r.name, &r.market, &r.code})
        if (t->isNull()) *t = QStringLiteral("");
    if (!same(back, r)) std::abort();
    (void)back.getStock();
    return 0;
}
