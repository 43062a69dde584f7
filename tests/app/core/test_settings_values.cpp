#include <QList>

#include <gtest/gtest.h>

#include "core/settings_values.h"

namespace {

using settings_values::toNumber;
using settings_values::ValueReader;

// Every value the reader gives, until the end or the first it cannot take
// (marked "<bad>").
QList<QByteArray> readAll(QByteArrayView data) {
    QList<QByteArray> values;
    ValueReader in(data);
    while (!in.atEnd()) {
        const auto value = in.next();
        if (!value) {
            values << "<bad>";
            break;
        }
        values << *value;
    }
    return values;
}

TEST(SettingsValues, QuotedValuesEndAtTheirSeparatorOrAreRefused) {
    EXPECT_EQ(readAll("\"a\"  ,b"), (QList<QByteArray>{"a", "b"}));
    EXPECT_EQ(readAll("\"a,\"\"b\"\"\"\r\nc"), (QList<QByteArray>{"a,\"b\"", "c"}));
    // Anything but blanks between the closing quote and the separator.
    EXPECT_EQ(readAll("\"a\"x,b"), (QList<QByteArray>{"<bad>"}));
    EXPECT_EQ(readAll("1,\"open"), (QList<QByteArray>{"1", "<bad>"}));
    // An empty line is one empty value.
    EXPECT_EQ(readAll("1\r\n\r\n2"), (QList<QByteArray>{"1", "", "2"}));
}

TEST(SettingsValues, NumbersTakeASignAndTrailingBlanksOnly) {
    EXPECT_EQ(toNumber<int16_t>("+12  "), 12);
    EXPECT_EQ(toNumber<int32_t>("-2100000000"), -2100000000);
    EXPECT_EQ(toNumber<float>("1e3"), 1000.0f);
    for (const char* bad : {"", " ", "12a", "0x10", "40000"})
        EXPECT_FALSE(toNumber<int16_t>(bad).has_value()) << bad;
    EXPECT_FALSE(toNumber<float>("inf").has_value());
    EXPECT_FALSE(toNumber<float>("nan").has_value());
}

} // namespace
