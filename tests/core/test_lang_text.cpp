#include "core/AppContext.h"
#include "core/LangText.h"
#include "core/MessageBoxes.h"
#include "platform/Profile.h"
#include "MessageRecorder.h"
#include "TempDir.h"
#include "ProgramState.h"

#include <gtest/gtest.h>

namespace {

// A language file with a few texts in two sections.
class LangTextTest : public ::testing::Test {
 protected:
  testsupport::ProgramState state;

  void SetUp() override {
    state.App().langFile = dir.File("Lang.ini");
    state.App().currentLangSection = "936";
    state.App().defaultLangSection = "1252";
    auto put = [&](const char* section, const char* key, const wxString& value) {
      platform::WriteProfileString(g_App.langFile, section, key, value);
    };
    put("936", "IDS_TWO_LINES", wxString::FromUTF8("第一行#n第二行"));
    put("1252", "IDS_TWO_LINES", "first#nsecond");
    put("936", "IDS_KEY#nBROKEN", "found");
    put("936", "IDS_FMT", wxString::FromUTF8("库 %s 第 %d 次"));
    put("936", "IDS_BAD_FMT", "value %d and %s");
    put("936", "ERR_ONE", "missing %s");
    put("936", "ERR_TWO", "%s / %s");
    put("936", "ERR_THREE", "%s-%s-%s");
    put("936", "ERR_NONE", "plain");
    put("936", "S_OK", wxString::FromUTF8("确定"));
    put("936", "S_CANCEL", wxString::FromUTF8("取消"));
    put("936", "S_YES", wxString::FromUTF8("是"));
    put("936", "S_NO", wxString::FromUTF8("否"));
  }

  testsupport::TempDir dir;
  testsupport::CMessageRecorder boxes;
};

TEST_F(LangTextTest, LineBreaksAndMissingKeys) {
  EXPECT_EQ(GetLangText("IDS_TWO_LINES"), wxString::FromUTF8("第一行\n第二行"));
  EXPECT_EQ(GetLangText("IDS_KEY\nBROKEN"), "found");  // looked up with "#n" in place of the break
  EXPECT_EQ(GetLangText("IDS_NOT_THERE"), "IDS_NOT_THERE");
  EXPECT_EQ(GetLangTextEx("IDS_TWO_LINES", false, ""), "first\nsecond");  // default section
  EXPECT_EQ(GetLangTextEx("IDS_TWO_LINES", false, "1252"), "first\nsecond");
  EXPECT_EQ(GetLangTextEx("IDS_TWO_LINES", true, "1252"), wxString::FromUTF8("第一行\n第二行"));
  EXPECT_EQ(GetLangTextFromFile("IDS_TWO_LINES", dir.File("other.ini")), "IDS_TWO_LINES");

  state.App().langFile = dir.File("missing.ini");
  EXPECT_EQ(GetLangText("IDS_TWO_LINES"), "IDS_TWO_LINES");
}

TEST_F(LangTextTest, NoticeBoxRelabelsButtonsAndFormats) {
  boxes.answers = {platform::kIdCancel};
  EXPECT_EQ(LangMessageBox("IDS_TWO_LINES", kNoticeOkCancel), platform::kIdCancel);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  const auto& box = boxes.boxes[0];
  EXPECT_EQ(box.caption, "Notice");
  EXPECT_EQ(box.type, kNoticeOkCancel);
  EXPECT_EQ(box.text, wxString::FromUTF8("第一行\n第二行"));
  EXPECT_EQ(box.okLabel, wxString::FromUTF8("确定"));
  EXPECT_EQ(box.cancelLabel, wxString::FromUTF8("取消"));
  EXPECT_EQ(box.yesLabel, wxString::FromUTF8("是"));
  EXPECT_EQ(box.noLabel, wxString::FromUTF8("否"));

  LangMessageBox("", kNoticeOk, "IDS_FMT", "libcryptora.so", 3);
  EXPECT_EQ(boxes.boxes.back().text, wxString::FromUTF8("库 libcryptora.so 第 3 次"));
}

TEST_F(LangTextTest, FaultyTranslationIsShownAsItStands) {
  // "%d" receives a text and "%s" a number: shown unformatted instead of crashing.
  LangMessageBox("", kNoticeOk, "IDS_BAD_FMT", "text", 5);
  EXPECT_EQ(boxes.boxes.back().text, "value %d and %s");
  LangMessageBox("", kNoticeOk, "IDS_FMT", "only one");
  EXPECT_EQ(boxes.boxes.back().text, wxString::FromUTF8("库 %s 第 %d 次"));
}

TEST_F(LangTextTest, ErrorBoxNeedsAsManyArgumentsAsConversions) {
  ShowErrorMessage("ERR_ONE", "a.afg");
  ShowErrorMessage("ERR_TWO", "S_OK", "S_CANCEL");  // two arguments are keys
  ShowErrorMessage("ERR_THREE", "x", "y", "z");
  ShowErrorMessage("ERR_NONE");
  ShowErrorMessage("ERR_ONE");                // too few: nothing
  ShowErrorMessage("ERR_NONE", "extra");      // too many: nothing
  ShowErrorMessage("ERR_EMPTY_MISSING", "");  // the key itself has no "%s" and n is 0: shown
  ASSERT_EQ(boxes.boxes.size(), 5u);
  EXPECT_EQ(boxes.boxes[0].text, "missing a.afg");
  EXPECT_EQ(boxes.boxes[0].caption, "Error");
  EXPECT_EQ(boxes.boxes[1].text, wxString::FromUTF8("确定 / 取消"));
  EXPECT_EQ(boxes.boxes[2].text, "x-y-z");
  EXPECT_EQ(boxes.boxes[3].text, "plain");
  EXPECT_EQ(boxes.boxes[4].text, "ERR_EMPTY_MISSING");
}

// The error box and the plain box carry their caption and button in the
// user's language, as the notice box does.
TEST_F(LangTextTest, ErrorAndPlainBoxesSpeakTheUsersLanguage) {
  platform::WriteProfileString(g_App.langFile, "936", "S_ERROR", wxString::FromUTF8("错误"));
  platform::WriteProfileString(g_App.langFile, "936", "S_NOTICE", wxString::FromUTF8("提示"));
  ShowErrorMessage("ERR_ONE", "a.afg");
  PlainMessageBox("Missing IC.ini:");
  ASSERT_EQ(boxes.boxes.size(), 2u);
  EXPECT_EQ(boxes.boxes[0].caption, wxString::FromUTF8("错误"));
  EXPECT_EQ(boxes.boxes[0].okLabel, wxString::FromUTF8("确定"));
  EXPECT_EQ(boxes.boxes[1].caption, wxString::FromUTF8("提示"));
  EXPECT_EQ(boxes.boxes[1].okLabel, wxString::FromUTF8("确定"));
  EXPECT_EQ(boxes.boxes[1].text, "Missing IC.ini:");
}

}  // namespace
