#pragma once
// A filter graph of the platform's filter graph manager with a test movie's
// source filter connected to a given renderer's "In" pin.
#include <windows.h>
#include <dshow.h>

#include <string>

#include "win32/ComPtr.h"

namespace basetest {

using common::ComPtr;

// A test movie by name as a Windows path; "" when TEST_MOVIE_DIR is unset.
std::wstring TestMovie(const wchar_t* name);

struct TestGraph {
  // Creates the graph, adds the renderer and a source filter for the movie
  // and connects the source's "Output" to the renderer's "In". Returns the
  // result of the first step that failed (the Connect result at the end).
  HRESULT Build(IBaseFilter* renderer, const wchar_t* movieName);
  // IMediaFilter::SetSyncSource(nullptr) on the graph: no clock.
  HRESULT RunWithoutClock();
  // Waits for EC_COMPLETE (or another completion event); returns its code, or
  // 0 on a time-out.
  long WaitForEnd(long milliseconds);
  // Seeks the graph back to the start.
  HRESULT Rewind();

  ComPtr<IGraphBuilder> graph;
  ComPtr<IMediaControl> control;
  ComPtr<IMediaEvent> events;
  ComPtr<IMediaFilter> mediaFilter;
  ComPtr<IMediaSeeking> seeking;
};

// Number of kernel handles the process holds.
DWORD HandleCount();

}  // namespace basetest
