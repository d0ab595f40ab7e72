#include "frm_answered_calls.h"

#include "answering/acted_calls.h"
#include "client/automation.h"
#include "platform/shell_open.h"
#include "platform/units.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QUrl>

frmAnsweredCalls::frmAnsweredCalls(QString recordPath, ActedCalls& calls, ShellOpen& shell,
                                   std::function<Automation*()> names, QWidget* parent)
    : MdiChildForm(parent), m_recordPath(std::move(recordPath)), m_shell(shell),
      m_names(std::move(names)),
      m_model([this](const QString& handle) {
          Automation* object = m_names ? m_names() : nullptr;
          return object ? object->shownName(handle) : handle;
      }),
      m_table(new QTableView(this)), cmdOpenFolder(new QPushButton(this)) {
    setObjectName(QStringLiteral("frmAnsweredCalls"));
    setWindowTitle(tr("Answered Calls"));
    setClientSizeTwips(9000, 4800);

    m_table->setObjectName(QStringLiteral("tblAnsweredCalls"));
    m_table->setGeometry(Units::twipsRect(120, 120, 8760, 3960));
    m_table->setModel(&m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    // Fixed rows and columns: a long record is laid out without measuring each line.
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->horizontalHeader()->setStretchLastSection(true);
    const int widths[] = {2300, 2200, 1700};
    for (int column = 0; column < 3; ++column)
        m_table->setColumnWidth(column, Units::twipsToPixels(widths[column]));

    cmdOpenFolder->setObjectName(QStringLiteral("cmdOpenFolder"));
    cmdOpenFolder->setText(tr("Open Folder"));
    cmdOpenFolder->setGeometry(Units::twipsRect(7380, 4200, 1500, 420));
    cmdOpenFolder->setEnabled(!m_recordPath.isEmpty());
    connect(cmdOpenFolder, &QPushButton::clicked, this, &frmAnsweredCalls::cmdOpenFolder_Click);
    connect(&calls, &ActedCalls::added, this, &frmAnsweredCalls::reload);
}

void frmAnsweredCalls::Form_Load() {
    reload();
    if (Automation* object = m_names ? m_names() : nullptr)
        connect(object, &Automation::NamesChanged, &m_model, &AnsweredCallsModel::refreshNames);
}

void frmAnsweredCalls::reload() {
    if (m_recordPath.isEmpty())
        return;
    m_model.setEntries(CallLogReader::read(m_recordPath));
    // A line that could not be read is shown whole, across the row.
    m_table->clearSpans();
    const auto& entries = m_model.entries();
    for (size_t row = 0; row < entries.size(); ++row)
        if (!entries[row].readable)
            m_table->setSpan(int(row), 0, 1, AnsweredCallsModel::ColumnCount);
}

void frmAnsweredCalls::cmdOpenFolder_Click() {
    if (m_recordPath.isEmpty())
        return;
    // Before the first call the folder may not be there yet.
    const QString folder = QFileInfo(m_recordPath).absolutePath();
    QDir().mkpath(folder);
    m_shell.open(QUrl::fromLocalFile(folder).toString(), /*maximised=*/false);
}
