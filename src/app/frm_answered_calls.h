#pragma once

#include "answering/answered_calls_model.h"
#include "platform/window_instance.h"

#include <functional>

class ActedCalls;
class Automation;
class QPushButton;
class QTableView;
class ShellOpen;

// "Answered Calls": the record of the calls the program acted on, newest first,
// read anew whenever a call goes into it while the window is open. Its button
// opens the record's folder in the file manager.
class frmAnsweredCalls : public MdiChildForm {
    Q_OBJECT
public:
    // `recordPath`: the record's file (none when empty); `names`: the client
    // object whose names the callers are shown by, when there is one.
    frmAnsweredCalls(QString recordPath, ActedCalls& calls, ShellOpen& shell,
                     std::function<Automation*()> names, QWidget* parent = nullptr);

    void Form_Load() override;

    AnsweredCallsModel& model() { return m_model; }
    void cmdOpenFolder_Click();

private:
    void reload();

    QString m_recordPath;
    ShellOpen& m_shell;
    std::function<Automation*()> m_names;
    AnsweredCallsModel m_model;
    QTableView* m_table;
    QPushButton* cmdOpenFolder;
};
