// Whole-file reads and all-or-nothing writes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The file's bytes. Raises CliError when it cannot be read or holds 2^31
// bytes or more, which no payload size field can describe.
std::vector<std::uint8_t> ReadWholeFile(const std::string& path);

// Writes to a temporary file beside `path`, then renames it over `path`, so
// that a failure leaves no partial file. Raises CliError.
void WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);
