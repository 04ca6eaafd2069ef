#pragma once
// pecunex-report run as a process, the way scripts use it: status, stdout, stderr and the
// memory it took.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace report_process {

namespace fs = std::filesystem;

inline std::string readText(const fs::path& path) {
    std::ostringstream s;
    s << std::ifstream(path, std::ios::binary).rdbuf();
    return s.str();
}

inline void writeText(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// A scratch folder, removed when the object goes.
struct Scratch {
    fs::path path;
    explicit Scratch(const std::string& name)
        : path(fs::temp_directory_path() / (name + "-" + std::to_string(getpid()))) {
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~Scratch() {
        std::error_code ec;
        fs::permissions(path, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(path, ec);
    }
};

struct ProcessRun {
    int status;
    std::string out, err;
    long peakKiB; // the largest resident size it reached, counting from this process's size
};

inline const fs::path ReportProgram = PECUNEX_BINARY_DIR "/pecunex-report";

// Runs `program` in `folder`; `arguments` are shell text, quoted by the caller, and may
// redirect stdout elsewhere (">/dev/full").
inline ProcessRun run(const fs::path& folder, const std::string& arguments,
                      const fs::path& program = ReportProgram) {
    const fs::path out = folder / ".stdout.txt", err = folder / ".stderr.txt";
    const std::string command = "cd '" + folder.string() + "' && exec '" + program.string() +
                                "' >'" + out.string() + "' 2>'" + err.string() + "' " + arguments;
    const pid_t child = fork();
    if (child == 0) {
        execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int raw = 0;
    rusage usage{};
    wait4(child, &raw, 0, &usage);
    ProcessRun r{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readText(out), readText(err),
                 usage.ru_maxrss};
    fs::remove(out);
    fs::remove(err);
    return r;
}

} // namespace report_process
