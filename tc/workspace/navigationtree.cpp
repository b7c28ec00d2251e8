#include <tc/workspace/navigationtree.h>

#include <numeric>
#include <utility>

// GCC 12 sees a null dereference in QVector's copy constructor, inlined through QMap::insert,
// on a path where allocation failure has already thrown.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wnull-dereference"
#endif

namespace TC {

QMap<int, QVector<int>> getNode()
{
    // Root id and number of children; the children are the ids just above the root.
    static const std::pair<int, int> roots[] = {{100, 2}, {200, 2}, {300, 13}};
    QMap<int, QVector<int>> tree;
    for (const auto& [root, count] : roots) {
        QVector<int> children(count);
        std::iota(children.begin(), children.end(), root + 1);
        tree.insert(root, children);
    }
    return tree;
}

QString getRootNodeTitle(int id)
{
    static const std::pair<int, const char*> titles[] = {
        {100, "设置"}, {200, "操作"}, {0, "全局设置"}, {300, "技术指标分析"}};
    for (const auto& [root, title] : titles) {
        if (id == root) return QString::fromUtf8(title);
    }
    return QString();
}

} // namespace TC
