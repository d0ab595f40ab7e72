#include "call_handler.h"

#include "platform/list_box.h"
#include "platform/pause.h"

bool CallHandler::lookUp(SkypeCall& call, ListBox& list) {
    // The caller's own item, letter case counting; an item that only begins with
    // the handle, or differs from it in case alone, does not hide it.
    list.setListIndex(list.findStringExact(call.partnerHandle()));
    // The handle is read again for the comparison, as the client may have
    // completed it meanwhile. A caller without a handle is never on a list.
    const QString handle = call.partnerHandle();
    return list.listIndex() != ListBox::None && !handle.isEmpty() && list.text() == handle;
}

void CallHandler::oSkype_CallStatus(const SkypeCallPtr& call, int status) {
    // Hold the call for the whole handler, whatever the sender does with it.
    const SkypeCallPtr held = call;
    if (status != CallStatusCode::Ringing || !held)
        return;

    bool answered = false;
    if (lookUp(*held, m_lists.reachCallsList())) {
        held->answer();
        answered = true;
    }

    if (lookUp(*held, m_lists.reachVideoCallsList())) {
        // A caller on both lists is answered once.
        if (!answered)
            held->answer();
        m_pause.sleep(VideoPauseMs);
        const bool withVideo = m_lists.reachVideoOption();
        if (held->status() == CallStatusCode::InProgress && withVideo)
            held->startVideoSend();
    }
}
