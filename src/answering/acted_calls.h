#pragma once

#include "call_record.h"

#include <QDateTime>
#include <QObject>

// The calls the program acts on, as they come: each goes into the record (when
// there is one) and is then announced, for the windows that show the latest
// call or the whole record.
class ActedCalls : public QObject, public CallRecord {
    Q_OBJECT
public:
    explicit ActedCalls(CallRecord* record, QObject* parent = nullptr)
        : QObject(parent), m_record(record) {}

    void add(const AnsweredCall& call) override {
        if (m_record)
            m_record->add(call);
        emit added(call, QDateTime::currentDateTime());
    }

signals:
    // After the call is in the record.
    void added(const AnsweredCall& call, const QDateTime& when);

private:
    CallRecord* m_record;
};
