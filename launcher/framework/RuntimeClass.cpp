#include "RuntimeClass.h"

namespace {
const CRuntimeClass* g_firstClass = nullptr;  // the registry, a chain through m_pNextClass
}  // namespace

CRuntimeClassRegistration::CRuntimeClassRegistration(CRuntimeClass* runtimeClass) {
  runtimeClass->m_pNextClass = g_firstClass;
  g_firstClass = runtimeClass;
}

const CRuntimeClass* CRuntimeClass::FromName(const char* className) {
  for (const CRuntimeClass* c = g_firstClass; c != nullptr; c = c->m_pNextClass) {
    if (std::strcmp(c->m_lpszClassName, className) == 0) return c;
  }
  return nullptr;
}

CObject* CRuntimeClass::CreateObject(const char* className) {
  const CRuntimeClass* c = FromName(className);
  return c != nullptr && c->m_pfnCreateObject != nullptr ? c->m_pfnCreateObject() : nullptr;
}

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const {
  for (const CRuntimeClass* c = this; c != nullptr; c = c->m_pBaseClass) {
    if (c == base) return true;
  }
  return false;
}
