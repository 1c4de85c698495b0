#pragma once
// Media type helpers: free, copy, create and delete AM_MEDIA_TYPE records,
// and CMediaType, an AM_MEDIA_TYPE that owns a deep copy of its format block
// and object reference.
#include <windows.h>
#include <dshow.h>

// Frees the format block (COM task memory) and releases the object reference
// of mt, leaving both empty. The record itself is not freed.
void WINAPI FreeMediaType(AM_MEDIA_TYPE& mt);
// FreeMediaType, then frees the record (COM task memory). Null is ignored.
void WINAPI DeleteMediaType(AM_MEDIA_TYPE* pmt);
// Deep copy of source into target (which must not own anything): the format
// block is duplicated in COM task memory and the object reference added.
// E_OUTOFMEMORY leaves target without a format block or object.
HRESULT WINAPI CopyMediaType(AM_MEDIA_TYPE* target, const AM_MEDIA_TYPE* source);
// A new record in COM task memory holding a deep copy of source, or null.
AM_MEDIA_TYPE* WINAPI CreateMediaType(const AM_MEDIA_TYPE* source);

class CMediaType : public AM_MEDIA_TYPE {
 public:
  // An empty type: all GUIDs null, fixed-size samples of 1 byte, no format.
  CMediaType();
  // A type with only the major type set.
  explicit CMediaType(const GUID* majorType);
  // Deep copies. When memory runs out the result is an empty type (IsValid
  // is false) rather than a type that claims a format block it lacks.
  CMediaType(const AM_MEDIA_TYPE& other);  // NOLINT: implicit like the record it wraps
  CMediaType(const CMediaType& other);
  CMediaType& operator=(const AM_MEDIA_TYPE& other);
  CMediaType& operator=(const CMediaType& other);
  ~CMediaType();

  // Replaces this type with a deep copy of other; E_OUTOFMEMORY leaves it empty.
  HRESULT Set(const AM_MEDIA_TYPE& other);
  // Major, sub and format types equal and format blocks byte for byte equal.
  bool operator==(const CMediaType& other) const;
  bool operator!=(const CMediaType& other) const { return !(*this == other); }

  // True when the major type is set.
  bool IsValid() const;
  const GUID* Type() const { return &majortype; }
  const GUID* Subtype() const { return &subtype; }
  const GUID* FormatType() const { return &formattype; }
  BYTE* Format() const { return pbFormat; }
  ULONG FormatLength() const { return cbFormat; }
  void SetType(const GUID* type) { majortype = *type; }
  void SetSubtype(const GUID* type) { subtype = *type; }
  void SetFormatType(const GUID* type) { formattype = *type; }
  // Replaces the format block with a copy of length bytes of format.
  bool SetFormat(const BYTE* format, ULONG length);
  // Replaces the format block with length uninitialised bytes; null on failure.
  BYTE* AllocFormatBuffer(ULONG length);
  // Frees the format block and the object reference; the GUIDs stay.
  void ResetFormatBuffer();
  // Forgets everything without freeing it (for a record that owns nothing).
  void InitMediaType();
};
