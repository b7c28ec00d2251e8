#include <tc/records/stockinfowithpy.h>

#include <tc/host/pinyin.h>

#include <QByteArray>

#include <utility>

namespace TC {

namespace {

std::string localBytes(const QString& s)
{
    const QByteArray bytes = s.toLocal8Bit();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

} // namespace

CStockInfoWithPy::CStockInfoWithPy(const CStockInfo& info) : CStockInfo(info)
{
    calcPyInfo();
}

CStockInfoWithPy::CStockInfoWithPy(CStockInfoWithPy&& other) noexcept
    : CStockInfo(std::move(other)), pyList(std::move(other.pyList)), matchInfo1(other.matchInfo1),
      matchInfo2(other.matchInfo2), matchInfo3(other.matchInfo3), matchInfo4(other.matchInfo4),
      extraInt(other.extraInt)
{
    other.pyList.clear();
}

CStockInfoWithPy& CStockInfoWithPy::operator=(CStockInfoWithPy&& other) noexcept
{
    if (this == &other) return *this;
    CStockInfo::operator=(std::move(other));
    pyList = std::move(other.pyList);
    other.pyList.clear();
    matchInfo1 = other.matchInfo1;
    matchInfo2 = other.matchInfo2;
    matchInfo3 = other.matchInfo3;
    matchInfo4 = other.matchInfo4;
    extraInt = other.extraInt;
    return *this;
}

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
