#include "course/number_text.h"

#include <gtest/gtest.h>

namespace kurvex {
namespace {

TEST(FormatFixed, RoundsHalfAwayFromZeroOnTheExactValue) {
  EXPECT_EQ(FormatFixed(2.25, 1), "2.3");  // exact tie
  EXPECT_EQ(FormatFixed(-2.25, 1), "-2.3");
  EXPECT_EQ(FormatFixed(0.0625, 3), "0.063");
  EXPECT_EQ(FormatFixed(1.0005, 3), "1.000");  // binary value lies just below the tie
  EXPECT_EQ(FormatFixed(9.9996, 3), "10.000");
  EXPECT_EQ(FormatFixed(-500.0f, 3), "-500.000");
  EXPECT_EQ(FormatFixed(26.0, 1), "26.0");
  EXPECT_EQ(FormatFixed(3.4e38, 1).substr(0, 4), "3399");
}

TEST(FormatFixed, ZeroHasNoSign) {
  EXPECT_EQ(FormatFixed(-0.0, 3), "0.000");
  EXPECT_EQ(FormatFixed(-0.0004, 3), "0.000");
  EXPECT_EQ(FormatFixed(-0.04, 1), "0.0");
  EXPECT_EQ(FormatFixed(-1e-30, 3), "0.000");
}

TEST(FormatDecimals, KeepsTheFewestDecimalsBetweenTheBounds) {
  EXPECT_EQ(FormatDecimals(1, 1, 3), "1.0");
  EXPECT_EQ(FormatDecimals(0.05, 1, 3), "0.05");
  EXPECT_EQ(FormatDecimals(12.3456, 1, 3), "12.346");
  EXPECT_EQ(FormatDecimals(-2.5004, 1, 3), "-2.5");
  EXPECT_EQ(FormatDecimals(50, 1, 3), "50.0");
  EXPECT_EQ(FormatDecimals(7, 0, 2), "7");
  EXPECT_EQ(FormatDecimals(-0.0001, 1, 3), "0.0");
  EXPECT_EQ(FormatDecimals(0.0625, 1, 3), "0.063");
  EXPECT_EQ(FormatDecimals(9.9996, 1, 3), "10.0");
  EXPECT_EQ(FormatDecimals(2.5, 0, 2), "2.5");
}

TEST(ReadLeadingNumber, ReadsAsMuchAsFormsANumber) {
  EXPECT_EQ(ReadLeadingNumber("3 - Big Blue").value, 3);
  EXPECT_EQ(ReadLeadingNumber("12.500\xB0").value, 12.5);
  EXPECT_EQ(ReadLeadingNumber("- 1 2.5").value, -12.5);
  EXPECT_EQ(ReadLeadingNumber("1.5e2x").value, 150);
  EXPECT_EQ(ReadLeadingNumber("2D1").value, 20);
  EXPECT_EQ(ReadLeadingNumber("1e").value, 1);
  EXPECT_EQ(ReadLeadingNumber(".5").value, 0.5);
  EXPECT_EQ(ReadLeadingNumber("+7").value, 7);
  EXPECT_EQ(ReadLeadingNumber("abc").value, 0);
  EXPECT_EQ(ReadLeadingNumber("--5").value, 0);
  EXPECT_EQ(ReadLeadingNumber("").value, 0);
  EXPECT_FALSE(ReadLeadingNumber("1e308").overflow);
  EXPECT_TRUE(ReadLeadingNumber("1e309").overflow);
  EXPECT_TRUE(ReadLeadingNumber("-1e400").overflow);
}

}  // namespace
}  // namespace kurvex
