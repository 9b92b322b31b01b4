#pragma once

#include "platform/Stream.h"

// Decodes one payload from input (positioned at its header) and appends the
// file's bytes to output.
void DecodePayload(TStream& input, TStream& output);
