// The Add Reactions page's equation and balance lines, and the type column of
// its chemical list. Every line is built bounded, whatever the records hold.
#pragma once
#include <string>
#include <vector>

#include "common/chemical_record.h"
#include "wizard/udl_records.h"

namespace parvell {

// The longest equation line kept; a longer one is cut there.
constexpr size_t kEquationLineLength = 2047;

// "%.3f (%s) " for each reactant with " + " between them, "->", then the
// products with "+ " between them; each formula as stored, marker bytes and
// all, and "?" for a chemical the lab does not hold.
std::string EquationLine(const ReactionRecord& reaction, const std::vector<ChemicalRecord>& chemicals);

// "(LHS = %.3f, RHS = %.3f)": coefficient x molar mass summed over the
// reactants and over the products.
std::string BalanceLine(const ReactionRecord& reaction, const std::vector<ChemicalRecord>& chemicals);

// A number as "%.3f" where that stays short, else in "%g" form.
std::string FormatThreeDecimals(double value);

// The texts of the set flags 0x1, 0x2 and 0x4, in that order, joined by ", ".
std::string ChemicalTypeText(uint32_t flags, const std::string& stock, const std::string& product,
                             const std::string& unknown);

}  // namespace parvell
