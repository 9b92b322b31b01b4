// The groups of cases; the driver runs the groups named on its command line.
#pragma once

#include "Setup.h"

void RunUpdateCases(const Setup& setup);
void RunFailureCases(const Setup& setup);
void RunInstanceCases(const Setup& setup);
void RunRegistryCases(const Setup& setup);
void RunPlacementCases(const Setup& setup);
void RunWindowCases(const Setup& setup);
void RunBannerCases(const Setup& setup);
void RunTextCases(const Setup& setup);
// Not a test: one update for the demo, with a picture and figures; the
// updater's exit code, or 1 when the run did not get that far.
int RunDemo(const Setup& setup);
