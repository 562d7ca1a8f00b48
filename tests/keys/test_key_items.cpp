// The key panel's [KeyConfig] keys, written and read back whole.
#include "keys/KeyItems.h"

#include "core/ProjectFile.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

class KeyItems : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(file.CreateEmpty()); }
  wxString Read(const wxString& key) const { return file.ReadText("KeyConfig", key, 1 << 20); }

  testsupport::TempDir dir;
  CProjectFile file{dir.File("p.lmirprj")};
};

TEST_F(KeyItems, CodesOfNineKeysFillTwoItemKeysAndReadBackIntoTheirCells) {
  stKeypadShape shape;
  shape.lines = 4;
  shape.active = 4;  // 10 keys in use
  CKeySlotTable slots;
  for (int cell = 0; cell < 9; ++cell) slots.Set(cell, cell == 3 ? kNoKeyCode : 0x10 + cell);
  slots.Set(9, 0xab);
  slots.Set(20, 0x55);  // not a cell of this keypad
  ASSERT_TRUE(WriteKeyCodeItems(file, shape, slots));
  EXPECT_EQ(Read("ItemKey0"), "0x10,0x11,0x12,-1,0x14,0x15,0x16,0x17");
  EXPECT_EQ(Read("ItemKey1"), "0x18,0xab");

  CKeySlotTable back;
  EXPECT_EQ(ReadKeyCodeItems(file, shape, back), 10);
  for (int cell = 0; cell < 10; ++cell) EXPECT_EQ(back.Get(cell), slots.Get(cell)) << cell;
  EXPECT_EQ(back.Get(20), kNoKeyCode);
}

// Codes stored for a 3 x 2 matrix opened on 2 columns: each code goes to its
// own row and column; those of the lost column are reported, an empty one not.
TEST_F(KeyItems, StoredCodesGoToTheirOwnKeysAndThoseWithoutAKeyAreReported) {
  ASSERT_TRUE(file.WriteText("KeyConfig", "IOColCount", "3"));
  ASSERT_TRUE(file.WriteText("KeyConfig", "IORowCount", "2"));
  ASSERT_TRUE(file.WriteText("KeyConfig", "ItemKey0", "0x10,0x11,0x12,0x20,0x21,-1"));
  stKeypadShape loaded;
  loaded.matrix = true;
  loaded.lines = 8;
  loaded.active = 2;
  loaded.activeRows = 2;
  const stKeypadShape stored = StoredKeypadShape(file, loaded);
  EXPECT_EQ(stored.ActiveCells(), (std::vector<int>{0, 1, 2, 8, 9, 10}));

  CKeySlotTable slots;
  const stKeyCodeLoad load = ReadKeyCodeItems(file, stored, loaded, slots);
  EXPECT_EQ(load.read, 6);
  for (const auto& [cell, code] : {std::make_pair(0, 0x10), std::make_pair(1, 0x11), std::make_pair(2, -1),
                                   std::make_pair(8, 0x20), std::make_pair(9, 0x21), std::make_pair(10, -1)})
    EXPECT_EQ(slots.Get(cell), code) << cell;
  ASSERT_EQ(load.dropped.size(), 1u);
  EXPECT_EQ(DroppedKeyCodesText(load.dropped), "S2: 12H");

  // The same keypad keeps every code; a file without counts is read for the loaded keypad.
  loaded.active = 3;
  EXPECT_TRUE(ReadKeyCodeItems(file, StoredKeypadShape(file, loaded), loaded, slots).dropped.empty());
  EXPECT_EQ(slots.Get(2), 0x12);
  CProjectFile bare(dir.File("bare.lmirprj"));
  ASSERT_TRUE(bare.CreateEmpty());
  EXPECT_EQ(StoredKeypadShape(bare, loaded).ActiveCells(), loaded.ActiveCells());
}

TEST_F(KeyItems, ActionListsOfAnLcdRemoteKeepLongNamesWhole) {
  std::vector<stKeyActionItem> keys;
  const wxString longName(400, 'N');
  for (int i = 0; i < 9; ++i) {
    stKeyActionItem key;
    key.actions = (i == 8 ? longName : wxString::Format("F%d", i)) + ";;;;;";
    key.functionIndex = i % 2 ? -1 : i;
    key.userFunctionNumber = i % 2 ? 10 + i : -1;
    keys.push_back(key);
  }
  ASSERT_TRUE(WriteKeyActionItems(file, keys));
  EXPECT_EQ(Read("IndexItemKey0"), "1,0,0,11,1,2,0,13,1,4,0,15,1,6,0,17");
  EXPECT_EQ(Read("IndexItemKey1"), "1,0,0,11,1,2,0,13,1,4,0,15,1,6,0,17,1,8");
  EXPECT_EQ(Read("ItemKey1"), longName + ";;;;;");
  const std::vector<wxString> lists = ReadKeyActionItems(file, 10);
  ASSERT_EQ(lists.size(), 10u);
  EXPECT_EQ(lists[0], "F0;;;;;");
  EXPECT_EQ(lists[8], longName + ";;;;;");
  EXPECT_EQ(lists[9], "");

  // Keys beyond the eighth keep their own references.
  const std::vector<stKeyActionItem> refs = ReadKeyActionIndexes(file, 10);
  ASSERT_EQ(refs.size(), 10u);
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(refs[i].functionIndex, keys[i].functionIndex) << i;
    EXPECT_EQ(refs[i].userFunctionNumber, keys[i].userFunctionNumber) << i;
  }
  EXPECT_EQ(refs[9].functionIndex, -1);
  EXPECT_EQ(refs[9].userFunctionNumber, -1);
}

TEST_F(KeyItems, TouchButtonsStoreValueAndActionsOfKeysInUseOnly) {
  std::vector<stTouchButtonItem> keys(kTouchKeyCount);
  keys[0] = {true, "32", wxString(300, 'P') + ";;;;;"};
  keys[2] = {true, "127", "Mode;;;;;"};
  keys[3] = {false, "50", "Ignored;;;;;"};
  ASSERT_TRUE(WriteTouchButtons(file, keys, true));
  EXPECT_EQ(Read("TouchButton"), "32," + wxString(300, 'P') + ";;;;;,,,127,Mode;;;;;,,,,,,,,,,,");
  EXPECT_EQ(Read("High Sensitivity"), "1");
  const std::vector<stTouchButtonItem> back = ReadTouchButtons(file);
  ASSERT_EQ(back.size(), 8u);
  EXPECT_EQ(back[0].actions, wxString(300, 'P') + ";;;;;");
  EXPECT_EQ(back[2].value, "127");
  EXPECT_EQ(back[3].value, "");
  ASSERT_TRUE(WriteTouchButtons(file, std::vector<stTouchButtonItem>(kTouchKeyCount), false));
  EXPECT_EQ(Read("TouchButton"), wxString(16, ','));
  EXPECT_EQ(Read("High Sensitivity"), "0");
}

TEST(KeyActionNames, HoldingAFieldSeparatorAreRefused) {
  EXPECT_EQ(KeyActionNameProblem("IDS_POWER"), "");
  for (const char* name : {"A,B", "A;B", "A\nB"})
    EXPECT_EQ(KeyActionNameProblem(name), "IDS_KEY_ACTION_NAME_SEPARATOR") << name;
}

}  // namespace
