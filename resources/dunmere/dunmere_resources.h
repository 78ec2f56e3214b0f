// Resource ids of Dunmere.dll, shared by its resource script and its code.
#pragma once

#define DUNMERE_NAME_STRING 1
#define DUNMERE_DESCRIPTION_STRING 2
#define DUNMERE_SMALL_ICON 101
#define DUNMERE_TEXT_INTRODUCTION 102
#define DUNMERE_TEXT_PROCEDURE 103
#define DUNMERE_TEXT_OBSERVATIONS 104
#define DUNMERE_TEXT_REACTIONS 105
