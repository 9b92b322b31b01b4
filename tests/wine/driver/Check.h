// The driver's small check framework, in the manner of Wine's own tests: a
// check that fails prints what was expected, what was found and the line of
// the check, and the case goes on so that one run shows every difference.
// REQUIRE stops the case when going on makes no sense (no window to look at).
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace check {

// Printable forms, in UTF-8, of the values that cases compare. Narrow texts
// are code page 932, as everywhere in the driver.
std::string Describe(long long value);
std::string Describe(const std::string& text);
std::string Describe(const std::vector<std::string>& texts);
std::string Describe(const std::wstring& text);
std::string Describe(const RECT& rect);
std::string Describe(bool value);
inline std::string Describe(int value) { return Describe(static_cast<long long>(value)); }
inline std::string Describe(long value) { return Describe(static_cast<long long>(value)); }
inline std::string Describe(unsigned value) { return Describe(static_cast<long long>(value)); }
inline std::string Describe(unsigned long value) { return Describe(static_cast<long long>(value)); }
inline std::string Describe(unsigned long long value) { return Describe(static_cast<long long>(value)); }

bool operator==(const RECT& a, const RECT& b);

// what is UTF-8.
void Fail(const char* file, int line, const std::string& what);
std::string Utf8Expression(const char* expression);

// Where a shared step was called from. Taken as a defaulted argument, it
// holds the caller's line.
struct Where {
    const char* file;
    int line;
    static Where Here(const char* file = __builtin_FILE(), int line = __builtin_LINE()) { return {file, line}; }
};

// While a shared step runs, its failures also name the line of the case
// that called it.
class CallerScope {
public:
    explicit CallerScope(Where caller);
    CallerScope(const CallerScope&) = delete;
    CallerScope& operator=(const CallerScope&) = delete;
    ~CallerScope();
};

// Thrown by REQUIRE; ends the current case only.
struct CaseAborted {};

template <typename Expected, typename Actual>
bool Equal(const Expected& expected, const Actual& actual, const char* expression, const char* file, int line) {
    if (expected == actual) return true;
    Fail(file, line, Utf8Expression(expression) + ": expected " + Describe(expected) + ", got " + Describe(actual));
    return false;
}

bool True(bool condition, const char* expression, const char* file, int line);

// Runs one case: prints "ok   name" or "FAIL name" after its failures. The
// name is code page 932.
void RunCase(const std::string& name, const std::function<void()>& body);
// Prints "N passed, N failed" on a line of its own; the process exit code.
int Summary();

}  // namespace check

#define CHECK(condition) ::check::True(static_cast<bool>(condition), #condition, __FILE__, __LINE__)
#define CHECK_EQ(expected, actual) ::check::Equal((expected), (actual), #actual, __FILE__, __LINE__)
#define REQUIRE(condition)                                   \
    do {                                                     \
        if (!CHECK(condition)) throw ::check::CaseAborted{}; \
    } while (0)
