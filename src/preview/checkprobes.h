#pragma once

#include "model/gamesetcheck.h"

// The check engine's probes that need fonts and picture decoders: the preview
// fit as the window measures it, and a picture file's header. Needs a
// QGuiApplication.
CheckProbes PreviewCheckProbes();
