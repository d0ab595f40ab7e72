#pragma once

#include "platform/window_instance.h"

class QLabel;

// The About window: the logo, the program's name and version, its maker and the
// beta disclaimer, which the load step sets. It has no commands; its close box
// unloads it.
class frmAbout : public MdiChildForm {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    void Form_Load() override;

private:
    QLabel* makeLabel(const char* name, const QString& text, int top, int height, qreal points);

    QLabel* Picture1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
};
