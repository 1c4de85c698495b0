#ifndef TAMSK_SDK_H
#define TAMSK_SDK_H

/*
 * tamsk_sdk: decoder of movies in the tamsk container (byte layout in README.md).
 *
 * A host makes a handle with Qor_New, opens a movie from memory or from a file,
 * decodes it picture by picture into locked surface memory, takes each frame's
 * PCM sound, and frees the handle with Qor_Delete. Everything crossing the DLL
 * border is a plain type; the interface works from GCC- and MSVC-built code.
 *
 * Calling conventions: the two free functions are __cdecl (undecorated export
 * names "Qor_New" and "Qor_Delete"); the virtual operations of QOR_HANDLE are
 * __stdcall, as COM interfaces are, so both compilers agree on them.
 */

#if defined(_WIN32)
#  if defined(TAMSK_SDK_BUILDING)
#    define TAMSK_SDK_API __declspec(dllexport)
#  else
#    define TAMSK_SDK_API __declspec(dllimport)
#  endif
#  define TAMSK_SDK_CDECL __cdecl
#  define TAMSK_SDK_STDCALL __stdcall
#else
#  if defined(__GNUC__)
#    define TAMSK_SDK_API __attribute__((visibility("default")))
#  else
#    define TAMSK_SDK_API
#  endif
#  define TAMSK_SDK_CDECL
#  define TAMSK_SDK_STDCALL
#endif

/* Pixel layouts of locked surface memory. Hosts that define this enumeration
 * themselves with the same values define QOR_SURFACE_TYPE_DEFINED first. */
#ifndef QOR_SURFACE_TYPE_DEFINED
#define QOR_SURFACE_TYPE_DEFINED
enum QOR_SURFACE_TYPE : int {
  QOR_SURFACE_RGB555 = 1,        /* 16 bits: 0RRRRRGG GGGBBBBB, little-endian word */
  QOR_SURFACE_RGB565 = 2,        /* 16 bits: RRRRRGGG GGGBBBBB, little-endian word */
  QOR_SURFACE_RGB32 = 3,         /* 32 bits: bytes blue, green, red, 0xFF */
  QOR_SURFACE_NONE = 0x7FFFFFFF  /* no surface: decoding skips the picture */
};
#endif

/* Results of Open_Memory and Open_Path. */
enum QOR_RESULT : int {
  QOR_OK = 0,
  QOR_ERROR_OPEN = 1,          /* the file cannot be opened or read (missing, no access, no path) */
  QOR_ERROR_DAMAGED = 2,       /* not a tamsk movie, or a damaged one */
  QOR_ERROR_VERSION = 3,       /* a tamsk movie of a format version this decoder does not know */
  QOR_ERROR_ARGUMENT = 4,      /* null data with a non-zero size, or options of an unknown size */
  QOR_ERROR_MEMORY = 5,        /* not enough memory for the movie */
  QOR_ERROR_TOO_LARGE = 6      /* the file is larger than the decoder accepts (512 MiB) */
};

/* Options of an open; a null pointer means all defaults. */
struct QOR_OVERLOAD {
  unsigned int Size;   /* sizeof(QOR_OVERLOAD) */
  unsigned int Flags;  /* QOR_OVERLOAD_FLAGS, or-ed together */
};

enum QOR_OVERLOAD_FLAGS : unsigned int {
  QOR_OVERLOAD_LOOP = 1  /* Decode_Next_Frame starts again at frame 0 after the last frame */
};

/*
 * A decoder handle. Slot order of the virtual operations is part of the
 * interface; the first three are fixed for every host.
 *
 * Frames: after an open and after Rewind the next frame is frame 0.
 * Decode_Next_Frame decodes the next frame, makes it the current frame (whose
 * sound Get_Sound returns) and moves on. A failed open leaves the handle closed;
 * an open on an open handle closes the old movie first.
 *
 * Memory: Open_Memory copies the movie, so the caller may free its block as
 * soon as the call returns. Sound pointers stay valid until the next open,
 * Close or Qor_Delete.
 *
 * The handle is used from one thread at a time.
 */
class QOR_HANDLE {
 public:
  /* Opens a whole movie held in memory (size bytes at data; data is only read).
   * Returns a QOR_RESULT. */
  virtual int TAMSK_SDK_STDCALL Open_Memory(void* data, unsigned int size, QOR_OVERLOAD* options) = 0;
  /* Opens a movie file named by a zero-terminated path in the ANSI code page.
   * Returns a QOR_RESULT: QOR_ERROR_OPEN when the file cannot be opened. */
  virtual int TAMSK_SDK_STDCALL Open_Path(const char* path, QOR_OVERLOAD* options) = 0;
  /* Closes the movie; nothing happens without one. */
  virtual void TAMSK_SDK_STDCALL Close() = 0;

  /* Picture size in pixels; 0 without a movie. */
  virtual unsigned int TAMSK_SDK_STDCALL Get_Width() const = 0;
  virtual unsigned int TAMSK_SDK_STDCALL Get_Height() const = 0;
  /* Frames per second as numerator / denominator; false (and 0, 1) without a movie. */
  virtual bool TAMSK_SDK_STDCALL Get_Frame_Rate(unsigned int* numerator, unsigned int* denominator) const = 0;
  /* Number of frames; 0 without a movie. */
  virtual unsigned int TAMSK_SDK_STDCALL Get_Frame_Count() const = 0;
  /* Index of the frame the next Decode_Next_Frame decodes: 0 after an open or
   * Rewind, Get_Frame_Count() after the last frame. */
  virtual unsigned int TAMSK_SDK_STDCALL Get_Frame_Index() const = 0;
  /* Decodes the next frame's picture into locked memory: pixel (0, 0) at pixels,
   * rows pitch bytes apart (negative for rows that run upwards), in the layout
   * given. Writes only the width x height pixels of the picture. With
   * QOR_SURFACE_NONE the picture is skipped (pixels and pitch are not used) and
   * the frame still becomes current. Returns false, and stays where it is, at
   * the end of the movie (unless looping), without a movie, for null pixels,
   * a pitch smaller than a row or an unknown layout. */
  virtual bool TAMSK_SDK_STDCALL Decode_Next_Frame(void* pixels, int pitch, QOR_SURFACE_TYPE type) = 0;
  /* Sound format of the movie: PCM, interleaved channels, 8-bit unsigned or
   * 16-bit signed little-endian samples. False (and zeros) when the movie has
   * no sound or there is no movie. */
  virtual bool TAMSK_SDK_STDCALL Get_Sound_Format(unsigned int* channels, unsigned int* samplesPerSecond,
                                                  unsigned int* bitsPerSample) const = 0;
  /* The current frame's PCM bytes. False (and null, 0) before the first
   * Decode_Next_Frame after an open or Rewind, and when the movie has no sound.
   * A frame of a movie with sound may hold 0 bytes. */
  virtual bool TAMSK_SDK_STDCALL Get_Sound(const void** data, unsigned int* bytes) const = 0;
  /* Goes back to frame 0; there is no current frame afterwards. */
  virtual void TAMSK_SDK_STDCALL Rewind() = 0;

 protected:
  /* Handles are freed with Qor_Delete only. */
  ~QOR_HANDLE() {}
};

extern "C" {
/* A new handle without a movie, or null when there is no memory for one. */
TAMSK_SDK_API QOR_HANDLE* TAMSK_SDK_CDECL Qor_New(void);
/* Closes and frees a handle from Qor_New; null is ignored. */
TAMSK_SDK_API void TAMSK_SDK_CDECL Qor_Delete(QOR_HANDLE* handle);
}

#endif /* TAMSK_SDK_H */
