#pragma once

// Quote records of the host's instrument and quotation library. Stand-in declarations: the
// members tcutils reads have the host's names and types, and the alternative ("ex") members follow
// all the plain ones in the order price, amount, volume.

#include <cstdint>

namespace quoter {

// The full quote of one instrument. The client receives it from the host as a shared pointer and
// never creates one; prices are 0 until the host fills them.
struct QuoterAllData
{
    int64_t time = 0; // ms since the epoch of the last update
    double open = 0.0;
    double high = 0.0;
    double low = 0.0;
    double lastPrice = 0.0;
    double preClose = 0.0;
    double amount = 0.0; // traded amount
    int64_t volume = 0;  // traded volume
    double openInterest = 0.0;
    double exLastPrice = 0.0; // alternative last price
    double exAmount = 0.0;    // alternative traded amount
    int64_t exVolume = 0;     // alternative traded volume
};

// The depth (order book) quote of one instrument, with the same trade members.
struct QuoterDepthData
{
    int64_t time = 0; // ms since the epoch of the last update
    double lastPrice = 0.0;
    double amount = 0.0;
    int64_t volume = 0;
    double bidPrice[10] = {};
    int64_t bidVolume[10] = {};
    double askPrice[10] = {};
    int64_t askVolume[10] = {};
    double exLastPrice = 0.0;
    double exAmount = 0.0;
    int64_t exVolume = 0;
};

} // namespace quoter
