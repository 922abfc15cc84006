#include "control_table.h"

#include <stdexcept>
#include <string>

namespace quorvel {

const ControlSpec& controlSpec(std::string_view name) {
    for (const ControlSpec& spec : kControls)
        if (spec.name == name) return spec;
    throw std::out_of_range("no control named " + std::string(name));
}

}  // namespace quorvel
