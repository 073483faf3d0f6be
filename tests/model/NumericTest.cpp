#include "model/Numeric.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(NumericTest, RecognisesTheNumbersPeopleType)
{
    for (const char *yes : {"0", "45", " 45 ", "-3", "+3", "7.5", ".5", "1.", "1e3", "2E-2", "\t12\t", "07"})
        EXPECT_TRUE(Numeric::isNumeric(QString::fromLatin1(yes))) << yes;
    for (const char *no : {"", " ", "+", "-", ".", "abc", "1a", "1 2", "1e", "0x10", "inf", "nan", "1,5", "27015:"})
        EXPECT_FALSE(Numeric::isNumeric(QString::fromLatin1(no))) << no;
}

TEST(NumericTest, RoundsHalvesToTheEvenNeighbour)
{
    const std::pair<double, double> cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {6.5, 6}, {7.5, 8}, {-0.5, 0},
                                               {-1.5, -2}, {-2.5, -2}, {2.4, 2}, {2.6, 3}, {-2.6, -3}};
    for (const auto &[in, out] : cases)
        EXPECT_EQ(Numeric::roundHalfEven(in), out) << in;
}

TEST(NumericTest, ConvertsToIntegersOnlyWhenTheyFit)
{
    EXPECT_EQ(Numeric::toInt16(QStringLiteral("7.5")), qint16(8));
    EXPECT_EQ(Numeric::toInt16(QStringLiteral(".5")), qint16(0));
    EXPECT_EQ(Numeric::toInt16(QStringLiteral("1.")), qint16(1));
    EXPECT_EQ(Numeric::toInt16(QStringLiteral("32767")), qint16(32767));
    EXPECT_EQ(Numeric::toInt16(QStringLiteral("32767.5")), std::nullopt) << "rounds to 32768";
    EXPECT_EQ(Numeric::toInt16(QStringLiteral("-32768")), qint16(-32768));
    EXPECT_EQ(Numeric::toInt16(QStringLiteral("-32769")), std::nullopt);
    EXPECT_EQ(Numeric::toInt16(QStringLiteral("1e300")), std::nullopt);
    EXPECT_EQ(Numeric::toInt16(QStringLiteral("abc")), std::nullopt);
    EXPECT_EQ(Numeric::toInt32(QStringLiteral(" 27015.5 ")), 27016);
    EXPECT_EQ(Numeric::toInt32(QStringLiteral("2147483647")), std::numeric_limits<qint32>::max());
    EXPECT_EQ(Numeric::toInt32(QStringLiteral("2147483648")), std::nullopt);
}

TEST(NumericTest, SaturatingAddStopsAtTheEdges)
{
    EXPECT_EQ(Numeric::saturatingAdd(32000, 767), 32767);
    EXPECT_EQ(Numeric::saturatingAdd(32000, 1000), 32767);
    EXPECT_EQ(Numeric::saturatingAdd(-32000, -1000), -32768);
    EXPECT_EQ(Numeric::saturatingAdd(3, 4), 7);
}

} // namespace
