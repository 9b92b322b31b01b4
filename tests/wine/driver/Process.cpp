#include "Process.h"

#include <vector>

UpdaterProcess UpdaterProcess::Start(const std::wstring& exePath, std::optional<WORD> showCommand) {
    UpdaterProcess process;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (showCommand) {
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = *showCommand;
    }
    std::wstring commandLine = L"\"" + exePath + L"\"";
    std::vector<wchar_t> writable(commandLine.begin(), commandLine.end());
    writable.push_back(L'\0');
    if (!CreateProcessW(exePath.c_str(), writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process.info_))
        process.info_ = {};
    return process;
}

UpdaterProcess::UpdaterProcess(UpdaterProcess&& other) noexcept : info_(other.info_) { other.info_ = {}; }

UpdaterProcess::~UpdaterProcess() {
    if (!Started()) return;
    Kill();
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool UpdaterProcess::Running() const {
    return Started() && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> UpdaterProcess::WaitForExit(DWORD timeoutMs) const {
    if (!Started() || WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

void UpdaterProcess::Kill() {
    if (!Running()) return;
    TerminateProcess(info_.hProcess, 255);
    WaitForSingleObject(info_.hProcess, kTimeoutMs);
}
