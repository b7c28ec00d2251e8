#pragma once

// Every public header of tcutils, the host seam's included.

#include <tc/host/aescipher.h>
#include <tc/host/filehelper.h>
#include <tc/host/instrumentdetail.h>
#include <tc/host/stockkey.h>
#include <tc/host/textcodec.h>
#include <tc/host/timeseq.h>
#include <tc/host/timeutils.h>

#include <tc/records/stockinfo.h>

#include <tc/markets/marketcatalogue.h>
#include <tc/markets/marketfeatures.h>

#include <tc/parsing/csvline.h>
#include <tc/parsing/dates.h>
#include <tc/parsing/textconversions.h>

#include <tc/files/encryption.h>
#include <tc/files/fileio.h>
