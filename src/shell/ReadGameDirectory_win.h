#pragma once

// Reads GameDirectory from the current user's registry.
void ReadGameDirectory();
