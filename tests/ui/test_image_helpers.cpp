// Image helpers and the compiled resources.
#include "ui/ImageHelpers.h"
#include "ui/ResourceIds.h"
#include "ui/Resources.h"

#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

class ImageHelpers : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxImage::AddHandler(new wxPNGHandler);
  }
};

TEST_F(ImageHelpers, PremultiplyOnlyTouchesImagesWithAlpha) {
  wxImage image(2, 1);
  image.SetRGB(0, 0, 200, 100, 50);
  image.SetRGB(1, 0, 255, 255, 255);
  wxImage opaque = image.Copy();
  PremultiplyAlpha(opaque);
  EXPECT_EQ(opaque.GetRed(0, 0), 200);

  image.InitAlpha();
  image.SetAlpha(0, 0, 128);
  image.SetAlpha(1, 0, 0);
  PremultiplyAlpha(image);
  EXPECT_EQ(image.GetRed(0, 0), 200 * 128 / 255);
  EXPECT_EQ(image.GetGreen(0, 0), 100 * 128 / 255);
  EXPECT_EQ(image.GetBlue(0, 0), 50 * 128 / 255);
  EXPECT_EQ(image.GetRed(1, 0), 0);
}

TEST_F(ImageHelpers, CenterRectOnPointHalvesDownwards) {
  wxRect rect(0, 0, 5, 4);
  CenterRectOnPoint(rect, 10, 10);
  EXPECT_EQ(rect, wxRect(8, 8, 5, 4));
}

TEST_F(ImageHelpers, LoadsFilesAndReportsMissingOnes) {
  testsupport::TempDir dir;
  wxImage source(3, 2);
  source.InitAlpha();
  ASSERT_TRUE(source.SaveFile(dir.File("pic.png"), wxBITMAP_TYPE_PNG));
  wxImage image;
  EXPECT_TRUE(LoadImageFromFile(image, dir.File("pic.png")));
  EXPECT_EQ(image.GetSize(), wxSize(3, 2));
  EXPECT_FALSE(LoadImageFromFile(image, dir.File("missing.png")));
  EXPECT_FALSE(image.IsOk());
  testsupport::WriteBytes(dir.File("broken.png"), "not a picture");
  EXPECT_FALSE(LoadImageFromFile(image, dir.File("broken.png")));
}

TEST_F(ImageHelpers, CompiledPicturesAreFoundByIdAndKind) {
  wxImage image;
  ASSERT_TRUE(LoadImageFromResource(image, IDB_KEY_SWITCH, "PNG"));
  EXPECT_EQ(image.GetSize(), wxSize(40, 25));
  EXPECT_TRUE(image.HasAlpha());
  ASSERT_TRUE(LoadImageFromResource(image, IDB_KEY_SWITCH_DIAGRAM, "png"));
  EXPECT_EQ(image.GetSize(), wxSize(40, 26));
  EXPECT_TRUE(LoadImageFromResource(image, IDB_PAGE_BACKGROUND, "png"));
  // An unknown id, or an id of another kind, finds nothing.
  EXPECT_FALSE(LoadImageFromResource(image, 9999, "png"));
  EXPECT_FALSE(LoadImageFromResource(image, IDB_KEY_SWITCH, "bitmap"));
  EXPECT_NE(FindProgramResource(IDC_DRAG_BLOCK, ResourceKind::kCursor), nullptr);
  EXPECT_NE(FindProgramResource(IDR_MAINFRAME, ResourceKind::kIcon), nullptr);
  EXPECT_NE(FindProgramResource(IDI_OLVANTA_MAKER, ResourceKind::kIcon), nullptr);
  EXPECT_EQ(FindProgramResource(IDI_OLVANTA_MAKER, ResourceKind::kPng), nullptr);
}

}  // namespace
