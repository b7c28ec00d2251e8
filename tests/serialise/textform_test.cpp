#include <tc/serialise/textform_p.h>

#include "common/datatable.h"

#include <gtest/gtest.h>

TEST(TextForm, LosslessUtf8IsExactlyWhatSurvivesQtsDecoder)
{
    for (const testdata::Row& row : testdata::load("lossless-utf8.tsv")) {
        const QByteArray bytes = QByteArray::fromStdString(row.fields.at(0));
        const bool qtKeeps = QString::fromUtf8(bytes.constData(), bytes.size()).toUtf8() == bytes;
        EXPECT_EQ(TC::textform::isLosslessUtf8(bytes.constData(), std::size_t(bytes.size())),
                  qtKeeps)
            << "lossless-utf8.tsv line " << row.line;
    }
}
