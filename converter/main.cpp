#include "converter_app.h"
#include "memory/allocator_tuning.h"

int main(int argc, char** argv) {
    quorvel::converter::restartWithHugePages(argv);
    return quorvel::converter::runConverter(argc, argv);
}
