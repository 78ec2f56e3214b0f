// Resource ids of Olvaris.dll, shared by its resource script and its code.
#pragma once

#define OLVARIS_NAME_STRING 1
#define OLVARIS_DESCRIPTION_STRING 2
#define OLVARIS_SMALL_ICON 102
#define OLVARIS_TEXT_INTRODUCTION 103
#define OLVARIS_TEXT_PROCEDURE 104
#define OLVARIS_TEXT_OBSERVATIONS 105
#define OLVARIS_TEXT_REACTIONS 106
