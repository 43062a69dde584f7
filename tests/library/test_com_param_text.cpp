#include <gtest/gtest.h>

#include "com_param_text.h"

using tovaline::parseComParamText;

TEST(ComParamText, ReadsTheFiveFields) {
    const auto f = parseComParamText("9600,0,8,0,0");
    EXPECT_EQ(f.speed, 9600);
    EXPECT_EQ(f.parity, 0);
    EXPECT_EQ(f.dataBits, 8);
    EXPECT_EQ(f.stopBits, 0);
    EXPECT_EQ(f.flow, 0);

    const auto g = parseComParamText("115200,4,7,1,2");
    EXPECT_EQ(g.speed, 115200);
    EXPECT_EQ(g.parity, 4);
    EXPECT_EQ(g.dataBits, 7);
    EXPECT_EQ(g.stopBits, 1);
    EXPECT_EQ(g.flow, 2);
}

TEST(ComParamText, TakesAnyByteByItsLowFourBits) {
    EXPECT_EQ(parseComParamText("96a0,0,8,0,0").speed, 9610); // 'a' = 61h
    EXPECT_EQ(parseComParamText(" 12,0,8,0,0").speed, 12);    // ' ' = 20h adds 0
}

TEST(ComParamText, MissingFieldsStayZeroAndExtraFieldsAreIgnored) {
    const auto f = parseComParamText("4800,2");
    EXPECT_EQ(f.speed, 4800);
    EXPECT_EQ(f.parity, 2);
    EXPECT_EQ(f.dataBits, 0);
    EXPECT_EQ(f.flow, 0);

    EXPECT_EQ(parseComParamText("1,2,3,4,5,6,7").flow, 5);
    EXPECT_EQ(parseComParamText(",,,,9").flow, 9);
    EXPECT_EQ(parseComParamText("").speed, 0);
    EXPECT_EQ(parseComParamText(nullptr).speed, 0);
}

TEST(ComParamText, LongFieldsWrapInUnsignedArithmetic) {
    // 4294967295 is 2^32 - 1; 4294967296 wraps to 0.
    EXPECT_EQ(parseComParamText("4294967295,0,8,0,0").speed, -1);
    EXPECT_EQ(parseComParamText("4294967296,0,8,0,0").speed, 0);
    EXPECT_LT(parseComParamText("3000000000,0,8,0,0").speed, 0);
    // The flow field keeps its whole value; the caller takes the low 16 bits.
    EXPECT_EQ(parseComParamText("9600,0,8,0,65538").flow, 65538);
}
