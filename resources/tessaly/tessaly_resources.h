// Resource ids of Tessaly.dll, shared by its resource script and its code.
#pragma once

#define TESSALY_NAME_STRING 1
#define TESSALY_DESCRIPTION_STRING 2
#define TESSALY_SMALL_ICON 101
#define TESSALY_TEXT_INTRODUCTION 102
#define TESSALY_TEXT_PROCEDURE 103
#define TESSALY_TEXT_OBSERVATIONS 104
