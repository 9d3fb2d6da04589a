#pragma once
// The drop-down lists of the Course Properties window (venue, sky, ROM music, EK music): their
// entries and the mapping between a list index and the number stored in the course. Choosing
// an index outside a list changes nothing, so a list without a selection cannot store garbage.

#include <string>
#include <vector>

#include "course/course.h"

namespace kurvex {

// Entries in list order: 11 venues, 8 skies, 17 ROM music entries ("(No Music)" first),
// 14 EK music entries.
const std::vector<std::string>& VenueList();
const std::vector<std::string>& SkyList();
const std::vector<std::string>& RomMusicList();
const std::vector<std::string>& EkMusicList();

// List index shown for a stored number. Venues above 10 show the last venue, skies above 7 the
// last sky; a music number that has no entry shows entry 0.
int VenueIndex(int venue);
int SkyIndex(int sky);
int RomMusicIndex(int music);
int EkMusicIndex(int music);

// Stored number for a list index, or -1 when the index is outside the list.
int RomMusicOfIndex(int index);
int EkMusicOfIndex(int index);

// Store the number of a chosen list entry. False, with the course unchanged, when the index is
// outside the list.
bool ChooseVenue(Course& course, int index);
bool ChooseSky(Course& course, int index);
bool ChooseRomMusic(Course& course, int index);
bool ChooseEkMusic(Course& course, int index);

}  // namespace kurvex
