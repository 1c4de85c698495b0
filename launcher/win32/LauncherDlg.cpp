#include "LauncherDlg.h"

#include <mmsystem.h>

#include <cstdio>

#include "PaintDC.h"
#include "WinApp.h"
#include "resource.h"

const CDialogLayout& LauncherLayout() {
  static CStdioLineSource file;
  static CWin32FatalErrorSink sink;
  const CDialogLayout* layout = CDialogLayout::GetLayout(file, sink);
  if (layout == nullptr) FatalError("The dialog layout could not be read.");  // the sink never returns
  return *layout;
}

namespace {

void PlayAsync(const std::string& file) {
  if (!file.empty()) PlaySoundA(file.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
}

void PlaySync(const std::string& file) {
  if (!file.empty()) PlaySoundA(file.c_str(), nullptr, SND_FILENAME | SND_SYNC | SND_NODEFAULT);
}

// Moves a list to its layout place; its height stays that of its selection field.
void PlaceList(CComboBox& list, const ControlPlacement& placement) {
  RECT client = {};
  list.GetClientRect(&client);
  list.SetWindowPos(nullptr, placement.x, placement.y, placement.width, client.bottom - client.top,
                    SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}

void FillList(CComboBox& list, const ListChoice& choice) {
  for (const std::string& entry : choice.entries) list.AddString(entry.c_str());
  list.SetCurSel(choice.selection);
}

}  // namespace

CLauncherDlg::CLauncherDlg(CWnd* parent)
    : CDialog(IDD_LAUNCHER_DIALOG, parent), m_hIcon(LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDI_LAUNCHER))) {}

void CLauncherDlg::DoDataExchange(CDataExchange* exchange) {
  CDialog::DoDataExchange(exchange);
  DDX_Control(exchange, IDC_RESOLUTION, m_resolutionList);
  DDX_Control(exchange, IDC_ADAPTER, m_adapterList);
}

BOOL CLauncherDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetIcon(m_hIcon, TRUE);
  SetIcon(m_hIcon, FALSE);

  const CDialogLayout& layout = LauncherLayout();

  char appName[64] = {};
  LoadStringA(AfxGetResourceHandle(), IDS_APP_NAME, appName, sizeof appName);
  SetWindowText(appName);

  if (!m_background.Load(layout.backgroundImage.c_str())) FatalError("Failed to load background bitmap!");
  SetWindowPos(nullptr, 0, 0, m_background.GetWidth(), m_background.GetHeight(),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);

  for (const ButtonInfo& info : layout.buttons) {
    CHoverButton* button = nullptr;
    if (info.id == IDOK) button = &m_okButton;
    if (info.id == IDCANCEL) button = &m_cancelButton;
    if (button == nullptr) {
      char text[96];
      std::snprintf(text, sizeof text, "A button with an unsupported ID of %u has been used!",
                    static_cast<unsigned>(info.id));
      FatalError(text);
    }
    if (!button->Create(info.NormalImage.c_str(), info.HighlightImage.c_str(), info.SelectedImage.c_str(), info.x,
                        info.y, this, static_cast<UINT>(info.id))) {
      FatalError("Failed to create a button!");
    }
  }

  PlaceList(m_adapterList, layout.adapterPlacement);
  FillList(m_adapterList, m_options.SetupAdapterList());
  PlaceList(m_resolutionList, layout.resolutionPlacement);
  FillList(m_resolutionList, m_options.SetupResolutionList());

  CenterWindow();
  m_adapterList.SetFocus();
  PlayAsync(layout.startSound);
  return TRUE;
}

void CLauncherDlg::OnPaint() {
  if (IsIconic()) {
    CPaintDC dc(m_hWnd);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.m_hDC), 0);
    RECT client = {};
    GetClientRect(&client);
    const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc.m_hDC, x, y, m_hIcon);
    return;
  }
  CPaintDC dc(m_hWnd);
  RECT client = {};
  GetClientRect(&client);
  FillRect(dc.m_hDC, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  m_background.Draw(dc.m_hDC, 0, 0);
}

HCURSOR CLauncherDlg::OnQueryDragIcon() { return static_cast<HCURSOR>(m_hIcon); }

BOOL CLauncherDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  const UINT id = LOWORD(wParam);
  const UINT code = HIWORD(wParam);
  if (code == HBN_HOVER) {
    PlayAsync(LauncherLayout().hoverSound);
    return TRUE;
  }
  if (code == 0) {
    // OK and Cancel play to the end before the dialog closes.
    const std::string& sound = LauncherLayout().FindButton(static_cast<std::int32_t>(id)).Wav;
    if (id == IDOK || id == IDCANCEL) {
      PlaySync(sound);
    } else {
      PlayAsync(sound);
    }
  }
  return CDialog::OnCommand(wParam, lParam);
}

BOOL CLauncherDlg::OnCmdMsg(UINT id, UINT code) {
  if (code != CBN_SELCHANGE) return FALSE;
  if (id == IDC_ADAPTER) {
    OnSelchangeAdapter();
    return TRUE;
  }
  if (id == IDC_RESOLUTION) {
    OnSelchangeResolution();
    return TRUE;
  }
  return FALSE;
}

void CLauncherDlg::OnSelchangeAdapter() { m_options.OnSelchangeAdapter(m_adapterList.GetCurSel()); }

void CLauncherDlg::OnSelchangeResolution() { m_options.OnSelchangeResolution(m_resolutionList.GetCurSel()); }
