#include "app/demo/demo_message_rules.h"

#include "app/demo/demo_file_walk.h"

namespace {
constexpr int32_t kDefaultSeconds = 5;
}

int32_t MessageStyleOfBits(int32_t p5) {
    if (p5 & kMessageBox) return kMessageBox;
    if (p5 & kBalloonTip) return kBalloonTip;
    if (p5 & kRegularTip) return kRegularTip;
    return kPlayerComment;
}

DemoMessageFields MessageFieldsOf(const DemoEvent* record) {
    DemoMessageFields fields;
    if (!record) return fields;
    fields.x = record->p2;
    fields.y = record->p3;
    fields.style = MessageStyleOfBits(record->p5);
    const bool tip = fields.style == kBalloonTip || fields.style == kRegularTip;
    fields.seconds = tip ? ClampMessageSeconds(record->p4) : 0;
    return fields;
}

DemoMessageControls ControlsForStyle(int32_t style) {
    const bool tip = style == kBalloonTip || style == kRegularTip;
    return {tip, tip, style != kPlayerComment};
}

int32_t MessageCountdownMs(int32_t style, int32_t seconds) {
    if (style != kBalloonTip && style != kRegularTip) return 0;
    return ClampMessageSeconds(seconds) * 1000;
}

DemoEvent PrefillMessageEvent(const DemoMessagePlace& place) {
    DemoEvent e{};
    if (place.addAtCursor) {
        e.p2 = place.cursor.x;
        e.p3 = place.cursor.y;
    } else if (place.selectedObject) {
        e.p2 = place.selectedObject->right;
        e.p3 = place.selectedObject->bottom;
    } else if (place.multiSelection) {
        e.p2 = place.multiSelection->right;
        e.p3 = place.multiSelection->bottom;
    } else {
        return e;
    }
    e.p4 = kDefaultSeconds;
    e.p5 = kBalloonTip;
    return e;
}
