#include "frm_auto_video_call_list.h"

#include "list_file.h"

namespace {
AutoAnswerListLayout videoCallsLayout() {
    return {
        frmAutoVideoCallList::tr("Video Calls Auto-Answer List"),
        8145,
        3735,
        ListFile::VideoCallsFileName,
        QStringLiteral("LstVideoCallAutoAnswer"),
        /*answerWithVideo=*/true,
        {QStringLiteral("Frame4"), QStringLiteral("chkAutoAnswerInc"),
         QStringLiteral("chkAutoAnswerIncWithVid"), QStringLiteral("CmdSave"),
         QStringLiteral("Frame2"), QStringLiteral("CmdRemove"), QStringLiteral("CmdAdd"),
         QStringLiteral("Frame1"), QStringLiteral("lstContacts"),
         QStringLiteral("LstVideoCallAutoAnswer")},
        QString(),
    };
}
} // namespace

frmAutoVideoCallList::frmAutoVideoCallList(MessageBoxService& messages, ErrorReport& errors,
                                           AutomationFactory& automation, const QString& programDir,
                                           QWidget* parent)
    : AutoAnswerListForm(videoCallsLayout(), messages, errors, automation, programDir, parent) {
    setObjectName(QStringLiteral("frmAutoVideoCallList"));
}
