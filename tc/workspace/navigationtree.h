#pragma once

/// \file
/// The workspace's two-level navigation tree.

#include <tc/tcutils_export.h>

#include <QMap>
#include <QString>
#include <QVector>

namespace TC {

/// A new map of the tree, root id to its children in order: 100 -> 101, 102; 200 -> 201, 202;
/// 300 -> 301 ... 313. The children's panels come from getDockID. The caller owns the map.
TCUTILS_EXPORT QMap<int, QVector<int>> getNode();

/// Title of root id: 0 "全局设置" (a root with no children in getNode), 100 "设置", 200 "操作",
/// 300 "技术指标分析"; empty for any other id. Never translated.
TCUTILS_EXPORT QString getRootNodeTitle(int id);

} // namespace TC
