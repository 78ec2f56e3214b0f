// Feeds arbitrary bytes to the user chemical database reader: every record's
// text fields come back terminated, and the dialog's checks and the key search
// run over whatever it read.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/memory_udl_io.h"
#include "wizard/database/user_database.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::MemoryUdlIo io(data, size);
    std::vector<ChemicalRecord> records;
    if (!parvell::ReadUserChemicalDatabase(io, "chemical.cdb", records)) __builtin_trap();
    if (records.size() != size / sizeof(ChemicalRecord)) __builtin_trap();
    for (size_t i = 0; i < records.size(); ++i) {
        const ChemicalRecord& r = records[i];
        if (strnlen(r.name, sizeof r.name) == sizeof r.name) __builtin_trap();
        if (strnlen(r.formula, sizeof r.formula) == sizeof r.formula) __builtin_trap();
        parvell::ChemicalEntry entry = parvell::EntryOf(r);
        parvell::FirstFailedChemicalCheck(entry, records.data(), int32_t(records.size()), int32_t(i));
    }
    int64_t next = parvell::NextGeneratedId(records.data(), int32_t(records.size()));
    if (next != -1 && !parvell::IsKeyUnused(CasNumber(next), records.data(), int32_t(records.size())))
        __builtin_trap();
    return 0;
}
