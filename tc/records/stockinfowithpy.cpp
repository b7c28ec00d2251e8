#include <tc/records/stockinfowithpy.h>

#include <tc/host/pinyin.h>
#include <tc/parsing/codepage_p.h>

#include <QByteArray>

namespace TC {

namespace {

std::string localBytes(const QString& s)
{
    const QByteArray bytes = utils::detail::toLocal8Bit(s);
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

} // namespace

CStockInfoWithPy::CStockInfoWithPy(const CStockInfo& info) : CStockInfo(info)
{
    calcPyInfo();
}

CStockInfoWithPy::CStockInfoWithPy(CStockInfoWithPy&& other) noexcept = default;
CStockInfoWithPy& CStockInfoWithPy::operator=(CStockInfoWithPy&& other) noexcept = default;

void CStockInfoWithPy::calcPyInfo()
{
    KD::getPy(pyList, localBytes(name));
}

void CStockInfoWithPy::resetMatchInfo()
{
    matchInfo1 = -1;
    matchInfo2 = -1;
    matchInfo3 = -1;
    matchInfo4 = -1;
}

bool isInByPy(QString text, QString input)
{
    std::vector<std::string> pyList;
    KD::getPy(pyList, localBytes(text));
    return KD::testPy(pyList, localBytes(input)) >= 0;
}

} // namespace TC
