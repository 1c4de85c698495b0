#pragma once
// CEnumMediaTypes: IEnumMediaTypes over the preferred types of a
// CBaseInputPin (its GetMediaType hook). It holds a reference to the pin,
// which keeps the filter alive.
#include <windows.h>
#include <dshow.h>

#include "Unknown.h"

class CBaseInputPin;

BASECLASSES_COM_CLASS_BEGIN
class CEnumMediaTypes : public CUnknown, public IEnumMediaTypes {
 public:
  CEnumMediaTypes(CBaseInputPin* pin, int position);
  ~CEnumMediaTypes() override;

  DECLARE_IUNKNOWN
  HRESULT STDMETHODCALLTYPE NonDelegatingQueryInterface(REFIID riid, void** ppv) override;

  // Each type handed out is a new record in COM task memory (DeleteMediaType).
  HRESULT STDMETHODCALLTYPE Next(ULONG cMediaTypes, AM_MEDIA_TYPE** ppMediaTypes,
                                 ULONG* pcFetched) override;
  HRESULT STDMETHODCALLTYPE Skip(ULONG cMediaTypes) override;
  HRESULT STDMETHODCALLTYPE Reset() override;
  HRESULT STDMETHODCALLTYPE Clone(IEnumMediaTypes** ppEnum) override;

 private:
  CBaseInputPin* const pin_;  // counted: AddRef in the constructor, Release in the destructor
  int position_;
};
BASECLASSES_COM_CLASS_END
