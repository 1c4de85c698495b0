#pragma once
// Factory templates: the table through which a filter library names the COM
// objects it can make. Each entry gives an object's name, class identifier
// and creation function; a class factory built on the table finds an entry
// by class identifier and calls its creation function. The library that
// links these base classes defines the table (g_Templates, g_cTemplates).
#include <windows.h>
#include <strmif.h>

#include "Unknown.h"

// Set-up data for registering a filter: its class, name, merit and pins.
// A filter that is never registered gives none.
typedef REGFILTERPINS AMOVIESETUP_PIN;
typedef struct _AMOVIESETUP_FILTER {
  const CLSID* clsID;
  const WCHAR* strName;
  DWORD dwMerit;
  UINT nPins;
  const AMOVIESETUP_PIN* lpPin;
} AMOVIESETUP_FILTER;

// Makes one object, aggregated by `outer` when it is not null. The object
// comes with no reference (the caller takes the first). Returns null when
// memory is exhausted; a failure while the object was built is reported
// through *phr, and such an object is the caller's to delete.
typedef CUnknown*(CALLBACK* LPFNNewCOMObject)(LPUNKNOWN pUnkOuter, HRESULT* phr);
// Called when the library is loaded (TRUE) and unloaded (FALSE).
typedef void(CALLBACK* LPFNInitRoutine)(BOOL bLoading, const CLSID* rclsid);

class CFactoryTemplate {
 public:
  const WCHAR* m_Name;
  const CLSID* m_ClsID;
  LPFNNewCOMObject m_lpfnNew;
  LPFNInitRoutine m_lpfnInit;
  const AMOVIESETUP_FILTER* m_pAMovieSetup_Filter;

  BOOL IsClassID(REFCLSID rclsid) const {
    return m_ClsID != nullptr && IsEqualCLSID(*m_ClsID, rclsid);
  }
  CUnknown* CreateInstance(LPUNKNOWN pUnk, HRESULT* phr) const { return m_lpfnNew(pUnk, phr); }
};

// The table and its length, defined by the library that uses the base classes.
extern CFactoryTemplate g_Templates[];
extern int g_cTemplates;
