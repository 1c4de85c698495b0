#pragma once
// The DirectShow filter base classes in one include: the platform's
// DirectShow headers and every class of this library.
#include <windows.h>
#include <dshow.h>

#include "BaseFilter.h"
#include "BaseInputPin.h"
#include "BaseRenderer.h"
#include "BaseVideoRenderer.h"
#include "CritSec.h"
#include "EnumMediaTypes.h"
#include "EnumPins.h"
#include "FactoryTemplate.h"
#include "MediaType.h"
#include "PosPassThru.h"
#include "RendererInputPin.h"
#include "Unknown.h"
