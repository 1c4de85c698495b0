#pragma once
// Run-time class information: classes registered with
// IMPLEMENT_DYNCREATE can be created by name and know their base class.
#include <cstring>

class CObject {
 public:
  virtual ~CObject() = default;
};

struct CRuntimeClass {
  const char* m_lpszClassName;
  CObject* (*m_pfnCreateObject)();
  const CRuntimeClass* m_pBaseClass;
  const CRuntimeClass* m_pNextClass;  // the registry's chain

  // A new object of the registered class with that name (owned by the
  // caller), or null when no such class is registered.
  static CObject* CreateObject(const char* className);
  // The registered class with that name, or null.
  static const CRuntimeClass* FromName(const char* className);
  bool IsDerivedFrom(const CRuntimeClass* base) const;
};

// Adds a class to the registry at start-up.
struct CRuntimeClassRegistration {
  explicit CRuntimeClassRegistration(CRuntimeClass* runtimeClass);
};

#define DECLARE_DYNCREATE(ClassName)              \
 public:                                          \
  static CRuntimeClass class##ClassName;          \
  static CObject* CreateObject();

#define IMPLEMENT_DYNCREATE(ClassName, BaseName)                                              \
  CObject* ClassName::CreateObject() { return new ClassName; }                                \
  CRuntimeClass ClassName::class##ClassName = {#ClassName, &ClassName::CreateObject,          \
                                               &BaseName::class##BaseName, nullptr};          \
  static CRuntimeClassRegistration registration##ClassName(&ClassName::class##ClassName);

// Class information without creation by name, for base classes.
#define DECLARE_DYNAMIC(ClassName) \
 public:                           \
  static CRuntimeClass class##ClassName;

#define IMPLEMENT_DYNAMIC(ClassName, BaseClassInfo)                                    \
  CRuntimeClass ClassName::class##ClassName = {#ClassName, nullptr, BaseClassInfo, nullptr}; \
  static CRuntimeClassRegistration registration##ClassName(&ClassName::class##ClassName);

#define RUNTIME_CLASS(ClassName) (&ClassName::class##ClassName)
