// decrypt and encrypt take any bytes and any key: decrypting what was encrypted gives it back, and
// decrypting arbitrary bytes never fails or overruns.
#include <tc/files/encryption.h>

#include "fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto p = fuzzPieces(data, size, 2);
    const std::string& key = p[0];
    const std::string& buffer = p[1];

    std::string opened, sealed, back;
    const bool decrypted = TC::decrypt(buffer.data(), buffer.size(), key, opened);
    agree(!decrypted || opened.size() == buffer.size());
    agree(TC::encrypt(buffer.data(), buffer.size(), key, sealed));
    agree(TC::decrypt(sealed.data(), sealed.size(), key, back));
    agree(back == buffer);
    return 0;
}
