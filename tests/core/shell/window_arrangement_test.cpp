#include "core/shell/window_arrangement.h"

#include <gtest/gtest.h>

#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace hrs {
namespace {

WindowArrangement ByUser() {
  WindowArrangement a;
  a.byUser = true;
  return a;
}

TEST(WindowArrangement, SavedFileHasTheModeThenOneLinePerUsedEntryAndLoadsBack) {
  test::TempDir dir;
  WindowArrangement a = ByUser();
  a.Remember("Status", 105, 900, true);
  a.Remember("dbSetup", 1500, 2250, true);
  ASSERT_FALSE(SaveArrangement(dir.path() / ArrangementFile, a));
  EXPECT_EQ(dir.Read("hrs_k"), "1\r\n\"Status\",105,900\r\n\"dbSetup\",1500,2250\r\n");

  WindowArrangement loaded;
  LoadArrangement(dir.path() / ArrangementFile, loaded);
  EXPECT_TRUE(loaded.byUser);
  EXPECT_EQ(loaded.caption, "Window arrangement by user");
  ASSERT_TRUE(loaded.PlaceFor("dbSetup"));
  EXPECT_EQ(loaded.PlaceFor("dbSetup")->left, 1500);
  EXPECT_EQ(loaded.PlaceFor("dbSetup")->top, 2250);
  EXPECT_EQ(ArrangementBytes(loaded), ArrangementBytes(a));
}

TEST(WindowArrangement, WithoutTheFileTheItemKeepsItsDesignedStateAndNothingIsPlaced) {
  test::TempDir dir;
  WindowArrangement a;
  LoadArrangement(dir.path() / ArrangementFile, a);
  EXPECT_FALSE(a.byUser);
  EXPECT_EQ(a.caption, "Window arrangement by user");
  a.Remember("Status", 100, 900, true);
  EXPECT_EQ(ArrangementBytes(a), "0\r\n");
}

TEST(WindowArrangement, ModeZeroLoadsAsByDefaultButKeepsThePlacesForLater) {
  WindowArrangement a;
  ParseArrangement("0\r\n\"Status\",300,450\r\n", a);
  EXPECT_FALSE(a.byUser);
  EXPECT_EQ(a.caption, "Window arrangement by default");
  EXPECT_FALSE(a.PlaceFor("Status"));
  a.byUser = true;
  EXPECT_EQ(a.PlaceFor("Status")->left, 300);
}

TEST(WindowArrangement, DamagedContentLeavesTheModeByDefault) {
  WindowArrangement notNumeric;
  ParseArrangement("\"x\"\r\n\"Status\",1,2\r\n", notNumeric);
  EXPECT_FALSE(notNumeric.byUser);
  EXPECT_TRUE(notNumeric.places[0].name.empty());

  WindowArrangement cutShort;
  ParseArrangement("1\r\n\"Status\",1,2\r\n\"dbCalc\",5\r\n", cutShort);
  EXPECT_FALSE(cutShort.byUser);
  EXPECT_EQ(cutShort.places[0].name, "Status");
}

TEST(WindowArrangement, ANonNumericPositionIsNotApplied) {
  WindowArrangement a;
  ParseArrangement("1\r\n\"Query\",abc,600\r\n", a);
  const auto place = a.PlaceFor("Query");
  ASSERT_TRUE(place);
  EXPECT_FALSE(place->left);
  EXPECT_EQ(place->top, 600);
  EXPECT_EQ(ArrangementBytes(a), "1\r\n\"Query\",,600\r\n");
}

TEST(WindowArrangement, RememberUpdatesTheEntryOfTheWindowAndSkipsOtherStates) {
  WindowArrangement a = ByUser();
  a.Remember("Status", 100, 900, true);
  a.Remember("Status", 200, 300, true);
  a.Remember("Status", 1, 1, false);  // minimized or maximized
  EXPECT_EQ(ArrangementBytes(a), "1\r\n\"Status\",200,300\r\n");
  a.byUser = false;
  a.Remember("Status", 5, 5, true);
  a.Remember("dbCalc", 5, 5, true);
  EXPECT_EQ(ArrangementBytes(a), "0\r\n\"Status\",200,300\r\n");
}

TEST(WindowArrangement, TheFortiethWindowNameIsNeverRemembered) {
  WindowArrangement a = ByUser();
  for (int i = 1; i <= 39; ++i) a.Remember("Form" + std::to_string(i), i, i, true);
  a.Remember("Form40", 40, 40, true);
  EXPECT_FALSE(a.PlaceFor("Form40"));
  EXPECT_TRUE(a.places[39].name.empty());
  a.Remember("Form39", 7, 8, true);
  EXPECT_EQ(a.PlaceFor("Form39")->left, 7);

  // An entry 40 from the file is used for placing but never updated.
  WindowArrangement loaded;
  ParseArrangement(ArrangementBytes(a) + "\"Last\",10,20\r\n\"Beyond\",1,1\r\n", loaded);
  EXPECT_EQ(loaded.places[39].name, "Last");
  EXPECT_EQ(loaded.PlaceFor("Last")->top, 20);
  EXPECT_FALSE(loaded.PlaceFor("Beyond"));
  loaded.Remember("Last", 99, 99, true);
  EXPECT_EQ(loaded.PlaceFor("Last")->top, 20);
}

TEST(WindowArrangement, TogglingTwiceShowsBothMessagesAndLeavesTheModeAsItWas) {
  test::ScriptedDialogs dialogs;
  WindowArrangement a;
  ToggleArrangement(a, dialogs);
  EXPECT_TRUE(a.byUser);
  EXPECT_EQ(a.caption, "Window Arrangement by user");
  ToggleArrangement(a, dialogs);
  EXPECT_FALSE(a.byUser);
  EXPECT_EQ(a.caption, "Window Arrangement by default");
  EXPECT_EQ(dialogs.Messages(),
            (std::vector<std::string>{"Window Arrangement by user", "Window Arrangement by default"}));
}

TEST(WindowArrangement, TwipsArePixelsTimesFifteen) {
  EXPECT_EQ(PixelsToTwips(7), 105);
  EXPECT_EQ(TwipsToPixels(900), 60);
  EXPECT_EQ(TwipsToPixels(100), 7);
  EXPECT_EQ(TwipsToPixels(-100), -7);
}

}  // namespace
}  // namespace hrs
