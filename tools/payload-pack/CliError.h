// A failure that payload-pack reports in one line on stderr.
#pragma once

#include <stdexcept>

class CliError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
