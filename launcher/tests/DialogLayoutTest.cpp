#include "DialogLayout.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "MemoryLineSource.h"

namespace {

// Records every fatal message and returns, as the core's contract allows.
class CRecordingSink : public CFatalErrorSink {
 public:
  void FatalError(const char* message) override { messages.emplace_back(message); }
  std::vector<std::string> messages;
};

constexpr char kHead[] =
    "game.exe -window\n"
    "DialogData/Back.bmp\n"
    "DialogData/Open.wav\n"
    "DialogData/Hover.wav\n";
constexpr char kSettings[] =
    "Adapter,200,60,280\n"
    "Resolution,180,128,190\n";
constexpr char kOk[] =
    "1,DialogData/OkN.bmp,DialogData/OkH.bmp,DialogData/OkS.bmp,DialogData/Ok.wav,40,250\n";
constexpr char kCancel[] =
    "2,DialogData/CanN.bmp,DialogData/CanH.bmp,DialogData/CanS.bmp,DialogData/Can.wav,300,250\n";

constexpr char kTokensAdapter[] = "Invalid number of tokens for Adapter config.\nExpected: Adapter,x,y,width";
constexpr char kSettingAdapter[] = "Invalid setting for Adapter config.\nExpected: Adapter,x,y,width";
constexpr char kTokensResolution[] =
    "Invalid number of tokens for Resolution config.\nExpected: Resolution,x,y,width";
constexpr char kSettingResolution[] =
    "Invalid setting for Resolution config.\nExpected: Resolution,x,y,width";
constexpr char kButtonTokens[] =
    "Button line has an invalid number of tokens.\n"
    "Expected:  id,NormalImage,HighlightImage,SelectedImage,Wav,x,y";
constexpr char kDuplicate[] = "A button id has been duplicated.";
constexpr char kNoButtons[] = "Failed to parse any buttons!";
constexpr char kNoCancel[] = "Failed to properly parse the CANCEL button (id=2)!";

// Parses `text` into a fresh layout; the result, the messages and the source
// are kept for the test to look at.
struct Parsed {
  explicit Parsed(const std::string& text) : file(text) { ok = layout.Parse(file, sink); }
  CMemoryLineSource file;
  CRecordingSink sink;
  CDialogLayout layout;
  bool ok = false;
};

// Expects the parse to have stopped with exactly this one message.
void ExpectFatal(const Parsed& p, const std::string& message) {
  EXPECT_FALSE(p.ok);
  ASSERT_EQ(p.sink.messages.size(), 1u);
  EXPECT_EQ(p.sink.messages[0], message);
}

std::string Valid() { return std::string(kHead) + kSettings + kOk + kCancel; }

// ---------------------------------------------------------------- whole files

TEST(DialogLayoutParse, ReadsEveryFieldOfAWellFormedFile) {
  Parsed p(Valid());
  ASSERT_TRUE(p.ok);
  EXPECT_TRUE(p.sink.messages.empty());
  const CDialogLayout& l = p.layout;
  EXPECT_EQ(l.commandLine, "game.exe -window");
  EXPECT_EQ(l.backgroundImage, "DialogData/Back.bmp");
  EXPECT_EQ(l.startSound, "DialogData/Open.wav");
  EXPECT_EQ(l.hoverSound, "DialogData/Hover.wav");
  EXPECT_EQ(l.adapterPlacement.x, 200);
  EXPECT_EQ(l.adapterPlacement.y, 60);
  EXPECT_EQ(l.adapterPlacement.width, 280);
  EXPECT_EQ(l.resolutionPlacement.x, 180);
  EXPECT_EQ(l.resolutionPlacement.y, 128);
  EXPECT_EQ(l.resolutionPlacement.width, 190);
  ASSERT_EQ(l.buttons.size(), 2u);
  const ButtonInfo& ok = l.buttons[0];
  EXPECT_EQ(ok.id, 1);
  EXPECT_EQ(ok.NormalImage, "DialogData/OkN.bmp");
  EXPECT_EQ(ok.HighlightImage, "DialogData/OkH.bmp");
  EXPECT_EQ(ok.SelectedImage, "DialogData/OkS.bmp");
  EXPECT_EQ(ok.Wav, "DialogData/Ok.wav");
  EXPECT_EQ(ok.x, 40);
  EXPECT_EQ(ok.y, 250);
  const ButtonInfo& cancel = l.buttons[1];
  EXPECT_EQ(cancel.id, 2);
  EXPECT_EQ(cancel.NormalImage, "DialogData/CanN.bmp");
  EXPECT_EQ(cancel.Wav, "DialogData/Can.wav");
  EXPECT_EQ(cancel.x, 300);
  EXPECT_EQ(cancel.y, 250);
}

TEST(DialogLayoutParse, OpensTheLayoutFileOnceAndClosesIt) {
  Parsed p(Valid());
  ASSERT_TRUE(p.ok);
  EXPECT_EQ(p.file.openedPath, "DialogData/Config.dat");
  EXPECT_EQ(p.file.opens, 1);
  EXPECT_EQ(p.file.closes, 1);
}

TEST(DialogLayoutParse, AFileThatCannotBeOpenedIsFatalAndNothingIsRead) {
  CMemoryLineSource file(Valid());
  file.opensFine = false;
  CRecordingSink sink;
  CDialogLayout layout;
  EXPECT_FALSE(layout.Parse(file, sink));
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0], "Failed to open config file!");
  EXPECT_EQ(file.reads, 0);
  EXPECT_EQ(file.closes, 0);
}

TEST(DialogLayoutParse, TrimsWhiteSpaceFromBothEndsOfEveryLine) {
  Parsed p(" \t game.exe  -a  b \v\f\r\n"
           "\tBack.bmp\t\n"
           "   \n"
           "Hover.wav   \n"
           "  Adapter,1,2,3  \n"
           "\tResolution,4,5,6\r\n"
           "  2,N.bmp,H.bmp,S.bmp,C.wav,7,8 \t\n");
  ASSERT_TRUE(p.ok);
  EXPECT_EQ(p.layout.commandLine, "game.exe  -a  b");
  EXPECT_EQ(p.layout.backgroundImage, "Back.bmp");
  EXPECT_EQ(p.layout.startSound, "");
  EXPECT_EQ(p.layout.hoverSound, "Hover.wav");
  EXPECT_EQ(p.layout.adapterPlacement.width, 3);
  EXPECT_EQ(p.layout.resolutionPlacement.x, 4);
  ASSERT_EQ(p.layout.buttons.size(), 1u);
  EXPECT_EQ(p.layout.buttons[0].y, 8);
}

TEST(DialogLayoutParse, CarriageReturnLineEndsReadLikeLineFeeds) {
  std::string crlf;
  for (char c : Valid()) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  Parsed p(crlf);
  ASSERT_TRUE(p.ok);
  EXPECT_EQ(p.layout.commandLine, "game.exe -window");
  EXPECT_EQ(p.layout.buttons[1].y, 250);
  EXPECT_EQ(p.layout.buttons[1].Wav, "DialogData/Can.wav");
}

TEST(DialogLayoutParse, TheFirstFourLinesMayBeEmpty) {
  Parsed p(std::string("\n\n\n\n") + kSettings + kCancel);
  ASSERT_TRUE(p.ok);
  EXPECT_EQ(p.layout.commandLine, "");
  EXPECT_EQ(p.layout.backgroundImage, "");
  EXPECT_EQ(p.layout.startSound, "");
  EXPECT_EQ(p.layout.hoverSound, "");
}

TEST(DialogLayoutParse, TheLastLineNeedsNoLineEnd) {
  std::string text = Valid();
  text.pop_back();
  Parsed p(text);
  ASSERT_TRUE(p.ok);
  EXPECT_EQ(p.layout.buttons.back().y, 250);
}

TEST(DialogLayoutParse, ParsingAgainStartsFromAnEmptyLayout) {
  CMemoryLineSource first(Valid());
  CMemoryLineSource second(std::string(kHead) + kSettings + kCancel);
  CRecordingSink sink;
  CDialogLayout layout;
  ASSERT_TRUE(layout.Parse(first, sink));
  ASSERT_TRUE(layout.Parse(second, sink));
  EXPECT_TRUE(sink.messages.empty());
  ASSERT_EQ(layout.buttons.size(), 1u);
  EXPECT_EQ(layout.buttons[0].id, 2);
}

// ---------------------------------------------------------- the setting lines

TEST(DialogLayoutSettings, KeywordsMatchWhateverTheirCase) {
  Parsed p(std::string(kHead) + "adapter,1,2,3\nRESOLUTION,4,5,6\n" + kCancel);
  ASSERT_TRUE(p.ok);
  EXPECT_EQ(p.layout.adapterPlacement.x, 1);
  EXPECT_EQ(p.layout.adapterPlacement.y, 2);
  EXPECT_EQ(p.layout.adapterPlacement.width, 3);
  EXPECT_EQ(p.layout.resolutionPlacement.x, 4);
  EXPECT_EQ(p.layout.resolutionPlacement.y, 5);
  EXPECT_EQ(p.layout.resolutionPlacement.width, 6);
}

TEST(DialogLayoutSettings, ASpaceBeforeTheCommaIsAWrongSetting) {
  ExpectFatal(Parsed(std::string(kHead) + "Adapter ,1,2,3\nResolution,4,5,6\n" + kCancel),
              kSettingAdapter);
}

TEST(DialogLayoutSettings, TheLinesMustComeInTheirOrder) {
  ExpectFatal(Parsed(std::string(kHead) + "Resolution,1,2,3\nAdapter,4,5,6\n" + kCancel),
              kSettingAdapter);
}

TEST(DialogLayoutSettings, WrongTokenCountsAreReportedForTheirKeyword) {
  ExpectFatal(Parsed(std::string(kHead) + "Adapter,1,2\nResolution,4,5,6\n" + kCancel),
              kTokensAdapter);
  ExpectFatal(Parsed(std::string(kHead) + "Adapter,1,2,3,\nResolution,4,5,6\n" + kCancel),
              kTokensAdapter);
  ExpectFatal(Parsed(std::string(kHead) + "Adapter,1,2,3\nResolution\n" + kCancel),
              kTokensResolution);
  ExpectFatal(Parsed(std::string(kHead) + "Adapter,1,2,3\nResolution,1,2,3,4,5\n" + kCancel),
              kTokensResolution);
}

TEST(DialogLayoutSettings, TheTokenCountIsCheckedBeforeTheKeyword) {
  ExpectFatal(Parsed(std::string(kHead) + "Screen,1,2\n"), kTokensAdapter);
}

TEST(DialogLayoutSettings, AWrongResolutionKeywordNamesResolution) {
  ExpectFatal(Parsed(std::string(kHead) + "Adapter,1,2,3\nResolutions,4,5,6\n" + kCancel),
              kSettingResolution);
}

TEST(DialogLayoutSettings, AMissingLineReadsAsEmptyAndFailsOnItsTokenCount) {
  ExpectFatal(Parsed(kHead), kTokensAdapter);
  ExpectFatal(Parsed(std::string(kHead) + "\nResolution,4,5,6\n" + kCancel), kTokensAdapter);
  ExpectFatal(Parsed(std::string(kHead) + "Adapter,1,2,3\n"), kTokensResolution);
  ExpectFatal(Parsed(""), kTokensAdapter);
}

TEST(DialogLayoutSettings, NumbersSkipLeadingBlanksAndStopAtTheFirstNonDigit) {
  // A NUL is an ordinary byte of its line: it ends the last number only.
  Parsed p(std::string(kHead) + std::string("Adapter, 10, 20, 300\0x\n", 23) +
           "Resolution,10px,-20,+30 wide\n" + kCancel);
  ASSERT_TRUE(p.ok);
  EXPECT_EQ(p.layout.adapterPlacement.x, 10);
  EXPECT_EQ(p.layout.adapterPlacement.y, 20);
  EXPECT_EQ(p.layout.adapterPlacement.width, 300);
  EXPECT_EQ(p.layout.resolutionPlacement.x, 10);
  EXPECT_EQ(p.layout.resolutionPlacement.y, -20);
  EXPECT_EQ(p.layout.resolutionPlacement.width, 30);
}

TEST(DialogLayoutSettings, NumbersWithoutDigitsOrOutOfRangeAreHeld) {
  Parsed p(std::string(kHead) + "Adapter,,x,-\nResolution,99999999999,-99999999999,2147483647\n" +
           kCancel);
  ASSERT_TRUE(p.ok);
  EXPECT_EQ(p.layout.adapterPlacement.x, 0);
  EXPECT_EQ(p.layout.adapterPlacement.y, 0);
  EXPECT_EQ(p.layout.adapterPlacement.width, 0);
  EXPECT_EQ(p.layout.resolutionPlacement.x, INT_MAX);
  EXPECT_EQ(p.layout.resolutionPlacement.y, INT_MIN);
  EXPECT_EQ(p.layout.resolutionPlacement.width, 2147483647);
}

TEST(DialogLayoutSettings, ParseSettingLineReadsExactlyOneLine) {
  CMemoryLineSource file("Adapter,7,8,9\nnot read\n");
  ASSERT_TRUE(file.Open(CDialogLayout::kPath));
  CRecordingSink sink;
  ControlPlacement placement;
  ASSERT_TRUE(CDialogLayout::ParseSettingLine(file, sink, "Adapter", placement));
  EXPECT_EQ(file.reads, 1);
  EXPECT_EQ(placement.x, 7);
  EXPECT_EQ(placement.y, 8);
  EXPECT_EQ(placement.width, 9);
}

TEST(DialogLayoutSettings, AFailedSettingLineLeavesThePlacementAlone) {
  CMemoryLineSource file("Adapter,7,8\n");
  ASSERT_TRUE(file.Open(CDialogLayout::kPath));
  CRecordingSink sink;
  ControlPlacement placement;
  placement.x = 11;
  EXPECT_FALSE(CDialogLayout::ParseSettingLine(file, sink, "Adapter", placement));
  EXPECT_EQ(placement.x, 11);
  EXPECT_EQ(sink.messages, std::vector<std::string>{kTokensAdapter});
}

// ------------------------------------------------------------ the button lines

TEST(DialogLayoutButtons, AnEmptyLineRightAfterTheSettingsMeansNoButtons) {
  ExpectFatal(Parsed(std::string(kHead) + kSettings + "\n" + kCancel), kNoButtons);
  ExpectFatal(Parsed(std::string(kHead) + kSettings), kNoButtons);
  ExpectFatal(Parsed(std::string(kHead) + kSettings + " \t \n" + kCancel), kNoButtons);
}

TEST(DialogLayoutButtons, AFileWithoutButtonTwoFailsOnTheCancelButton) {
  ExpectFatal(Parsed(std::string(kHead) + kSettings + kOk), kNoCancel);
  ExpectFatal(Parsed(std::string(kHead) + kSettings + kOk + "3,a,b,c,d,0,0\n"), kNoCancel);
}

TEST(DialogLayoutButtons, ButtonOneIsNotRequired) {
  Parsed p(std::string(kHead) + kSettings + kCancel);
  ASSERT_TRUE(p.ok);
  EXPECT_EQ(p.layout.FindButton(1).id, -1);
  EXPECT_EQ(p.layout.FindButton(2).NormalImage, "DialogData/CanN.bmp");
}

TEST(DialogLayoutButtons, ADuplicatedIdStopsAtTheSecondLineAndReadsNoFurther) {
  Parsed p(std::string(kHead) + kSettings + kCancel + kOk + kCancel + "bad line\n" + kOk);
  ExpectFatal(p, kDuplicate);
  EXPECT_EQ(p.file.reads, 9);
  EXPECT_EQ(p.layout.buttons.size(), 2u);
}

TEST(DialogLayoutButtons, WrongTokenCountsOfAButtonLineAreFatal) {
  ExpectFatal(Parsed(std::string(kHead) + kSettings + "2,a,b,c,d,0,0,extra\n"), kButtonTokens);
  ExpectFatal(Parsed(std::string(kHead) + kSettings + "2,a,b,c,d,0\n"), kButtonTokens);
  ExpectFatal(Parsed(std::string(kHead) + kSettings + kCancel + "2\n"), kButtonTokens);
}

TEST(DialogLayoutButtons, TheTokenCountIsCheckedBeforeTheDuplicateId) {
  ExpectFatal(Parsed(std::string(kHead) + kSettings + kCancel + "2,a,b,c,d,0\n"), kButtonTokens);
}

TEST(DialogLayoutButtons, EverythingAfterTheFirstEmptyLineIsIgnored) {
  Parsed p(std::string(kHead) + kSettings + kCancel + "\n" + "2,a,b,c,d,e,f,g,h\nAdapter\n\n");
  ASSERT_TRUE(p.ok);
  EXPECT_TRUE(p.sink.messages.empty());
  EXPECT_EQ(p.layout.buttons.size(), 1u);
  EXPECT_EQ(p.file.reads, 8);
}

TEST(DialogLayoutButtons, ATextIdReadsAsZero) {
  Parsed p(std::string(kHead) + kSettings + "ok,a,b,c,d,1,2\n" + kCancel);
  ASSERT_TRUE(p.ok);
  EXPECT_EQ(p.layout.buttons[0].id, 0);
  EXPECT_EQ(&p.layout.FindButton(0), &p.layout.buttons[0]);
}

TEST(DialogLayoutButtons, IdMinusOneIsNeverADuplicate) {
  Parsed p(std::string(kHead) + kSettings + "-1,a,b,c,d,1,2\n-1,e,f,g,h,3,4\n" + kCancel);
  ASSERT_TRUE(p.ok);
  ASSERT_EQ(p.layout.buttons.size(), 3u);
  EXPECT_EQ(p.layout.buttons[0].id, -1);
  EXPECT_EQ(p.layout.buttons[1].id, -1);
  EXPECT_EQ(p.layout.buttons[1].NormalImage, "e");
}

TEST(DialogLayoutButtons, IdsAreNumbersLikeAnyOther) {
  Parsed p(std::string(kHead) + kSettings + "+2x,a,b,c,d,1,2\n02,e,f,g,h,3,4\n");
  ExpectFatal(p, kDuplicate);
  EXPECT_EQ(p.layout.buttons[0].id, 2);
}

TEST(DialogLayoutButtons, SevenTokensMayHoldFourEmptyTexts) {
  Parsed p(std::string(kHead) + kSettings + "2,,,,,0,0\n");
  ASSERT_TRUE(p.ok);
  const ButtonInfo& b = p.layout.buttons[0];
  EXPECT_EQ(b.NormalImage, "");
  EXPECT_EQ(b.HighlightImage, "");
  EXPECT_EQ(b.SelectedImage, "");
  EXPECT_EQ(b.Wav, "");
  EXPECT_EQ(b.x, 0);
  EXPECT_EQ(b.y, 0);
}

TEST(DialogLayoutButtons, TextTokensAreKeptAsWritten) {
  Parsed p(std::string(kHead) + kSettings + "2, N.bmp ,H .bmp,\tS.bmp, C.wav\t, 5 ,6\n");
  ASSERT_TRUE(p.ok);
  const ButtonInfo& b = p.layout.buttons[0];
  EXPECT_EQ(b.NormalImage, " N.bmp ");
  EXPECT_EQ(b.HighlightImage, "H .bmp");
  EXPECT_EQ(b.SelectedImage, "\tS.bmp");
  EXPECT_EQ(b.Wav, " C.wav\t");
  EXPECT_EQ(b.x, 5);
  EXPECT_EQ(b.y, 6);
}

TEST(DialogLayoutButtons, ButtonsKeepTheirFileOrderAndAnyNumberIsAccepted) {
  std::string text = std::string(kHead) + kSettings;
  for (int id = 100; id > 2; --id) text += std::to_string(id) + ",n,h,s,w,0,0\n";
  text += kCancel;
  Parsed p(text);
  ASSERT_TRUE(p.ok);
  ASSERT_EQ(p.layout.buttons.size(), 99u);
  EXPECT_EQ(p.layout.buttons.front().id, 100);
  EXPECT_EQ(p.layout.buttons[97].id, 3);
  EXPECT_EQ(p.layout.buttons.back().id, 2);
}

TEST(DialogLayoutButtons, ParseButtonLineAppendsOnlyWhatItAccepts) {
  CDialogLayout layout;
  CRecordingSink sink;
  EXPECT_TRUE(layout.ParseButtonLine("5,a,b,c,d,1,2", sink));
  EXPECT_FALSE(layout.ParseButtonLine("5,e,f,g,h,3,4", sink));
  EXPECT_FALSE(layout.ParseButtonLine("6,e,f,g,h,3", sink));
  ASSERT_EQ(layout.buttons.size(), 1u);
  EXPECT_EQ(layout.buttons[0].NormalImage, "a");
  EXPECT_EQ(sink.messages, (std::vector<std::string>{kDuplicate, kButtonTokens}));
}

// ------------------------------------------------------------- reading errors

TEST(DialogLayoutParse, AFailedReadGivesAnEmptyLineAndParsingGoesOn) {
  CMemoryLineSource file(Valid());
  file.failingRead = 1;
  CRecordingSink sink;
  CDialogLayout layout;
  ASSERT_TRUE(layout.Parse(file, sink));
  EXPECT_EQ(layout.commandLine, "");
  EXPECT_EQ(layout.backgroundImage, "DialogData/Back.bmp");
}

TEST(DialogLayoutParse, AFailedReadOfAButtonLineEndsTheButtonList) {
  CMemoryLineSource file(Valid());
  file.failingRead = 7;
  CRecordingSink sink;
  CDialogLayout layout;
  EXPECT_FALSE(layout.Parse(file, sink));
  EXPECT_EQ(sink.messages, std::vector<std::string>{kNoButtons});
  EXPECT_EQ(file.closes, 1);
}

TEST(DialogLayoutParse, EveryErrorStopsTheParseAndClosesTheFile) {
  const std::vector<std::string> files = {
      std::string(kHead) + "Adapter\n",
      std::string(kHead) + "Adapter,1,2,3\nResolution,1,2,3,4\n",
      std::string(kHead) + kSettings + "2,a\n",
      std::string(kHead) + kSettings + "\n",
      std::string(kHead) + kSettings + kOk,
  };
  for (const std::string& text : files) {
    Parsed p(text);
    EXPECT_FALSE(p.ok) << text;
    EXPECT_EQ(p.sink.messages.size(), 1u) << text;
    EXPECT_EQ(p.file.closes, 1) << text;
  }
}

TEST(DialogLayoutParse, OnlyTheFirstErrorInTheFileIsReported) {
  Parsed p(std::string(kHead) + "Adapter,1\nResolution\n2,a\n");
  ExpectFatal(p, kTokensAdapter);
  EXPECT_EQ(p.file.reads, 5);
}

TEST(DialogLayoutParse, VeryLongLinesAndTokensAreHeldWhole) {
  const std::string path(1 << 20, 'p');
  std::string commas(100000, ',');
  Parsed p(path + "\n\n\n\n" + kSettings + "2," + path + ",h,s,w,1,2\n");
  ASSERT_TRUE(p.ok);
  EXPECT_EQ(p.layout.commandLine, path);
  EXPECT_EQ(p.layout.buttons[0].NormalImage, path);
  ExpectFatal(Parsed(std::string(kHead) + kSettings + "2" + commas + "\n"), kButtonTokens);
}

// --------------------------------------------------------- lookup of buttons

TEST(DialogLayoutFindButton, AMissReturnsTheSharedSentinel) {
  CDialogLayout empty;
  const ButtonInfo& miss = empty.FindButton(2);
  EXPECT_EQ(miss.id, -1);
  EXPECT_EQ(miss.x, 0);
  EXPECT_EQ(miss.y, 0);
  EXPECT_EQ(miss.NormalImage, "");
  EXPECT_EQ(miss.HighlightImage, "");
  EXPECT_EQ(miss.SelectedImage, "");
  EXPECT_EQ(miss.Wav, "");
  Parsed p(Valid());
  EXPECT_EQ(&p.layout.FindButton(7), &miss);
  EXPECT_EQ(&p.layout.FindButton(-1), &miss);
}

TEST(DialogLayoutFindButton, AHitReturnsTheButtonItself) {
  Parsed p(Valid());
  EXPECT_EQ(&p.layout.FindButton(1), &p.layout.buttons[0]);
  EXPECT_EQ(&p.layout.FindButton(2), &p.layout.buttons[1]);
  EXPECT_EQ(p.layout.FindButton(1).Wav, "DialogData/Ok.wav");
}

TEST(DialogLayoutFindButton, ANewButtonInfoLooksLikeTheSentinel) {
  const ButtonInfo fresh;
  EXPECT_EQ(fresh.id, -1);
  EXPECT_EQ(fresh.x, 0);
  EXPECT_EQ(fresh.y, 0);
  EXPECT_TRUE(fresh.NormalImage.empty() && fresh.HighlightImage.empty() &&
              fresh.SelectedImage.empty() && fresh.Wav.empty());
}

// ------------------------------------------------------------- the one layout

TEST(DialogLayoutGetLayout, TheFirstCallParsesAndLaterCallsReadNothing) {
  CMemoryLineSource first(Valid());
  CMemoryLineSource second("nothing valid\n");
  CRecordingSink sink;
  const CDialogLayout* layout = CDialogLayout::GetLayout(first, sink);
  ASSERT_NE(layout, nullptr);
  EXPECT_EQ(layout->commandLine, "game.exe -window");
  EXPECT_EQ(CDialogLayout::GetLayout(second, sink), layout);
  EXPECT_EQ(second.opens, 0);
  EXPECT_EQ(second.reads, 0);
  EXPECT_TRUE(sink.messages.empty());
}

// ------------------------------------------------------------- the pieces

TEST(DialogLayoutReadLine, TrimsOnlyTheEnds) {
  CMemoryLineSource file(" \ta, b \t\r\n\v\f\n\r\r\n");
  ASSERT_TRUE(file.Open(CDialogLayout::kPath));
  EXPECT_EQ(CDialogLayout::ReadLayoutLine(file), "a, b");
  EXPECT_EQ(CDialogLayout::ReadLayoutLine(file), "");
  EXPECT_EQ(CDialogLayout::ReadLayoutLine(file), "");
  EXPECT_EQ(CDialogLayout::ReadLayoutLine(file), "");
  EXPECT_EQ(CDialogLayout::ReadLayoutLine(file), "");
}

TEST(DialogLayoutReadLine, KeepsOtherBytesAtTheEnds) {
  CMemoryLineSource file(std::string("\xA0x\xA0\n\0y\0\n", 8));
  ASSERT_TRUE(file.Open(CDialogLayout::kPath));
  EXPECT_EQ(CDialogLayout::ReadLayoutLine(file), "\xA0x\xA0");
  EXPECT_EQ(CDialogLayout::ReadLayoutLine(file), std::string("\0y\0", 3));
}

TEST(DialogLayoutTokens, CountsOneMoreThanTheCommas) {
  EXPECT_EQ(CDialogLayout::CountTokens(""), 0u);
  EXPECT_EQ(CDialogLayout::CountTokens(" "), 1u);
  EXPECT_EQ(CDialogLayout::CountTokens("a"), 1u);
  EXPECT_EQ(CDialogLayout::CountTokens(","), 2u);
  EXPECT_EQ(CDialogLayout::CountTokens("a,b"), 2u);
  EXPECT_EQ(CDialogLayout::CountTokens(",,,"), 4u);
  EXPECT_EQ(CDialogLayout::CountTokens("1,a,b,c,d,2,3"), 7u);
}

TEST(DialogLayoutTokens, GetTokenTakesTheTextBetweenCommasUntrimmed) {
  const std::string line = "Adapter, 10,,x y ,";
  EXPECT_EQ(CDialogLayout::GetToken(line, 0), "Adapter");
  EXPECT_EQ(CDialogLayout::GetToken(line, 1), " 10");
  EXPECT_EQ(CDialogLayout::GetToken(line, 2), "");
  EXPECT_EQ(CDialogLayout::GetToken(line, 3), "x y ");
  EXPECT_EQ(CDialogLayout::GetToken(line, 4), "");
  EXPECT_EQ(CDialogLayout::GetToken(line, 5), "");
  EXPECT_EQ(CDialogLayout::GetToken(line, static_cast<std::size_t>(-1)), "");
  EXPECT_EQ(CDialogLayout::GetToken("", 0), "");
  EXPECT_EQ(CDialogLayout::GetToken("single", 0), "single");
  EXPECT_EQ(CDialogLayout::GetToken("single", 1), "");
}

TEST(DialogLayoutNumbers, ReadLikeAtoi) {
  struct Case {
    std::string token;
    std::int32_t value;
  };
  const Case cases[] = {
      {"", 0},           {"abc", 0},        {"42", 42},          {" 42", 42},
      {"\t\n\v\f\r 9", 9}, {"-7x", -7},     {"+5", 5},           {"-", 0},
      {"+", 0},          {"+-5", 0},        {"-+5", 0},          {"- 5", 0},
      {"12 34", 12},     {"10px", 10},      {"0x1F", 0},         {"007", 7},
      {"-0", 0},         {"\xA0" "5", 0},   {"5\xA0", 5},        {std::string("1\0" "2", 3), 1},
  };
  for (const Case& c : cases) EXPECT_EQ(CDialogLayout::ReadNumber(c.token), c.value) << c.token;
}

TEST(DialogLayoutNumbers, AreHeldAtTheLimitsOfTheirRange) {
  EXPECT_EQ(CDialogLayout::ReadNumber("2147483647"), INT_MAX);
  EXPECT_EQ(CDialogLayout::ReadNumber("2147483648"), INT_MAX);
  EXPECT_EQ(CDialogLayout::ReadNumber("4294967295"), INT_MAX);
  EXPECT_EQ(CDialogLayout::ReadNumber("4294967297"), INT_MAX);
  EXPECT_EQ(CDialogLayout::ReadNumber("-2147483647"), -2147483647);
  EXPECT_EQ(CDialogLayout::ReadNumber("-2147483648"), INT_MIN);
  EXPECT_EQ(CDialogLayout::ReadNumber("-2147483649"), INT_MIN);
  EXPECT_EQ(CDialogLayout::ReadNumber(std::string(5000, '9')), INT_MAX);
  EXPECT_EQ(CDialogLayout::ReadNumber("-" + std::string(5000, '9')), INT_MIN);
  EXPECT_EQ(CDialogLayout::ReadNumber(std::string(5000, '0') + "123"), 123);
  EXPECT_EQ(CDialogLayout::ReadNumber("-" + std::string(5000, '0') + "1"), -1);
}

TEST(DialogLayoutKeywords, MatchIgnoringTheCaseOfLettersOnly) {
  EXPECT_TRUE(CDialogLayout::EqualsKeyword("Adapter", "Adapter"));
  EXPECT_TRUE(CDialogLayout::EqualsKeyword("adapter", "Adapter"));
  EXPECT_TRUE(CDialogLayout::EqualsKeyword("aDaPtEr", "Adapter"));
  EXPECT_TRUE(CDialogLayout::EqualsKeyword("RESOLUTION", "Resolution"));
  EXPECT_FALSE(CDialogLayout::EqualsKeyword("Adapte", "Adapter"));
  EXPECT_FALSE(CDialogLayout::EqualsKeyword("Adapters", "Adapter"));
  EXPECT_FALSE(CDialogLayout::EqualsKeyword(" Adapter", "Adapter"));
  EXPECT_FALSE(CDialogLayout::EqualsKeyword("Adapter ", "Adapter"));
  EXPECT_FALSE(CDialogLayout::EqualsKeyword("", "Adapter"));
  EXPECT_FALSE(CDialogLayout::EqualsKeyword(std::string("Adapter\0", 8), "Adapter"));
  EXPECT_FALSE(CDialogLayout::EqualsKeyword("\xC1" "dapter", "Adapter"));
  EXPECT_FALSE(CDialogLayout::EqualsKeyword("\xE1" "dapter", "Adapter"));
  EXPECT_FALSE(CDialogLayout::EqualsKeyword("Ad@pter", "Adapter"));
  EXPECT_FALSE(CDialogLayout::EqualsKeyword("[dapter", "{dapter"));
}

}  // namespace
