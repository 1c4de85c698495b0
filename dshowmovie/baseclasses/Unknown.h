#pragma once
// Non-delegating IUnknown base for COM objects that may be aggregated.
//
// Every object keeps two IUnknown faces: the non-delegating one
// (INonDelegatingUnknown, which owns the reference count and answers for the
// object itself) and the delegating IUnknown that its interfaces expose, which
// forwards to the owner: the outer object when aggregated, otherwise the
// object's own non-delegating face. DECLARE_IUNKNOWN writes the delegating
// methods into a class that derives from CUnknown and from COM interfaces.
#include <windows.h>
#include <objbase.h>

// COM objects end through their own Release, never by delete through an
// interface pointer, so the platform's interfaces have no virtual destructor.
// GCC's -Wnon-virtual-dtor is switched off around classes that implement
// them (each such class has a virtual destructor of its own).
#if defined(__GNUC__)
#define BASECLASSES_COM_CLASS_BEGIN \
  _Pragma("GCC diagnostic push") _Pragma("GCC diagnostic ignored \"-Wnon-virtual-dtor\"")
#define BASECLASSES_COM_CLASS_END _Pragma("GCC diagnostic pop")
#else
#define BASECLASSES_COM_CLASS_BEGIN
#define BASECLASSES_COM_CLASS_END
#endif

// The non-delegating IUnknown. Its three methods have the same slots and
// calling convention as IUnknown's, so a pointer to it can be handed out as an
// IUnknown (the COM binary layout makes that safe on every compiler that
// builds COM objects).
struct INonDelegatingUnknown {
  virtual HRESULT STDMETHODCALLTYPE NonDelegatingQueryInterface(REFIID riid, void** ppv) = 0;
  virtual ULONG STDMETHODCALLTYPE NonDelegatingAddRef() = 0;
  virtual ULONG STDMETHODCALLTYPE NonDelegatingRelease() = 0;

 protected:
  // Not deleted through this type, and no destructor slot in front of the
  // three methods above.
  ~INonDelegatingUnknown() = default;
};

class CUnknown : public INonDelegatingUnknown {
 public:
  // objectName is a debugging label and may be null. outer is the
  // controlling unknown when aggregated, otherwise null. The count starts at 0:
  // the creator takes the first reference (AddRef or QueryInterface).
  CUnknown(LPCTSTR objectName, IUnknown* outer);
  virtual ~CUnknown();
  CUnknown(const CUnknown&) = delete;
  CUnknown& operator=(const CUnknown&) = delete;

  // Hook: answers IID_IUnknown with the non-delegating face; derived classes
  // add their interfaces and call this for everything else.
  HRESULT STDMETHODCALLTYPE NonDelegatingQueryInterface(REFIID riid, void** ppv) override;
  ULONG STDMETHODCALLTYPE NonDelegatingAddRef() override;
  // Deletes the object when the count reaches zero.
  ULONG STDMETHODCALLTYPE NonDelegatingRelease() override;

  // The IUnknown that the delegating methods forward to.
  IUnknown* GetOwner() const { return owner_; }

 protected:
  volatile LONG m_cRef = 0;

 private:
  IUnknown* const owner_;  // not counted: the outer object owns us, or it is ourselves
};

// Hands out pUnk (any interface of the object) through ppv with a new
// reference. E_POINTER when ppv is null.
HRESULT GetInterface(IUnknown* pUnk, void** ppv);

// The delegating IUnknown methods of a class derived from CUnknown.
#define DECLARE_IUNKNOWN                                                           \
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {     \
    return GetOwner()->QueryInterface(riid, ppv);                                  \
  }                                                                                \
  ULONG STDMETHODCALLTYPE AddRef() override { return GetOwner()->AddRef(); }       \
  ULONG STDMETHODCALLTYPE Release() override { return GetOwner()->Release(); }
