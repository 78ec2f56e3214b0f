#include "wizard/reactions/lab_chemical_lookup.h"

#include <algorithm>
#include <cstring>

namespace parvell {

const ChemicalRecord* FindLabChemical(const std::vector<ChemicalRecord>& chemicals, CasNumber cas) {
    for (const ChemicalRecord& record : chemicals)
        if (record.cas == cas) return &record;
    return nullptr;
}

std::string BoundedText(const char* field, size_t fieldLength) { return std::string(field, strnlen(field, fieldLength)); }

void StoreBoundedText(const std::string& text, char* field, size_t fieldLength) {
    if (fieldLength == 0) return;
    memset(field, 0, fieldLength);
    memcpy(field, text.data(), std::min(text.size(), fieldLength - 1));
}

std::string ChemicalNameOf(const ChemicalRecord& record) { return BoundedText(record.name, sizeof record.name); }

std::string StoredFormulaOf(const ChemicalRecord& record) {
    return BoundedText(record.formula, sizeof record.formula);
}

std::string LabChemicalName(const std::vector<ChemicalRecord>& chemicals, CasNumber cas) {
    const ChemicalRecord* record = FindLabChemical(chemicals, cas);
    return record ? ChemicalNameOf(*record) : std::to_string(cas);
}

}  // namespace parvell
