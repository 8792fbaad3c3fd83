// The kill test's helper program: own_store_churn FOLDER SEED saves and deletes own systems
// in FOLDER until it is killed.
#include <cstdio>
#include <cstdlib>

#include "kill/own_store_churn.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: own_store_churn FOLDER SEED\n");
        return 2;
    }
    return ChurnOwnStore(argv[1], static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)));
}
