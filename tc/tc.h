#pragma once

/// \file
/// Every public header of tcutils, the host seam's included.

#include <tc/host/aescipher.h>
#include <tc/host/filehelper.h>
#include <tc/host/instrumentdetail.h>
#include <tc/host/pinyin.h>
#include <tc/host/quoter.h>
#include <tc/host/singleton.h>
#include <tc/host/stockkey.h>
#include <tc/host/stocktypecenter.h>
#include <tc/host/textcodec.h>
#include <tc/host/timeseq.h>
#include <tc/host/timeutils.h>
#include <tc/host/userconfig.h>

#include <tc/records/funddata.h>
#include <tc/records/instrumentadapters.h>
#include <tc/records/instrumentsearch.h>
#include <tc/records/parserstockdetail.h>
#include <tc/records/stockinfo.h>
#include <tc/records/stockinfowithpy.h>

#include <tc/markets/marketcatalogue.h>
#include <tc/markets/marketfeatures.h>
#include <tc/markets/nocodestock.h>
#include <tc/markets/securitytype.h>

#include <tc/serialise/formularesultref.h>
#include <tc/serialise/orderparamsetting.h>

#include <tc/periods/displaynames.h>
#include <tc/periods/formulaperiod.h>
#include <tc/periods/graphtick.h>
#include <tc/periods/translation.h>

#include <tc/workspace/dockids.h>
#include <tc/workspace/messagetypes.h>
#include <tc/workspace/navigationtree.h>

#include <tc/parsing/csvline.h>
#include <tc/parsing/dates.h>
#include <tc/parsing/datetime.h>
#include <tc/parsing/textconversions.h>

#include <tc/files/encryption.h>
#include <tc/files/fileio.h>
#include <tc/files/linereader.h>

#include <tc/version.h>
