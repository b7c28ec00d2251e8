#include <tc/periods/translation.h>

// Q_INIT_RESOURCE declares its function in the scope it is used in: keep it out of namespace TC.
// Calling it also links the resource into executables built on the static archive.
static void initTranslationResource()
{
    Q_INIT_RESOURCE(tcutils_translations);
}

namespace TC {

std::unique_ptr<QTranslator> getTranslator(const QLocale& locale)
{
    static const bool registered = (initTranslationResource(), true);
    Q_UNUSED(registered)
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, QStringLiteral("tcutils"), QStringLiteral("_"),
                          QStringLiteral(":/tcutils/translations")))
        return nullptr;
    return translator;
}

} // namespace TC
