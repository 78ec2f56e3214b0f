// The PDB Files page's edits of the lab's molecule files: one per chemical,
// under a name that extracts safely. The bytes are read at Finish; here only
// the source path changes.
#pragma once
#include <string>

#include "wizard/udl_lab.h"

namespace parvell {

enum class AttachResult {
    kAttached,    // a new attachment
    kReplaced,    // the chemical's attachment now names this file
    kUnchanged,   // it named this file already: its bytes are kept
    kUnsafeName,  // the name would not extract safely (or the path is too long)
};

// The first attachment of cas, or -1.
int FindMoleculeFile(const UdlLab& lab, CasNumber cas);
// The name and extension of cas's molecule file; "" when it has none.
std::string AttachedFileName(const UdlLab& lab, CasNumber cas);

// Attaches the file at sourcePath to cas. A chemical that has a molecule file
// gets its path replaced (never a second record); a changed path drops the
// bytes the lab held for the old file.
AttachResult AttachMoleculeFile(UdlLab& lab, CasNumber cas, const std::string& sourcePath);

// Removes the first attachment of cas and closes the gap; false when it has none.
bool ClearMoleculeFile(UdlLab& lab, CasNumber cas);

}  // namespace parvell
