// The help-topic table: which page of which help file each command, control
// or wizard page opens on F1. The program and the authoring module both link
// this one table.
#pragma once
#include <cstdint>

struct HelpRow {
    int32_t controlId;  // command or control id, 0 = none
    int32_t key;        // help context key, 0 = none
    const char* topic;  // "<file>.chm::/html/<page>.htm[#anchor]"
};

// Rows with a control id first, then the wizard's pages keyed 2000..2014,
// then the contents row (0, 0) that ends both searches.
const HelpRow* HelpRows();
int HelpRowCount();

// With a control id: the row of that id, or the first row with no id.
// With id 0: the row of that key, or the last row.
const HelpRow& FindHelpRow(int32_t controlId, int32_t key);

// The help file part of a topic ("manual.chm"), copied bounded; false when
// the topic has no "::" or it does not fit.
bool HelpFileOfTopic(const char* topic, char* out, int size);

// folder + "\\" + the topic of the row FindHelpRow gives, copied bounded;
// false (and out empty) when it does not fit.
bool HelpTopicPathIn(const char* folder, int32_t controlId, int32_t key, char* out, int size);
