#pragma once

/// \file
/// Message categories of the workspace, and generators of position and request identifiers.

#include <tc/tcutils_export.h>

#include <QString>

namespace TC {

/// The 13 message-category names, in the client's order; entry 4 says "信息" where the others say
/// "消息". A constant of this header, not an exported symbol: each module that includes the
/// header, the library among them, holds its own copy, built when the module is loaded and
/// destroyed when it is unloaded.
inline const QString g_messageTypeNames[13] = {
    QStringLiteral("系统消息"),       QStringLiteral("交易消息"), QStringLiteral("行情消息"),
    QStringLiteral("风控消息"),       QStringLiteral("报警信息"), QStringLiteral("成交消息"),
    QStringLiteral("模型消息"),       QStringLiteral("站内消息"), QStringLiteral("身份证过期提醒"),
    QStringLiteral("用户到期提醒"),   QStringLiteral("转账消息"), QStringLiteral("适当性校验消息"),
    QStringLiteral("预埋单执行日志"),
};

/// The current time in whole seconds since 1970 (an unsigned 32-bit count) plus the number of
/// earlier calls in this process, added in 32-bit arithmetic: past INT_MAX it wraps to negative
/// values. Increasing call by call while the clock does not go back. Not thread-safe: one thread
/// at a time.
TCUTILS_EXPORT int genPositionID();

/// 0, 1, 2, ... in call order for the life of the process (wrapping to INT_MIN after INT_MAX).
/// Independent of genPositionID. Not thread-safe: one thread at a time.
TCUTILS_EXPORT int genRequestID();

} // namespace TC
