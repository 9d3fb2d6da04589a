#include "editing/game_text_field.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "course/game_text.h"
#include "course/new_course.h"
#include "editing/special_characters.h"

namespace kurvex {
namespace {

using K = TextFieldKind;

const TextKey kBackspace = TextKey::Edit(EditKey::kBackspace);
const TextKey kDelete = TextKey::Edit(EditKey::kDelete);
const TextKey kLeft = TextKey::Edit(EditKey::kLeft);
const TextKey kRight = TextKey::Edit(EditKey::kRight);
TextKey Typed(char c) { return TextKey::Typed(c); }

Course WithName(const std::string& name) {
  Course course = NewCourse();
  course.Name = name;
  return course;
}

TEST(GameTextField, KeysEachFieldTakes) {
  for (K kind : {K::kName, K::kDescription, K::kJapanese}) {
    EXPECT_EQ(TypedCode(kind, ' ', false), 0x20);
    EXPECT_EQ(TypedCode(kind, '9', true), 0x39);
    EXPECT_EQ(TypedCode(kind, 'M', true), 0x4D);
    EXPECT_EQ(TypedCode(kind, 'a', false), -1);
  }
  EXPECT_EQ(TypedCode(K::kName, 'C', true), 'C');  // no lower case in names
  EXPECT_EQ(TypedCode(K::kDescription, 'C', true), 0x63);
  EXPECT_EQ(TypedCode(K::kDescription, 'S', true), 0x73);
  EXPECT_EQ(TypedCode(K::kDescription, 'S', false), 'S');
  EXPECT_EQ(TypedCode(K::kDescription, 'B', true), 'B');
  for (char letter : std::string("ADEM")) EXPECT_EQ(TypedCode(K::kJapanese, letter, false), letter);
  for (char letter : std::string("BCSZ")) EXPECT_EQ(TypedCode(K::kJapanese, letter, true), -1);
  EXPECT_EQ(TypedCode(K::kName, '.', false), 0x2E);
  EXPECT_EQ(TypedCode(K::kDescription, '.', true), 0x2E);
  EXPECT_EQ(TypedCode(K::kJapanese, '.', false), -1);  // not in the Japanese font
  for (int other : {'%', '\'', ',', '!', 'c'}) {
    EXPECT_EQ(TypedCode(K::kDescription, other, false), -1) << other;
  }
}

// The window system numbers Delete like the full stop, Left like '%' and Right like the
// apostrophe: the key's kind decides, never its number.
TEST(GameTextField, TypedCharactersNeverActAsEditingKeys) {
  Course course = WithName("AB");
  GameTextField field(K::kName);
  field.MoveIns(course, 1);
  EXPECT_EQ(field.KeyDown(course, Typed('.')), FieldEdit::kChanged);
  EXPECT_EQ(course.Name, "A.B");
  EXPECT_EQ(field.KeyDown(course, Typed('%')), FieldEdit::kNone);
  EXPECT_EQ(field.KeyDown(course, Typed('\'')), FieldEdit::kNone);
  EXPECT_EQ(field.InsertionIndex(course), 2);
  EXPECT_EQ(field.KeyDown(course, kDelete), FieldEdit::kChanged);
  EXPECT_EQ(course.Name, "A.");
  course.JDescription = "AD";
  GameTextField japanese(K::kJapanese);
  EXPECT_EQ(japanese.KeyDown(course, Typed('.')), FieldEdit::kNone);
  EXPECT_EQ(course.JDescription, "AD");
}

TEST(GameTextField, TypingBackspaceDeleteAndArrows) {
  Course course = WithName("ACE");
  GameTextField field(K::kName);
  EXPECT_EQ(field.KeyDown(course, kLeft), FieldEdit::kNone);  // at the start
  field.PlaceInsertionNear(course, 1000);
  EXPECT_EQ(field.KeyDown(course, kRight), FieldEdit::kNone);  // at the end
  EXPECT_EQ(field.InsertionIndex(course), 3);
  EXPECT_EQ(field.KeyDown(course, kLeft), FieldEdit::kMoved);
  EXPECT_EQ(field.KeyDown(course, kLeft), FieldEdit::kMoved);
  EXPECT_EQ(field.KeyDown(course, Typed('B')), FieldEdit::kChanged);
  EXPECT_EQ(course.Name, "ABCE");
  EXPECT_EQ(field.InsertionX(course), GameGlyphWidths().Width('A') + GameGlyphWidths().Width('B'));

  EXPECT_EQ(field.KeyDown(course, kDelete), FieldEdit::kChanged);
  EXPECT_EQ(course.Name, "ABE");
  EXPECT_EQ(field.InsertionIndex(course), 2);
  EXPECT_EQ(field.KeyDown(course, kBackspace), FieldEdit::kChanged);
  EXPECT_EQ(course.Name, "AE");
  EXPECT_EQ(field.InsertionIndex(course), 1);

  EXPECT_TRUE(field.MoveIns(course, -2147483647 - 1));
  EXPECT_FALSE(field.RemoveChar(course));
  EXPECT_TRUE(field.MoveIns(course, 2147483647));
  EXPECT_FALSE(field.DeleteChar(course));
  EXPECT_FALSE(field.AddChar(course, 256));
  EXPECT_EQ(course.Name, "AE");
}

TEST(GameTextField, FullFieldTakesNoMoreButStillEdits) {
  Course course = NewCourse();
  for (K kind : {K::kName, K::kDescription, K::kJapanese}) {
    GameTextField field(kind);
    FieldText(course, kind).clear();
    for (int i = 0; i < 40; ++i) field.KeyDown(course, Typed('A'));
    EXPECT_EQ(FieldText(course, kind).size(), FieldLengthLimit(kind));
  }
  EXPECT_EQ(course.Description.size(), 30u);

  GameTextField name(K::kName);
  name.PlaceInsertionNear(course, 1000);
  ASSERT_EQ(course.Name, std::string(20, 'A'));
  EXPECT_EQ(name.KeyDown(course, Typed('U')), FieldEdit::kNone);
  EXPECT_EQ(name.KeyDown(course, kLeft), FieldEdit::kMoved);
  EXPECT_EQ(name.KeyDown(course, kRight), FieldEdit::kMoved);
  EXPECT_EQ(name.KeyDown(course, kBackspace), FieldEdit::kChanged);
  EXPECT_EQ(name.KeyDown(course, kLeft), FieldEdit::kMoved);
  EXPECT_EQ(name.KeyDown(course, kDelete), FieldEdit::kChanged);
  EXPECT_EQ(course.Name, std::string(18, 'A'));

  course.Name = std::string(25, 'B');  // already beyond the limit: only shrinks
  EXPECT_FALSE(name.AddChar(course, 'C'));
  EXPECT_TRUE(name.RemoveChar(course));
}

// "NEW TRACK": boundaries at 0, 11, 21, 35, ... 80, 90.
TEST(GameTextField, InsertionGoesToTheNearestBoundary) {
  Course course = WithName("NEW TRACK");
  GameTextField field(K::kName);
  const auto index_at = [&](int x) {
    field.PlaceInsertionNear(course, x);
    return field.InsertionIndex(course);
  };
  // Halfway between two boundaries (16) the earlier one.
  for (const auto& [x, index] : std::vector<std::pair<int, int>>{
           {-20, 0}, {5, 0}, {6, 1}, {16, 1}, {17, 2}, {89, 9}, {1000, 9}}) {
    EXPECT_EQ(index_at(x), index) << x;
  }
  EXPECT_EQ(field.InsertionX(course), 90);
  // The insertion point follows a shortened text: an undo or a newly loaded course.
  course.Name = "AB";
  EXPECT_EQ(field.InsertionIndex(course), 2);
  EXPECT_TRUE(field.RemoveChar(course));
  EXPECT_TRUE(field.AddChar(course, 'Z'));
  EXPECT_EQ(course.Name, "AZ");
  course.Name.clear();
  EXPECT_EQ(index_at(50), 0);
}

TEST(SpecialCharacters, CodesPerField) {
  struct Case {
    int cell, name, description, japanese;
  };
  const Case cases[] = {
      {0, -1, -1, -1},
      {1, 33, 33, 33},
      {7, 39, 39, 39},
      // The comma shows in the picture, but the description text of the ROM cannot hold it.
      {12, 58, -1, -1},
      {13, 45, 45, 45},
      {14, 46, 46, -1},
      {15, -1, -1, -1},
      {16, -1, -1, -1},
      {17, -1, 161, 161},
      // Cell 10 would give 0x2A or 0x9A: codes without a glyph, invisible and lost in the
      // data sheet and the ROM text.
      {10, -1, -1, -1},
      {94, -1, -1, -1},
      {95, -1, 239, 239},
      {99, -1, 243, 243},
      {100, -1, -1, -1},
      {107, -1, -1, -1},
      {108, 252, -1, -1},
      {110, 254, -1, -1},
      {111, -1, 255, 255},
      {112, -1, -1, -1},
      {-1, -1, -1, -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PaletteCode(K::kName, c.cell), c.name) << c.cell;
    EXPECT_EQ(PaletteCode(K::kDescription, c.cell), c.description) << c.cell;
    EXPECT_EQ(PaletteCode(K::kJapanese, c.cell), c.japanese) << c.cell;
  }
  // Every code a cell gives has a glyph, and the picture shows one in exactly those cells.
  for (int cell = 0; cell < kPaletteCells; ++cell) {
    bool any = false;
    for (K kind : {K::kName, K::kDescription, K::kJapanese}) {
      const int code = PaletteCode(kind, cell);
      if (code >= 0) EXPECT_TRUE(HasGlyph(code)) << cell;
      any = any || code >= 0;
    }
    EXPECT_EQ(PaletteGlyphCode(cell) >= 0, any) << cell;
  }
  EXPECT_EQ(PaletteGlyphCode(12), ',');
  // Every cell that shows a glyph either inserts a code or says why not.
  for (int cell = 0; cell < kPaletteCells; ++cell) {
    for (K kind : {K::kName, K::kDescription, K::kJapanese}) {
      const bool refused = PaletteGlyphCode(cell) >= 0 && PaletteCode(kind, cell) < 0;
      EXPECT_EQ(!PaletteRefusal(kind, cell).empty(), refused) << cell;
    }
  }
  EXPECT_EQ(PaletteRefusal(K::kDescription, 12), "The game's descriptions cannot hold a comma.");
  EXPECT_EQ(PaletteRefusal(K::kJapanese, 14), "The Japanese description's font has no full stop.");
  EXPECT_EQ(PaletteGlyphCode(108), 0xFC);
  EXPECT_EQ(PaletteGlyphCode(111), 0xFF);
  // The kana cells give exactly the font's kana.
  for (int cell = 17; cell <= 99; ++cell) {
    const int code = PaletteCode(K::kDescription, cell);
    EXPECT_EQ(code < 0, IsBlankPaletteCell(cell)) << cell;
    if (code >= 0) EXPECT_FALSE(GameFontMap().Token(code).empty()) << cell;
  }
}

TEST(SpecialCharacters, ClickInsertsIntoTheActiveFieldWithinItsLimit) {
  Course course = WithName("AB");
  course.Description = "AB";
  GameTextField name(K::kName);
  GameTextField description(K::kDescription);
  name.MoveIns(course, 1);
  EXPECT_TRUE(PaletteClick(course, name, 12 * 16 + 3, 5));          // the colon cell
  EXPECT_FALSE(PaletteClick(course, description, 12 * 16 + 3, 5));  // no comma in descriptions
  EXPECT_TRUE(PaletteClick(course, description, 13 * 16 + 3, 5));
  EXPECT_EQ(course.Name, "A:B");
  EXPECT_EQ(course.Description, "-AB");
  EXPECT_FALSE(PaletteClick(course, name, 5, 5));    // blank cell
  EXPECT_FALSE(PaletteClick(course, name, 20, 20));  // kana: not in names
  EXPECT_FALSE(PaletteClick(course, name, 256, 5));  // released beside the picture
  EXPECT_FALSE(PaletteClick(course, name, 5, 112));
  EXPECT_FALSE(PaletteClick(course, name, -1, 5));
  course.Name = std::string(20, 'A');
  EXPECT_FALSE(PaletteClick(course, name, 12 * 16, 0));
  EXPECT_EQ(course.Name, std::string(20, 'A'));
}

}  // namespace
}  // namespace kurvex
