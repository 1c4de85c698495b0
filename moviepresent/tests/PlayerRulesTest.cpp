#include "PlayerRules.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "ScreenResolution.h"

namespace {

struct Snap {
  int width, height, snappedWidth, snappedHeight;
};

TEST(GetResolution, SnapsToTheFirstModeHoldingBothValues) {
  const Snap cases[] = {
      {320, 241, 512, 384},     {641, 100, 800, 600},    {1281, 1, 1600, 1200},
      {1280, 1024, 1280, 1024}, {-5, 0, 320, 240},       {320, 240, 320, 240},
      {321, 240, 512, 384},     {100, 1025, 1600, 1200}, {1024, 768, 1024, 768},
      {1025, 768, 1280, 1024},  {640, 480, 640, 480},    {700, 500, 800, 600},
      {INT_MIN, INT_MIN, 320, 240}, {INT_MAX, 0, 1600, 1200},
  };
  for (const Snap& c : cases) {
    int width = c.width, height = c.height;
    Get_Resolution(width, height);
    EXPECT_EQ(width, c.snappedWidth) << c.width << " x " << c.height;
    EXPECT_EQ(height, c.snappedHeight) << c.width << " x " << c.height;
  }
}

TEST(GetResolution, UnsignedRequestsAboveIntMaxAreNegativeAndSnapToTheSmallestMode) {
  const struct {
    unsigned width, height;
    int signedWidth, snappedWidth, snappedHeight;
  } cases[] = {
      {0xFFFFFFFFu, 200u, -1, 320, 240},        {0x80000000u, 0x80000000u, INT_MIN, 320, 240},
      {3000000000u, 100u, -1294967296, 320, 240}, {3000000000u, 700u, -1294967296, 1024, 768},
      {static_cast<unsigned>(INT_MAX), 0u, INT_MAX, 1600, 1200}, {0u, 0u, 0, 320, 240},
  };
  for (const auto& c : cases) {
    int width = Requested_Screen_Size(c.width);
    int height = Requested_Screen_Size(c.height);
    EXPECT_EQ(width, c.signedWidth) << c.width;
    Get_Resolution(width, height);
    EXPECT_EQ(width, c.snappedWidth) << c.width << " x " << c.height;
    EXPECT_EQ(height, c.snappedHeight) << c.width << " x " << c.height;
  }
}

TEST(LastError, TextsAreExactAndOnlyCodeOneMeansCannotOpen) {
  EXPECT_STREQ(Last_Error_Text(1), "Failed to open the file !");
  for (int code : {0, -1, 2, 7, INT_MIN, INT_MAX}) EXPECT_STREQ(Last_Error_Text(code), "Unknown error !");
  EXPECT_EQ(std::strlen(Player_Text_Failed_To_Open), 25u);
  EXPECT_EQ(std::strlen(Player_Text_Unknown_Error), 15u);
}

TEST(LastError, OpenResultsChangeTheTextOnlyOnFailure) {
  PLAYER_LAST_ERROR error;
  EXPECT_STREQ(error.Get_Last_Error(), "Unknown error !");

  EXPECT_FALSE(Open_File_Result(1, error));
  EXPECT_STREQ(error.Get_Last_Error(), "Failed to open the file !");
  // A later success leaves the text as it was.
  EXPECT_TRUE(Open_File_Result(0, error));
  EXPECT_STREQ(error.Get_Last_Error(), "Failed to open the file !");

  EXPECT_FALSE(Open_File_Result(-1, error));
  EXPECT_STREQ(error.Get_Last_Error(), "Unknown error !");
  EXPECT_FALSE(Open_File_Result(1, error));
  EXPECT_FALSE(Open_File_Result(7, error));
  EXPECT_STREQ(error.Get_Last_Error(), "Unknown error !");
}

TEST(SurfaceType, FollowsDepthThenRedMask) {
  EXPECT_EQ(Surface_Type_For(false, 32, 0xF800), QOR_SURFACE_NONE);
  EXPECT_EQ(Surface_Type_For(true, 32, 0xF800), QOR_SURFACE_RGB32);
  EXPECT_EQ(Surface_Type_For(true, 32, 0xFF0000), QOR_SURFACE_RGB32);
  EXPECT_EQ(Surface_Type_For(true, 16, 0xF800), QOR_SURFACE_RGB565);
  EXPECT_EQ(Surface_Type_For(true, 16, 0x7C00), QOR_SURFACE_RGB555);
  // Other depths take the 16-bit rule.
  EXPECT_EQ(Surface_Type_For(true, 24, 0xFF0000), QOR_SURFACE_RGB555);
  EXPECT_EQ(Surface_Type_For(true, 8, 0), QOR_SURFACE_RGB555);
  EXPECT_EQ(Surface_Type_For(true, 0, 0xF800), QOR_SURFACE_RGB565);
}

}  // namespace
