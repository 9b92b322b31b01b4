// The commands of payload-pack; each takes the arguments after its name and
// returns the exit status. Failures are raised as CliError.
#pragma once

#include <string>
#include <vector>

using Arguments = std::vector<std::string>;

int PackCommand(const Arguments& args);
int UnpackCommand(const Arguments& args);
int InfoCommand(const Arguments& args);
int BenchCommand(const Arguments& args);
