#include "Check.h"

#include <cstdio>
#include <exception>
#include <vector>

#include "Text.h"

namespace check {
namespace {
int passed = 0;
int failed = 0;
int failuresInCase = 0;
std::vector<Where> callers;

std::string BaseName(const char* path) {
    std::string name(path);
    const auto slash = name.find_last_of("/\\");
    if (slash != std::string::npos) name.erase(0, slash + 1);
    return name;
}

void PrintLine(const std::string& line) {
    std::fputs((line + "\n").c_str(), stdout);
    std::fflush(stdout);
}
}  // namespace

std::string Describe(long long value) { return std::to_string(value); }
std::string Describe(const std::string& text) { return "\"" + Utf8FromCp932(text) + "\""; }
std::string Describe(const std::vector<std::string>& texts) {
    std::string list;
    for (const std::string& text : texts) list += (list.empty() ? "" : ", ") + Describe(text);
    return "{" + list + "}";
}

std::string Utf8Expression(const char* expression) { return Utf8FromCp932(expression); }
std::string Describe(const std::wstring& text) { return "\"" + Utf8FromWide(text) + "\""; }
std::string Describe(bool value) { return value ? "true" : "false"; }
std::string Describe(const RECT& rect) {
    return "(" + std::to_string(rect.left) + ", " + std::to_string(rect.top) + ") size " +
           std::to_string(rect.right - rect.left) + " x " + std::to_string(rect.bottom - rect.top);
}

bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

void Fail(const char* file, int line, const std::string& what) {
    ++failuresInCase;
    std::string where = BaseName(file) + ":" + std::to_string(line);
    if (!callers.empty())
        where = BaseName(callers.front().file) + ":" + std::to_string(callers.front().line) + " (in " + where + ")";
    PrintLine("  " + where + ": " + what);
}

CallerScope::CallerScope(Where caller) { callers.push_back(caller); }
CallerScope::~CallerScope() { callers.pop_back(); }

bool True(bool condition, const char* expression, const char* file, int line) {
    if (!condition) Fail(file, line, "check failed: " + Utf8Expression(expression));
    return condition;
}

void RunCase(const std::string& name, const std::function<void()>& body) {
    failuresInCase = 0;
    try {
        body();
    } catch (const CaseAborted&) {
        PrintLine("  (case stopped)");
    } catch (const std::exception& error) {
        Fail(__FILE__, __LINE__, std::string("unexpected exception: ") + error.what());
    }
    if (failuresInCase == 0) {
        ++passed;
        PrintLine("ok   " + Utf8FromCp932(name));
    } else {
        ++failed;
        PrintLine("FAIL " + Utf8FromCp932(name));
    }
}

int Summary() {
    // A group that ran no case at all is a broken set-up, not a success.
    PrintLine(std::to_string(passed) + " passed, " + std::to_string(failed) + " failed");
    return failed == 0 && passed > 0 ? 0 : 1;
}

}  // namespace check
