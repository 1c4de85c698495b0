// The launcher's application framework against the real window manager:
// message order of a modal dialog, command routing, data exchange, owner
// drawing and mouse handlers of subclassed buttons, file readers, class info.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "Button.h"
#include "ComboBox.h"
#include "Dialog.h"
#include "Files.h"
#include "PaintDC.h"
#include "RuntimeClass.h"

namespace {

constexpr UINT kDialog = 200;
constexpr int kFirstList = 1000;
constexpr int kSecondList = 1001;
constexpr int kButtonId = 1;

class CTestButton : public CButton {
  DECLARE_DYNCREATE(CTestButton)

 public:
  std::vector<std::string>* log = nullptr;

  void DrawItem(LPDRAWITEMSTRUCT item) override {
    if (log != nullptr) log->push_back("draw " + std::to_string(item->CtlID));
  }

 protected:
  void OnMouseMove(UINT flags, POINT point) override {
    if (log != nullptr) {
      log->push_back("move " + std::to_string(point.x) + "," + std::to_string(point.y) + " " +
                     std::to_string(flags));
    }
    Default();
  }
  BOOL OnEraseBkgnd(HDC) override {
    if (log != nullptr) log->push_back("erase");
    return TRUE;
  }
};
IMPLEMENT_DYNCREATE(CTestButton, CButton)

// Records what reaches it, and acts out a scripted session in OnInitDialog.
class CTestDialog : public CDialog {
 public:
  explicit CTestDialog(int script) : CDialog(kDialog), m_script(script) {}

  std::vector<std::string> log;
  CComboBox m_first;
  CComboBox m_second;
  CTestButton m_button;

 protected:
  void DoDataExchange(CDataExchange* exchange) override {
    log.push_back(std::string("exchange ") + (exchange->m_bSaveAndValidate ? "save" : "load") +
                  (m_first.m_hWnd == nullptr ? " unbound" : " bound"));
    DDX_Control(exchange, kSecondList, m_second);
    DDX_Control(exchange, kFirstList, m_first);
  }

  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    log.push_back("init");
    m_first.AddString("zero");
    m_first.AddString("one");
    m_first.SetCurSel(1);
    m_button.log = &log;
    RECT rect = {10, 80, 60, 100};
    if (!m_button.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, rect, this, kButtonId)) {
      log.push_back("button creation failed");
    }
    // What a user would do; script 0 acts once the dialog has painted.
    if (m_script == 0) {
      m_button.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 7));
    } else {
      PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(0x77, 0x0401), 0);
      PostMessageA(m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0);
      PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    }
    return TRUE;
  }

  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
    log.push_back("command " + std::to_string(LOWORD(wParam)) + " " + std::to_string(HIWORD(wParam)));
    if (HIWORD(wParam) == 0x0401) return TRUE;  // taken before the normal routing
    return CDialog::OnCommand(wParam, lParam);
  }

  BOOL OnCmdMsg(UINT id, UINT code) override {
    if (id == kFirstList && code == CBN_SELCHANGE) {
      log.push_back("selchange " + std::to_string(m_first.GetCurSel()));
      return TRUE;
    }
    return FALSE;
  }

  void OnOK() override {
    log.push_back("ok");
    CDialog::OnOK();
  }

  void OnPaint() override {
    { CPaintDC dc(m_hWnd); }
    if (Contains("paint")) return;
    log.push_back("paint");
    if (m_script == 0) {
      UpdateWindow(m_button.m_hWnd);  // its owner drawing comes through us now
      PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(kFirstList, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(m_first.m_hWnd));
      PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }
  }

  bool Contains(const std::string& entry) const {
    for (const std::string& e : log) {
      if (e == entry) return true;
    }
    return false;
  }

 private:
  int m_script;
};

bool Contains(const std::vector<std::string>& log, const std::string& entry) {
  for (const std::string& e : log) {
    if (e == entry) return true;
  }
  return false;
}

std::size_t IndexOf(const std::vector<std::string>& log, const std::string& entry) {
  for (std::size_t i = 0; i < log.size(); ++i) {
    if (log[i] == entry) return i;
  }
  return log.size();
}

TEST(FrameworkDialog, BindsControlsBeforeInitAndEndsWithOkAfterSavingData) {
  CTestDialog dialog(0);
  EXPECT_EQ(dialog.DoModal(), IDOK);
  const auto& log = dialog.log;
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log[0], "exchange load unbound");
  EXPECT_LT(IndexOf(log, "exchange load unbound"), IndexOf(log, "init"));
  // Routed through OnCommand first, then the message map.
  EXPECT_LT(IndexOf(log, "command 1000 1"), IndexOf(log, "selchange 1"));
  EXPECT_TRUE(Contains(log, "command 1 0"));
  // OK saves the data (controls bound by then), then ends the dialog.
  EXPECT_LT(IndexOf(log, "ok"), IndexOf(log, "exchange save bound"));
  EXPECT_TRUE(Contains(log, "paint"));
  // The subclassed button saw the mouse and its owner drawing was reflected to it.
  EXPECT_TRUE(Contains(log, "move 5,7 1"));
  EXPECT_TRUE(Contains(log, "draw 1"));
  // The window is gone and the objects are let go.
  EXPECT_EQ(dialog.m_hWnd, nullptr);
  EXPECT_EQ(dialog.m_first.m_hWnd, nullptr);
  EXPECT_EQ(dialog.m_button.m_hWnd, nullptr);
}

TEST(FrameworkDialog, TakesCommandsBeforeRoutingAndEndsWithCancel) {
  CTestDialog dialog(1);
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_TRUE(Contains(dialog.log, "command 119 1025"));
  EXPECT_FALSE(Contains(dialog.log, "ok"));
  // Cancel does not save data.
  EXPECT_FALSE(Contains(dialog.log, "exchange save bound"));
}

TEST(FrameworkDialog, ReportsADialogThatCannotBeCreated) {
  CDialog missing(4242);
  EXPECT_EQ(missing.DoModal(), -1);
}

class FrameworkFiles : public testing::Test {
 protected:
  void Write(const std::string& bytes) {
    std::FILE* f = std::fopen(path_.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }
  void TearDown() override { std::remove(path_.c_str()); }
  std::string path_ = "framework-test-file.tmp";
};

TEST_F(FrameworkFiles, StdioFileReadsLinesOfAnyLengthWithEitherLineEnd) {
  const std::string longLine(1000, 'x');
  Write("first\r\nsecond\n\n" + longLine + "\n" + std::string("Adapter,150,118,300\0x\r\n", 23) +
        "last without end");
  CStdioFile file;
  ASSERT_TRUE(file.Open(path_.c_str()));
  std::string line;
  std::vector<std::string> lines;
  while (file.ReadString(line)) lines.push_back(line);
  const std::vector<std::string> expected = {"first", "second", "", longLine,
                                             std::string("Adapter,150,118,300\0x", 21), "last without end"};
  EXPECT_EQ(lines, expected);
  EXPECT_FALSE(file.ReadString(line));
  CStdioFile missing;
  EXPECT_FALSE(missing.Open("no-such-file.txt"));
  EXPECT_FALSE(missing.ReadString(line));
}

TEST_F(FrameworkFiles, FileReadsBytesUnchanged) {
  const std::string bytes("BM\r\n\0\x1a\xff", 7);
  Write(bytes);
  CFile file;
  ASSERT_TRUE(file.Open(path_.c_str()));
  EXPECT_EQ(file.GetLength(), 7u);
  char buffer[16] = {};
  EXPECT_EQ(file.Read(buffer, sizeof buffer), 7u);
  EXPECT_EQ(std::string(buffer, 7), bytes);
  EXPECT_EQ(file.Read(buffer, sizeof buffer), 0u);
  file.Close();
  EXPECT_FALSE(file.Open("no-such-file.bin"));
  EXPECT_EQ(file.GetLength(), 0u);
}

TEST(FrameworkClasses, CreatesRegisteredClassesByNameWithTheirBase) {
  CObject* object = CRuntimeClass::CreateObject("CTestButton");
  ASSERT_NE(object, nullptr);
  EXPECT_NE(dynamic_cast<CTestButton*>(object), nullptr);
  delete object;
  const CRuntimeClass* info = CRuntimeClass::FromName("CTestButton");
  ASSERT_NE(info, nullptr);
  EXPECT_EQ(info->m_pBaseClass, RUNTIME_CLASS(CButton));
  EXPECT_TRUE(info->IsDerivedFrom(RUNTIME_CLASS(CWnd)));
  EXPECT_FALSE(RUNTIME_CLASS(CWnd)->IsDerivedFrom(RUNTIME_CLASS(CButton)));
  EXPECT_EQ(CRuntimeClass::CreateObject("CButton"), nullptr);  // not creatable
  EXPECT_EQ(CRuntimeClass::CreateObject("CNoSuchClass"), nullptr);
}

TEST(FrameworkPaint, PaletteTakesOneTo256Entries) {
  PALETTEENTRY entries[257] = {};
  CPalette palette;
  EXPECT_FALSE(palette.CreatePalette(entries, 0));
  EXPECT_FALSE(palette.CreatePalette(entries, 257));
  EXPECT_TRUE(palette.CreatePalette(entries, 16));
  EXPECT_NE(palette.GetSafeHandle(), nullptr);
  const HDC screen = GetDC(nullptr);
  { CPaletteSelection selected(screen, palette.GetSafeHandle()); }
  ReleaseDC(nullptr, screen);
}

}  // namespace
