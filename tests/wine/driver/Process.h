// Starts an updater and watches its process. A process still running when
// its owner goes away is killed, so a failed case never leaves an updater
// behind to hold the single-instance name for the next case.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

// Generous: an update under Wine on a slow machine takes a few seconds; the
// timeouts only keep a hung updater from hanging the run.
constexpr DWORD kTimeoutMs = 30000;

class UpdaterProcess {
public:
    // showCommand, when given, reaches the updater through STARTUPINFO.
    static UpdaterProcess Start(const std::wstring& exePath, std::optional<WORD> showCommand = std::nullopt);
    UpdaterProcess(UpdaterProcess&& other) noexcept;
    UpdaterProcess& operator=(UpdaterProcess&&) = delete;
    ~UpdaterProcess();

    DWORD Id() const { return info_.dwProcessId; }
    DWORD ThreadId() const { return info_.dwThreadId; }
    bool Started() const { return info_.hProcess != nullptr; }
    bool Running() const;
    // The exit code, or nothing when the process has not ended in time.
    std::optional<DWORD> WaitForExit(DWORD timeoutMs = kTimeoutMs) const;
    void Kill();

private:
    UpdaterProcess() = default;
    PROCESS_INFORMATION info_{};
};
