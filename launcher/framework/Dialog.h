#pragma once
// CDialog: a modal dialog run from a dialog resource. Messages reach the
// object in this order: WM_INITDIALOG (OnInitDialog, whose default binds the
// controls through DoDataExchange), WM_PAINT (OnPaint), WM_QUERYDRAGICON
// (OnQueryDragIcon), and every WM_COMMAND through OnCommand, which derived
// dialogs may override to see commands before the normal routing. The normal
// routing asks OnCmdMsg (the derived dialog's message map) first, then ends
// the dialog for OK (after saving data) and Cancel. WM_DRAWITEM is reflected
// to the child control's object.
#include <windows.h>

#include "Wnd.h"

class CDialog;

// The direction of a data exchange and the dialog it is for.
class CDataExchange {
 public:
  CDataExchange(CDialog* dialog, BOOL saveAndValidate) : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}
  CDialog* m_pDlgWnd;
  BOOL m_bSaveAndValidate;
};

// Binds the dialog's control `id` to `control` (subclassing it), once.
void DDX_Control(CDataExchange* exchange, int id, CWnd& control);

class CDialog : public CWnd {
 public:
  explicit CDialog(UINT templateId, CWnd* parent = nullptr);
  ~CDialog() override;

  // Runs the dialog; returns the value it was ended with, or -1 when the
  // dialog could not be created.
  virtual INT_PTR DoModal();
  void EndDialog(INT_PTR result);
  // Runs DoDataExchange in the given direction.
  BOOL UpdateData(BOOL saveAndValidate = TRUE);

 protected:
  virtual BOOL OnInitDialog();
  virtual void DoDataExchange(CDataExchange* exchange);
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  // The message map: true when a handler took the command.
  virtual BOOL OnCmdMsg(UINT id, UINT code);
  virtual void OnOK();
  virtual void OnCancel();
  virtual void OnPaint();
  virtual HCURSOR OnQueryDragIcon();

  UINT m_templateId;
  CWnd* m_pParentWnd;  // not owned

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
};
