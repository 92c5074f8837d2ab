// Writes the request fuzzer's dictionary: the words of the checked-in list, then "msgid=N" for
// every operation the protocol has and "&key=" for each of their keys, so that a new operation
// or key is fuzzed from the day it exists.
//   usage: fuzz_request_words WORDS OUT
#include "CharacterRecord.h"
#include "FormKeys.h"
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
    out << "\n# Every request's keys, every operation's own, and the sheet's save keys.\n";
    for (const char* szKey : {zorv::form::kCharName, zorv::form::kPassword, zorv::form::kMsgId})
        out << "\"&" << szKey << "=\"\n";
    for (const zorv::form::OperationKey& key : zorv::form::kOperationKeys)
        out << "\"&" << key.szKey << "=\"\n";
    for (const zorv::RecordFieldInfo& field : zorv::kRecordFields)
        if (field.szSaveKey)
            out << "\"&" << field.szSaveKey << "=\"\n";
    return words && out ? 0 : 1;
}
