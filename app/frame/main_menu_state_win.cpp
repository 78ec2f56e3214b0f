#include "app/frame/main_menu_state_win.h"

#include <richedit.h>

#include "app/frame/app_windows_win.h"
#include "app/frame/frame_services_win.h"
#include "app/modules/module_host.h"
#include "app/panes/text_panes_win.h"
#include "bench/commands/menus/menu_state_win.h"
#include "bench/commands/print/print_job.h"
#include "bench/model/bench_state.h"
#include "bench/window/bench_window_win.h"
#include "render/render_settings_win.h"

namespace {

bool PaneHasSelection(int index) {
    HWND pane = TextPanes[index].window;
    if (!pane) return false;
    CHARRANGE range{};
    SendMessageA(pane, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    return range.cpMin != range.cpMax;
}

}  // namespace

MenuFacts CurrentMenuFacts() {
    MenuFacts facts;
    GatherBenchMenuFacts(&facts);
    facts.style = static_cast<uint32_t>(QueryCurrentLabStyle());
    facts.undoValid = UndoValid;
    facts.demoRecording = DemoRecordingActive();
    facts.udlNamed = CurrentUdlName[0] != 0;
    facts.showLabBench = BenchRenderSettings().showLabBench;
    facts.printOptions = static_cast<uint32_t>(PrintOptions);
    HWND observations = TextPanes[kObservationsPane].window;
    facts.observationsFocused = observations && GetFocus() == observations;
    facts.observationsCanPaste = observations && SendMessageA(observations, EM_CANPASTE, 0, 0) != 0;
    facts.labObjectOnClipboard = LabObjectClipboardFormat && IsClipboardFormatAvailable(LabObjectClipboardFormat);
    facts.observationsHasSelection = PaneHasSelection(kObservationsPane);
    facts.anyPaneHasSelection = facts.observationsHasSelection || PaneHasSelection(kIntroductionPane) ||
                                PaneHasSelection(kProcedurePane);
    return facts;
}

void UpdateMainMenuPopup(HMENU popup) {
    bool onMenuBar = false;
    const MenuPopup which = MenuBarPopupOf(GetMenu(FrameWindow), popup, &onMenuBar);
    if (!onMenuBar) return;
    ApplyMenuState(popup, DecideMenuState(which, CurrentMenuFacts()));
}
