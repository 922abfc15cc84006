#pragma once
// What the process probe reads of /proc, behind an interface so that tests can script a process
// that ends between the listing and the reading of its files. Every read reports failure as
// nullopt and never throws: a process may end at any moment, and then its files are gone.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel::platform {

class ProcFiles {
public:
    virtual ~ProcFiles() = default;
    // The ids of the processes alive when the listing was taken.
    virtual std::vector<std::string> processIds() const = 0;
    // The contents of /proc/<pid>/<file>; nullopt when it cannot be read in full.
    virtual std::optional<std::string> read(const std::string& pid, std::string_view file) const = 0;
    // The target of the link /proc/<pid>/<file>; nullopt when it cannot be read.
    virtual std::optional<std::string> link(const std::string& pid, std::string_view file) const = 0;
};

// The real /proc.
const ProcFiles& systemProcFiles();

// The probe's rule over a listing: true when a live process (zombies do not count) runs an
// executable whose file name equals `exeName` ignoring ASCII case. A process whose files
// cannot be read has ended, so it does not count.
bool anyProcessNamed(const ProcFiles& proc, std::string_view exeName);

}  // namespace quorvel::platform
