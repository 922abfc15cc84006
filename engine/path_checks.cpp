#include "path_checks.h"

namespace quorvel {
namespace {

platform::PathKind kindAfterPass(const std::string& path,
                                 const platform::FileSystem& fileSystem,
                                 const platform::CodePage& codePage) {
    return fileSystem.kind(codePage.roundTrip(path));
}

}  // namespace

bool FileExists(const std::string& pstrFile, const platform::FileSystem& fileSystem,
                const platform::CodePage& codePage) {
    return kindAfterPass(pstrFile, fileSystem, codePage) == platform::PathKind::File;
}

bool FolderExists(const std::string& pstrFolder, const platform::FileSystem& fileSystem,
                  const platform::CodePage& codePage) {
    return kindAfterPass(pstrFolder, fileSystem, codePage) == platform::PathKind::Folder;
}

}  // namespace quorvel
