#include "frm_auto_call_list.h"

#include "list_file.h"

namespace {
AutoAnswerListLayout callsLayout() {
    return {
        frmAutoCallList::tr("Calls Auto Answer List"),
        8175,
        3735,
        ListFile::CallsFileName,
        QStringLiteral("LstCallAutoAnswer"),
        /*answerWithVideo=*/false,
        {QStringLiteral("Frame1"), QStringLiteral("lstContacts"), QStringLiteral("CmdAdd"),
         QStringLiteral("CmdRemove"), QStringLiteral("Frame2"), QStringLiteral("LstCallAutoAnswer"),
         QStringLiteral("CmdSave"), QStringLiteral("Frame4"),
         QStringLiteral("chkAutoAnswerIncWithVid"), QStringLiteral("chkAutoAnswerInc")},
        frmAutoCallList::tr("Double click on User ID to get details."),
    };
}
} // namespace

frmAutoCallList::frmAutoCallList(MessageBoxService& messages, ErrorReport& errors,
                                 AutomationFactory& automation, const QString& programDir,
                                 QWidget* parent)
    : AutoAnswerListForm(callsLayout(), messages, errors, automation, programDir, parent) {
    setObjectName(QStringLiteral("frmAutoCallList"));
}
