// The Win32 window's tests. With --logpixels=N the run sets the display's density in the
// registry and runs the tests again in a child process, which reads it when it starts; the
// density the parent found before is put back afterwards.
#include <gtest/gtest.h>
#include <windows.h>
// windows.h first: the system headers below need its types.
#include <ole2.h>

#include <optional>
#include <string>

#include "test_density.h"

namespace {

constexpr const wchar_t* kDesktopKey = L"Control Panel\\Desktop";
constexpr const wchar_t* kLogPixels = L"LogPixels";

std::optional<DWORD> logPixels() {
    DWORD value = 0, size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, kDesktopKey, kLogPixels, RRF_RT_REG_DWORD, nullptr, &value,
                     &size) != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

void setLogPixels(std::optional<DWORD> value) {
    if (!value) {
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kDesktopKey, kLogPixels);
        return;
    }
    RegSetKeyValueW(HKEY_CURRENT_USER, kDesktopKey, kLogPixels, REG_DWORD, &*value, sizeof *value);
}

// Runs this program again with the same arguments but --logpixels, and the density it should
// find in the environment.
int runAtDensity(DWORD dpi) {
    const std::optional<DWORD> before = logPixels();
    setLogPixels(dpi);
    SetEnvironmentVariableW(quorvel::test::kExpectedDpiVariable, std::to_wstring(dpi).c_str());
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::wstring commandLine;
    for (int i = 0; i < argc; ++i) {
        const std::wstring arg = argv[i];
        if (arg.rfind(L"--logpixels=", 0) == 0) continue;
        commandLine += L"\"" + arg + L"\" ";
    }
    LocalFree(argv);
    wchar_t program[MAX_PATH];
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child{};
    DWORD status = 1;
    if (CreateProcessW(program, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &child)) {
        WaitForSingleObject(child.hProcess, INFINITE);
        GetExitCodeProcess(child.hProcess, &status);
        CloseHandle(child.hThread);
        CloseHandle(child.hProcess);
    }
    setLogPixels(before);
    return static_cast<int>(status);
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--logpixels=", 0) == 0) return runAtDensity(std::stoul(arg.substr(12)));
    }
    SetProcessDPIAware();
    OleInitialize(nullptr);
    testing::InitGoogleTest(&argc, argv);
    const int status = RUN_ALL_TESTS();
    OleUninitialize();
    return status;
}
