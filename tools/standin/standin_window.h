#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QListWidget;
class QTableWidget;
class StandInEngine;

// The stand-in's window: its contacts with a Ring button, its calls with their
// status, and its authorisation answer.
class StandInWindow : public QWidget {
    Q_OBJECT
public:
    explicit StandInWindow(StandInEngine& engine, QWidget* parent = nullptr);

private:
    void ringSelected();
    void hangupSelected();
    void refresh();

    StandInEngine& m_engine;
    QListWidget* m_contacts;
    QTableWidget* m_calls;
    QComboBox* m_authorization;
    QLabel* m_asking;
};
