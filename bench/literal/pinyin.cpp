#include <literal/pinyin.h>

#include <QString>
#include <QStringList>

#include <vector>

namespace TC::literal {

int testPy(const std::string& every, const std::string& typed)
{
    std::vector<std::vector<std::string>> units;
    for (const QString& unit : QString::fromStdString(every).split(QLatin1Char(' '))) {
        units.emplace_back();
        for (const QString& r : unit.split(QLatin1Char('/'))) {
            units.back().push_back(r.toLower().toStdString());
            // lve and nve may be typed lue and nue.
            const std::string& spelt = units.back().back();
            if (spelt.compare(0, 3, "lve") == 0 || spelt.compare(0, 3, "nve") == 0)
                units.back().push_back(spelt.substr(0, 1) + "u" + spelt.substr(2));
        }
    }
    const int n = static_cast<int>(typed.size());
    // Whether typed[p, n) spells characters from j on; remembered per (j, p), since spellings
    // that branch (an initial, zh, or the whole syllable) meet again.
    std::vector<signed char> known(units.size() * static_cast<size_t>(n + 1), -1);
    const auto spells = [&](const auto& self, size_t j, int p) -> bool {
        if (j == units.size()) return false;
        signed char& memo = known[j * static_cast<size_t>(n + 1) + static_cast<size_t>(p)];
        if (memo >= 0) return memo != 0;
        memo = 0;
        for (const std::string& r : units[j]) {
            const int len = static_cast<int>(r.size());
            for (int k = 1; k <= len && p + k <= n && r[k - 1] == typed[p + k - 1]; ++k) {
                const bool zhChSh =
                    k == 2 && r[1] == 'h' && std::string("zcs").find(r[0]) != std::string::npos;
                if (p + k == n || ((k == 1 || k == len || zhChSh) && self(self, j + 1, p + k))) {
                    memo = 1;
                    return true;
                }
            }
        }
        return false;
    };
    for (size_t i = 0; i < units.size(); ++i) {
        if (spells(spells, i, 0)) return static_cast<int>(i);
    }
    return -1;
}

} // namespace TC::literal
