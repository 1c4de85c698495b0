#pragma once
// CLauncherDlg: the launcher's one dialog, drawn from bitmaps and laid out by
// DialogData/Config.dat: a background, OK and Cancel hover buttons, the list
// of display adapters and the list of resolutions. Every change of a list's
// selection is stored at once in the game's options.
#include <windows.h>

#include "ComboBox.h"
#include "Dialog.h"
#include "DialogLayout.h"
#include "DibBitmap.h"
#include "Direct3DAdapterSource.h"
#include "DisplayOptions.h"
#include "FatalError.h"
#include "HoverButton.h"
#include "RegistryOptionsStore.h"
#include "StdioLineSource.h"

class CLauncherDlg : public CDialog {
 public:
  explicit CLauncherDlg(CWnd* parent = nullptr);

 protected:
  void DoDataExchange(CDataExchange* exchange) override;
  BOOL OnInitDialog() override;
  void OnPaint() override;
  HCURSOR OnQueryDragIcon() override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  BOOL OnCmdMsg(UINT id, UINT code) override;
  void OnSelchangeAdapter();
  void OnSelchangeResolution();

 private:
  CComboBox m_resolutionList;
  CComboBox m_adapterList;
  HICON m_hIcon;  // shared resource icon, not owned
  CDibBitmap m_background;
  CHoverButton m_okButton;
  CHoverButton m_cancelButton;

  // Where the lists' entries come from and their choices go.
  CDirect3DAdapterSource m_adapters;
  CRegistryOptionsStore m_store;
  CDisplayOptions m_options{m_adapters, m_store};
};

// The layout of this process (read by the dialog's initialisation on first use).
const CDialogLayout& LauncherLayout();
