#pragma once
// One-click repairs that bring a course within the limits of the cartridge game ("ROM
// Friendly") and of its Expansion Kit ("EK Friendly").

#include <string>
#include <vector>

#include "course/course.h"
#include "course/message.h"
#include "geometry/prepared_course.h"

namespace kurvex {

// Removes the features beyond the game's limits, keeping the first ones in point order.
void RomFriendly(Course& course);

// Rounds the course to the Expansion Kit's rules and removes what it cannot hold. The course is
// prepared into `prepared` to measure it; what cannot be repaired (points too close together, a
// course too long) comes back as messages for a box captioned kEkFriendlyCaption.
std::vector<Message> EkFriendly(Course& course, double segment_distance,
                                PreparedCourse& prepared);

extern const char kEkFriendlyCaption[];  // "Make EK Friendly"

}  // namespace kurvex
