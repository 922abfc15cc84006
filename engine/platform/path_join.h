#pragma once
#include <string>
#include <string_view>

#include "platform/program_folder.h"

namespace quorvel::platform {

// folder + separator + name, without doubling a separator the folder already ends in.
inline std::string joinPath(std::string folder, std::string_view name,
                            std::string_view separator = pathSeparator()) {
    if (!folder.ends_with(separator)) folder += separator;
    return folder += name;
}

}  // namespace quorvel::platform
