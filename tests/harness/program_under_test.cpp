#include "tests/harness/program_under_test.h"

#include <map>

#include "tests/harness/paths.h"

namespace {

// The current environment with `changes` applied, as a CreateProcessW block.
std::wstring EnvironmentBlock(const std::vector<std::pair<std::wstring, std::wstring>>& changes) {
    std::map<std::wstring, std::wstring> variables;  // sorted, as the system expects
    wchar_t* strings = ::GetEnvironmentStringsW();
    for (const wchar_t* entry = strings; entry && *entry; entry += wcslen(entry) + 1) {
        const std::wstring line(entry);
        const std::size_t equals = line.find(L'=', 1);  // "=C:=C:\..." entries start with '='
        if (equals != std::wstring::npos) variables[line.substr(0, equals)] = line.substr(equals + 1);
    }
    ::FreeEnvironmentStringsW(strings);
    for (const auto& [name, value] : changes) variables[name] = value;

    std::wstring block;
    for (const auto& [name, value] : variables) {
        block += name + L'=' + value;
        block.push_back(L'\0');
    }
    block.push_back(L'\0');
    return block;
}

UniqueKernelHandle MakeKillOnCloseJob() {
    UniqueKernelHandle job(::CreateJobObjectW(nullptr, nullptr));
    if (!job) return job;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (!::SetInformationJobObject(job.get(), JobObjectExtendedLimitInformation, &limits, sizeof limits)) job.reset();
    return job;
}

}  // namespace

ProgramUnderTest::ProgramUnderTest(const std::wstring& exePath, const LaunchOptions& options) {
    std::wstring commandLine = L"\"" + exePath + L"\"";
    if (!options.arguments.empty()) commandLine += L" " + options.arguments;
    std::wstring folder = options.workingFolder;
    if (folder.empty()) folder = exePath.substr(0, exePath.find_last_of(L"\\/"));
    std::wstring environment = EnvironmentBlock(options.environment);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                          CREATE_UNICODE_ENVIRONMENT | CREATE_SUSPENDED, environment.data(), folder.c_str(), &startup,
                          &info))
        return;
    process_.reset(info.hProcess);
    UniqueKernelHandle thread(info.hThread);
    pid_ = info.dwProcessId;

    // Children of the program die with it too, where job objects work; the
    // session's end (wineserver -k) is the last resort.
    job_ = MakeKillOnCloseJob();
    if (job_ && !::AssignProcessToJobObject(job_.get(), process_.get())) job_.reset();
    ::ResumeThread(thread.get());
}

ProgramUnderTest::~ProgramUnderTest() { End(); }

bool ProgramUnderTest::IsRunning() const {
    return process_ && ::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

HWND ProgramUnderTest::WaitForWindow(const wchar_t* className, const wchar_t* caption, DWORD timeoutMs) const {
    if (!pid_) return nullptr;
    return ::WaitForWindow(className, caption, timeoutMs, pid_);
}

std::optional<DWORD> ProgramUnderTest::WaitForExit(DWORD timeoutMs) const {
    if (!process_ || ::WaitForSingleObject(process_.get(), timeoutMs) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    ::GetExitCodeProcess(process_.get(), &code);
    return code;
}

void ProgramUnderTest::End() {
    if (job_) {
        ::TerminateJobObject(job_.get(), 1);
        job_.reset();
    }
    if (IsRunning()) ::TerminateProcess(process_.get(), 1);
    if (process_) ::WaitForSingleObject(process_.get(), 5000);
}

std::wstring ProgramPath(const std::wstring& fileName) { return ProgramFolder() + L"\\" + fileName; }

std::wstring ToolPath(const std::wstring& fileName) { return ToolsFolder() + L"\\" + fileName; }
