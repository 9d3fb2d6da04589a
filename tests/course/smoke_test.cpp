#include <gtest/gtest.h>
#include "course/new_course.h"
TEST(Smoke, New) { EXPECT_EQ(kurvex::NewCourse().PointCount, 4); }
