#include "standin_window.h"

#include "standin_engine.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

StandInWindow::StandInWindow(StandInEngine& engine, QWidget* parent)
    : QWidget(parent), m_engine(engine), m_contacts(new QListWidget),
      m_calls(new QTableWidget(0, 5)), m_authorization(new QComboBox), m_asking(new QLabel) {
    setWindowTitle(QStringLiteral("Stand-in calling client"));

    for (const ContactBook::Contact& contact : engine.contacts().contacts()) {
        const QString name = engine.contacts().value(contact, QStringLiteral("FULLNAME"));
        auto* item = new QListWidgetItem(name.isEmpty() ? contact.handle
                                                        : contact.handle + QStringLiteral("  (") +
                                                              name + QLatin1Char(')'));
        item->setData(Qt::UserRole, contact.handle);
        m_contacts->addItem(item);
    }
    if (m_contacts->count() > 0)
        m_contacts->setCurrentRow(0);

    auto* ring = new QPushButton(QStringLiteral("&Ring"));
    auto* hangup = new QPushButton(QStringLiteral("&Hang up"));
    m_authorization->addItems(
        {QStringLiteral("allow"), QStringLiteral("ask"), QStringLiteral("refuse")});
    m_authorization->setCurrentIndex(static_cast<int>(engine.authorization()));
    m_calls->setHorizontalHeaderLabels({QStringLiteral("Call"), QStringLiteral("Caller"),
                                        QStringLiteral("Status"), QStringLiteral("Answered"),
                                        QStringLiteral("Video sending")});
    m_calls->horizontalHeader()->setStretchLastSection(true);
    m_calls->verticalHeader()->hide();
    m_calls->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_calls->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_calls->setSelectionMode(QAbstractItemView::SingleSelection);

    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("Contacts (select one, then Ring: it calls you)")));
    left->addWidget(m_contacts);
    left->addWidget(ring);
    auto* right = new QVBoxLayout;
    auto* authorization = new QHBoxLayout;
    authorization->addWidget(new QLabel(QStringLiteral("Programs asking to attach:")));
    authorization->addWidget(m_authorization);
    authorization->addStretch();
    right->addLayout(authorization);
    right->addWidget(m_asking);
    right->addWidget(new QLabel(QStringLiteral("Calls")));
    right->addWidget(m_calls);
    right->addWidget(hangup);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right, 2);
    resize(820, 420);

    connect(ring, &QPushButton::clicked, this, &StandInWindow::ringSelected);
    connect(m_contacts, &QListWidget::itemDoubleClicked, this, &StandInWindow::ringSelected);
    connect(hangup, &QPushButton::clicked, this, &StandInWindow::hangupSelected);
    connect(m_authorization, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_engine.setAuthorization(static_cast<StandInEngine::Authorization>(index));
    });
    connect(&engine, &StandInEngine::changed, this, &StandInWindow::refresh);
    refresh();
}

void StandInWindow::ringSelected() {
    if (const QListWidgetItem* item = m_contacts->currentItem())
        m_engine.ring(item->data(Qt::UserRole).toString());
}

void StandInWindow::hangupSelected() {
    const int row = m_calls->currentRow();
    if (row >= 0)
        m_engine.hangup(m_calls->item(row, 0)->text().toUInt());
}

void StandInWindow::refresh() {
    m_asking->setText(m_engine.asking()
                          ? QStringLiteral("A program asks to attach: choose allow or refuse.")
                          : QString());
    const int selected = m_calls->currentRow();
    const auto& calls = m_engine.calls();
    m_calls->setRowCount(static_cast<int>(calls.size()));
    int row = 0;
    for (const StandInEngine::Call& call : calls) {
        const QStringList cells{QString::number(call.id), call.partner, call.status,
                                call.answers > 0 ? QStringLiteral("yes") : QStringLiteral("no"),
                                call.videoSending ? QStringLiteral("yes") : QStringLiteral("no")};
        for (int column = 0; column < cells.size(); ++column)
            m_calls->setItem(row, column, new QTableWidgetItem(cells[column]));
        ++row;
    }
    if (selected >= 0 && selected < m_calls->rowCount())
        m_calls->selectRow(selected);
}
