// Resource ids of Morvena.dll, shared by its resource script and its code.
#pragma once

#define MORVENA_NAME_STRING 2
#define MORVENA_DESCRIPTION_STRING 1
#define MORVENA_SMALL_ICON 104
#define MORVENA_TEXT_INTRODUCTION 105
#define MORVENA_TEXT_PROCEDURE 106
#define MORVENA_TEXT_OBSERVATIONS 107
