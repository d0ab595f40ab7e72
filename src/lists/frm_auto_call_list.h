#pragma once

#include "auto_answer_list_form.h"

// "Calls Auto Answer List": the callers whose calls are answered.
class frmAutoCallList : public AutoAnswerListForm {
    Q_OBJECT
public:
    frmAutoCallList(MessageBoxService& messages, ErrorReport& errors, AutomationFactory& automation,
                    const QString& programDir, QWidget* parent = nullptr);

    ListBox& LstCallAutoAnswer() { return answerList(); }
};
