// Writes the master "chemical.cdb": the master table as bare records.
//   write_master OUT
#include <cstdio>

#include "wizard/database/master_chemicals.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: write_master OUT\n");
        return 2;
    }
    std::vector<ChemicalRecord> records = parvell::MasterChemicals();
    FILE* f = fopen(argv[1], "wb");
    if (!f) return 1;
    bool ok = fwrite(records.data(), sizeof(ChemicalRecord), records.size(), f) == records.size();
    ok = fclose(f) == 0 && ok;
    return ok ? 0 : 1;
}
