#include <tc/host/instrumentdetail.h>

namespace ttservice {

// Out of line so the record's construction and destruction live in the host library, as with
// the client's real one.
CInstrumentDetail::CInstrumentDetail() = default;
CInstrumentDetail::~CInstrumentDetail() = default;
CInstrumentDetail::CInstrumentDetail(const CInstrumentDetail&) = default;
CInstrumentDetail& CInstrumentDetail::operator=(const CInstrumentDetail&) = default;

} // namespace ttservice
