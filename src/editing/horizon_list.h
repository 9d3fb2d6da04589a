#pragma once
// The horizon list of a course: up to six entries, each an image (1..55) seen at an angle
// (degrees, kept within 0 <= angle < 360). Entries are numbered from 1.

#include "course/course.h"

namespace kurvex {

constexpr int kHorizonImageCount = 55;

// Entries in use, never more than the arrays hold.
int HorizonEntries(const Course& course);

// Appends an entry with image 1 at angle 0. Returns its number, or 0 when the list is full.
int AddHorizon(Course& course);
// Removes entry `entry`, moving the later ones down. Returns the entry to select afterwards
// (the same number, or the new last entry; 0 when the list is empty), or -1 when there is no
// such entry and nothing changed.
int DeleteHorizon(Course& course, int entry);

// The angle typed into the angle box, brought into 0 <= angle < 360 as a stored float;
// anything that is not a finite number gives 0.
float NormaliseHorizonAngle(double degrees);
bool SetHorizonAngle(Course& course, int entry, double degrees);

// The image list's index of an entry's image, or -1 when it shows none.
int HorizonImageIndex(const Course& course, int entry);
// Stores the image of a chosen list index (image = index + 1). False for an unknown entry
// or index.
bool ChooseHorizonImage(Course& course, int entry, int index);

}  // namespace kurvex
