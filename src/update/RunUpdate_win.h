#pragma once

#include <string>

// Writes the three files of the update into gameDirectory, decoded from the
// payloads that this executable carries as RCDATA resources.
void RunUpdate(const std::string& gameDirectory);
