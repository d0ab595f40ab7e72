#pragma once

#include "auto_answer_list_form.h"

// "Video Calls Auto-Answer List": the callers whose calls are answered and, with
// its option chosen, get the user's video.
class frmAutoVideoCallList : public AutoAnswerListForm {
    Q_OBJECT
public:
    frmAutoVideoCallList(MessageBoxService& messages, ErrorReport& errors,
                         AutomationFactory& automation, const QString& programDir,
                         QWidget* parent = nullptr);

    ListBox& LstVideoCallAutoAnswer() { return answerList(); }
};
