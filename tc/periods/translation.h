#pragma once

/// \file
/// The library's translations of its translated display names: the period names (getCycleName,
/// getAllPeriodInfo), the weighting-mode names, bar-field codes and bar-field names. They are
/// embedded in the library as Qt resources ":/tcutils/translations/tcutils_<language>.qm";
/// English ("tcutils_en.qm") is shipped. The source texts are Chinese.
///
///     QGuiApplication app(argc, argv);
///     const auto translator = TC::getTranslator(QLocale(QLocale::English));
///     if (translator)
///         QCoreApplication::installTranslator(translator.get());
///     TC::getCycleName(7); // "Daily"

#include <tc/tcutils_export.h>

#include <QLocale>
#include <QTranslator>

#include <memory>

namespace TC {

/// A new translator holding the library's translation for locale, chosen among its UI languages
/// as QTranslator::load(locale, ...) does ("en_GB" falls back to "en"); null when the library has
/// none for it (Chinese needs none). The caller owns it and keeps it alive while installed.
/// Install it (QCoreApplication::installTranslator, which needs an application object) before the
/// first call of each function above: every table of names is translated once, at that call.
TCUTILS_EXPORT std::unique_ptr<QTranslator> getTranslator(const QLocale& locale);

} // namespace TC
