#pragma once

// Tables of test data kept as files under tests/data/: one row a line, fields separated by tabs,
// UTF-8. Blank lines (a line of tabs is a row of empty fields) and lines starting with '#' are
// comments. Escapes in fields: "\t", "\n", "\\", "\xHH" (a byte) and "\0"; a field of just "\N" is
// a null text.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace testdata {

struct Row
{
    int line = 0;                    // 1-based line in the file, for failure messages
    std::vector<std::string> fields; // raw bytes after unescaping
    bool null(std::size_t i) const { return i < nulls.size() && nulls[i]; }
    QString text(std::size_t i) const
    {
        return null(i) ? QString()
                       : QString::fromUtf8(fields.at(i).data(), int(fields.at(i).size()));
    }
    std::vector<bool> nulls;
};

inline std::string unescape(const QByteArray& raw)
{
    std::string out;
    for (int i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c != '\\' || i + 1 == raw.size()) {
            out += c;
            continue;
        }
        const char e = raw[++i];
        if (e == 't')
            out += '\t';
        else if (e == 'n')
            out += '\n';
        else if (e == 'r')
            out += '\r';
        else if (e == '0')
            out += '\0';
        else if (e == 'x' && i + 2 < raw.size()) {
            out += static_cast<char>(raw.mid(i + 1, 2).toInt(nullptr, 16));
            i += 2;
        } else
            out += e;
    }
    return out;
}

// The rows of tests/data/<name>; a missing or unreadable file fails the calling test.
inline std::vector<Row> load(const char* name)
{
    std::vector<Row> rows;
    QFile file(QStringLiteral(TC_TEST_DATA_DIR "/") + QString::fromUtf8(name));
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read test data " << name;
        return rows;
    }
    int lineNo = 0;
    for (QByteArray line : file.readAll().split('\n')) {
        ++lineNo;
        if (line.endsWith('\r')) line.chop(1);
        if ((line.trimmed().isEmpty() && !line.contains('\t')) || line.startsWith('#')) continue;
        Row row;
        row.line = lineNo;
        for (const QByteArray& f : line.split('\t')) {
            row.nulls.push_back(f == "\\N");
            row.fields.push_back(f == "\\N" ? std::string() : unescape(f));
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace testdata
