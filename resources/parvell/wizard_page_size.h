// The one size of every page of the wizard, in dialog units: the sheet sizes
// itself to its largest page, so a page drawn smaller would leave a band of
// nothing below or beside its controls.
#pragma once
#define WIZARD_PAGE_WIDTH 320
#define WIZARD_PAGE_HEIGHT 184
