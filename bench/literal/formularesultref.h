#pragma once

// Plain Qt forms of the formula-reference text form of <tc/serialise/formularesultref.h>:
// QString::split, QStringList::join and QString::toInt, step by step. Same results.

#include <tc/serialise/formularesultref.h>

#include <QString>

namespace TC::literal {

QString refToString(const ComposeFormulaResultRef& ref);
QString refKey(const ComposeFormulaResultRef& ref);
ComposeFormulaResultRef genRef(const QString& text);

} // namespace TC::literal
