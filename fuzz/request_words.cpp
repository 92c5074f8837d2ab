// Writes the request fuzzer's dictionary: the words of the checked-in list, then "msgid=N" for
// every operation the protocol has, so that a new operation is fuzzed from the day it exists.
//   usage: fuzz_request_words WORDS OUT
#include "Protocol.h"

#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: fuzz_request_words WORDS OUT\n";
        return 2;
    }
    std::ifstream words(argv[1], std::ios::binary);
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << words.rdbuf();
    out << "\n# Every operation, from the protocol's list.\n";
    for (zorv::Op op : zorv::kEveryOp)
        out << "\"msgid=" << op << "\"\n";
    return words && out ? 0 : 1;
}
