// Media type helpers: deep copies, freeing, comparison.
#include <windows.h>
#include <dshow.h>

#include <gtest/gtest.h>

#include <cstring>

#include "MediaType.h"
#include "Unknown.h"

namespace {

// An object whose reference count the test can read.
ULONG CountOf(IUnknown* unknown) {
  unknown->AddRef();
  return unknown->Release();
}

CMediaType VideoType(LONG width, LONG height) {
  CMediaType type(&MEDIATYPE_Video);
  type.SetSubtype(&MEDIASUBTYPE_RGB24);
  type.SetFormatType(&FORMAT_VideoInfo);
  VIDEOINFOHEADER info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biBitCount = 24;
  type.SetFormat(reinterpret_cast<const BYTE*>(&info), sizeof(info));
  return type;
}

TEST(BaseMediaType, EmptyTypeIsInvalidAndOwnsNothing) {
  CMediaType type;
  EXPECT_FALSE(type.IsValid());
  EXPECT_EQ(type.FormatLength(), 0u);
  EXPECT_EQ(type.Format(), nullptr);
  EXPECT_EQ(type.pUnk, nullptr);
}

TEST(BaseMediaType, CopiesAreDeepAndCompareEqual) {
  CMediaType original = VideoType(64, 48);
  CMediaType copy(original);
  ASSERT_TRUE(copy.IsValid());
  EXPECT_NE(copy.Format(), original.Format());
  EXPECT_EQ(copy, original);

  // A change in the copy's format block makes the two differ; the
  // original keeps its own bytes.
  reinterpret_cast<VIDEOINFOHEADER*>(copy.Format())->bmiHeader.biWidth = 65;
  EXPECT_NE(copy, original);
  EXPECT_EQ(reinterpret_cast<VIDEOINFOHEADER*>(original.Format())->bmiHeader.biWidth, 64);

  CMediaType assigned;
  assigned = original;
  EXPECT_EQ(assigned, original);
  assigned = assigned;  // self-assignment keeps the block
  EXPECT_EQ(assigned, original);
}

TEST(BaseMediaType, ComparisonLooksAtEveryGuidAndTheFormatLength) {
  const CMediaType base = VideoType(64, 48);
  CMediaType other = base;
  other.SetSubtype(&MEDIASUBTYPE_RGB32);
  EXPECT_NE(other, base);
  other = base;
  other.SetFormatType(&FORMAT_None);
  EXPECT_NE(other, base);
  other = base;
  other.SetType(&MEDIATYPE_Audio);
  EXPECT_NE(other, base);
  other = base;
  other.AllocFormatBuffer(base.FormatLength() + 4);
  EXPECT_NE(other, base);
}

TEST(BaseMediaType, ObjectReferenceIsCountedByCopiesAndReleasedOnFree) {
  auto* token = new CUnknown(nullptr, nullptr);
  IUnknown* unknown = token->GetOwner();
  unknown->AddRef();  // the test's own reference
  {
    CMediaType type = VideoType(2, 2);
    type.pUnk = unknown;
    unknown->AddRef();  // owned by type from here
    CMediaType copy(type);
    EXPECT_EQ(CountOf(unknown), 3u);

    AM_MEDIA_TYPE* created = CreateMediaType(&copy);
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(CountOf(unknown), 4u);
    DeleteMediaType(created);
    EXPECT_EQ(CountOf(unknown), 3u);

    AM_MEDIA_TYPE plain = {};
    ASSERT_EQ(CopyMediaType(&plain, &type), S_OK);
    EXPECT_EQ(CountOf(unknown), 4u);
    FreeMediaType(plain);
    EXPECT_EQ(plain.pUnk, nullptr);
    EXPECT_EQ(plain.pbFormat, nullptr);
    EXPECT_EQ(plain.cbFormat, 0u);
  }
  EXPECT_EQ(CountOf(unknown), 1u);
  unknown->Release();
}

TEST(BaseMediaType, SizeWithoutBlockIsCopiedAsNoFormat) {
  AM_MEDIA_TYPE odd = {};
  odd.majortype = MEDIATYPE_Video;
  odd.cbFormat = 88;  // claims a block it does not have
  CMediaType copy(odd);
  EXPECT_TRUE(copy.IsValid());
  EXPECT_EQ(copy.FormatLength(), 0u);
  EXPECT_EQ(copy.Format(), nullptr);
  DeleteMediaType(nullptr);  // ignored
}

}  // namespace
