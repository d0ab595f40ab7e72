#include "call_handler.h"

#include "call_log_file.h"
#include "platform/list_box.h"
#include "platform/pause.h"
#include "platform/run_time_error.h"

CallHandler::Match CallHandler::lookUp(SkypeCall& call, ListBox& list) {
    // The caller's own item, letter case counting; an item that only begins with
    // the handle, or differs from it in case alone, does not hide it.
    list.setListIndex(list.findStringExact(call.partnerHandle()));
    // The handle is read again for the comparison, as the client may have
    // completed it meanwhile. A caller without a handle is never on a list.
    const QString handle = call.partnerHandle();
    return {handle,
            list.listIndex() != ListBox::None && !handle.isEmpty() && list.text() == handle};
}

void CallHandler::oSkype_CallStatus(const SkypeCallPtr& call, int status) {
    // Hold the call for the whole handler, whatever the sender does with it.
    const SkypeCallPtr held = call;
    if (status != CallStatusCode::Ringing || !held)
        return;

    // What goes into the record once the call has been acted on, on every way out.
    AnsweredCall entry;
    const auto record = [&] {
        if (m_record && !entry.lists.isEmpty())
            m_record->add(entry);
    };
    // Whether the answer was asked for, and whether the call was answered then.
    bool asked = false;
    bool answered = false;
    const auto answer = [&] {
        answered = held->answer();
        asked = true;
        // The caller gave up, or the call was answered by hand, meanwhile.
        entry.outcome = answered ? QStringLiteral("answered")
                                 : QStringLiteral("not answered: the call was no longer ringing");
    };
    bool videoStep = false;
    try {
        const Match calls = lookUp(*held, m_lists.reachCallsList());
        if (calls.onList) {
            entry = {calls.handle, QStringLiteral("calls"), {}};
            answer();
        }

        const Match video = lookUp(*held, m_lists.reachVideoCallsList());
        if (video.onList) {
            const QString videoCalls = QStringLiteral("video calls");
            entry.lists = entry.lists.isEmpty() ? videoCalls
                                                : entry.lists + QStringLiteral(", ") + videoCalls;
            entry.handle = video.handle;
            // A caller on both lists is answered once, and a call that was not
            // answered gets no video.
            if (!asked)
                answer();
            if (answered) {
                videoStep = true;
                m_pause.sleep(VideoPauseMs);
                const bool withVideo = m_lists.reachVideoOption();
                const int now = held->status();
                if (now == CallStatusCode::InProgress && withVideo) {
                    held->startVideoSend();
                    entry.outcome = QStringLiteral("answered, video started");
                } else if (withVideo) {
                    entry.outcome =
                        QStringLiteral("answered, video not started (status %1)").arg(now);
                }
            }
        }

        // So that a handle that differs from a list's entry only in what cannot
        // be seen shows.
        if (!calls.onList && !video.onList)
            qCInfo(lcCalls).noquote()
                << QStringLiteral("A call from \"%1\" rang; the caller is on neither list.")
                       .arg(CallLogFile::field(video.handle));
    } catch (const RunTimeError& e) {
        if (!asked)
            entry.outcome = QStringLiteral("answer failed: ") + e.description();
        else if (videoStep)
            entry.outcome = QStringLiteral("answered, video failed: ") + e.description();
        record();
        throw;
    }
    record();
}
