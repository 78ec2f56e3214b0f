// Resource ids of Parvell.dll.
#pragma once

#define PARVELL_NAME_STRING 1
#define PARVELL_DESCRIPTION_STRING 2
#define PARVELL_SMALL_ICON 101
