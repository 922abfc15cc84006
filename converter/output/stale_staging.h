#pragma once
// A converter killed outright (SIGKILL, a power cut) cannot remove its staging folder. The
// next run into the same output folder removes such folders, and only those: a folder whose
// owner process (named in the folder) is gone and whose lock nobody holds. A live run's
// folder is never touched, and nothing but staging folders is ever removed.
#include <string>

namespace quorvel::converter {

void removeStaleStagingFolders(const std::string& outputFolder);

}  // namespace quorvel::converter
