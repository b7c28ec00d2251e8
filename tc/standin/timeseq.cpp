#include <tc/host/timeseq.h>

namespace quoter {

const TimeSeq TimeSeq::TIME_START2{661536000LL * 1000, 0};
const TimeSeq TimeSeq::TIME_LASTED{2147483647LL * 1000, 0};

} // namespace quoter
