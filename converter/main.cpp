#include "converter_app.h"

int main(int argc, char** argv) { return quorvel::converter::runConverter(argc, argv); }
