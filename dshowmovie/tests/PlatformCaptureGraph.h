#pragma once
// The platform's own capture path for a movie file, the baseline that
// Rushlight's graphs are measured against: the file's source, the Sample
// Grabber taking 24-bit RGB and the Null Renderer, connected, not yet run.
// Released as the library releases its own graphs, with the graph's clock
// kept awake (ClockWake), so that the platform's clock fault cannot hang a
// test in its baseline either.
#include <windows.h>
#include <dshow.h>
#include <qedit.h>

#include <string>

#include "ClockWake.h"
#include "win32/ComPtr.h"

namespace librarytest {

struct PlatformCaptureGraph {
  PlatformCaptureGraph() = default;
  ~PlatformCaptureGraph() { wake.Arm(graph.Get()); }
  PlatformCaptureGraph(const PlatformCaptureGraph&) = delete;
  PlatformCaptureGraph& operator=(const PlatformCaptureGraph&) = delete;

  rushlight::ClockWake wake;  // destroyed after the graph
  common::ComPtr<IGraphBuilder> graph;
  common::ComPtr<ISampleGrabber> grabbing;  // the grabber, for its connected type
  common::ComPtr<IMediaControl> control;
};

// A file name in the ANSI code page as the platform's objects take it.
std::wstring Wide(const std::string& narrow);

// Builds the graph for `fileName`; `callback` (may be null) gets each
// sample through ISampleGrabberCB::SampleCB. False when any step fails.
bool BuildPlatformCaptureGraph(const std::wstring& fileName, ISampleGrabberCB* callback,
                               PlatformCaptureGraph* built);

}  // namespace librarytest
