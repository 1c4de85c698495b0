#pragma once
// CEnumPins: IEnumPins over the pins of a CBaseFilter. It holds a reference
// to the filter, so the pins it hands out stay valid while it lives.
#include <windows.h>
#include <dshow.h>

#include "Unknown.h"

class CBaseFilter;

BASECLASSES_COM_CLASS_BEGIN
class CEnumPins : public CUnknown, public IEnumPins {
 public:
  // Starts at pin position; used by CBaseFilter::EnumPins and Clone.
  CEnumPins(CBaseFilter* filter, int position);
  ~CEnumPins() override;

  DECLARE_IUNKNOWN
  HRESULT STDMETHODCALLTYPE NonDelegatingQueryInterface(REFIID riid, void** ppv) override;

  HRESULT STDMETHODCALLTYPE Next(ULONG cPins, IPin** ppPins, ULONG* pcFetched) override;
  HRESULT STDMETHODCALLTYPE Skip(ULONG cPins) override;
  HRESULT STDMETHODCALLTYPE Reset() override;
  HRESULT STDMETHODCALLTYPE Clone(IEnumPins** ppEnum) override;

 private:
  CBaseFilter* const filter_;  // counted: AddRef in the constructor, Release in the destructor
  int position_;
};
BASECLASSES_COM_CLASS_END
