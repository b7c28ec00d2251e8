#include "periods/displaytexts.h"

#include <gtest/gtest.h>

// Without a translator the tables hold the source texts (the English ones: tests/threads).
TEST(DisplayNames, AreTheSourceTextsWithoutATranslator)
{
    expectDisplayTexts(2);
}
