#pragma once

/// \file
/// Quote records of the host's instrument and quotation library. Stand-in declarations: the
/// members tcutils reads have the host's names and types, and the alternative ("ex") members follow
/// all the plain ones in the order price, amount, volume.

#include <cstdint>

namespace quoter {

/// The full quote of one instrument. The client receives it from the host as a shared pointer and
/// never creates one; prices are 0 until the host fills them.
struct QuoterAllData
{
    int64_t time = 0;          ///< ms since the epoch of the last update
    double open = 0.0;         ///< opening price of the day
    double high = 0.0;         ///< highest price of the day
    double low = 0.0;          ///< lowest price of the day
    double lastPrice = 0.0;    ///< latest traded price
    double preClose = 0.0;     ///< previous day's close
    double amount = 0.0;       ///< traded amount
    int64_t volume = 0;        ///< traded volume
    double openInterest = 0.0; ///< open interest of futures and options
    double exLastPrice = 0.0;  ///< alternative last price
    double exAmount = 0.0;     ///< alternative traded amount
    int64_t exVolume = 0;      ///< alternative traded volume
};

/// The depth (order book) quote of one instrument, with the same trade members.
struct QuoterDepthData
{
    int64_t time = 0;           ///< ms since the epoch of the last update
    double lastPrice = 0.0;     ///< latest traded price
    double amount = 0.0;        ///< traded amount
    int64_t volume = 0;         ///< traded volume
    double bidPrice[10] = {};   ///< bid prices, best first
    int64_t bidVolume[10] = {}; ///< volumes at bidPrice
    double askPrice[10] = {};   ///< ask prices, best first
    int64_t askVolume[10] = {}; ///< volumes at askPrice
    double exLastPrice = 0.0;   ///< alternative last price
    double exAmount = 0.0;      ///< alternative traded amount
    int64_t exVolume = 0;       ///< alternative traded volume
};

} // namespace quoter
