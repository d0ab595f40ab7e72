#include "auto_answer_list_editor.h"

#include "client/automation.h"
#include "client/shown_names.h"
#include "list_file.h"
#include "platform/message_box.h"
#include "platform/product.h"

#include <QCoreApplication>
#include <QDir>

namespace {

QString editorText(const char* text) {
    return QCoreApplication::translate("AutoAnswerListEditor", text);
}

} // namespace

AutoAnswerListEditor::AutoAnswerListEditor(MessageBoxService& messages,
                                           AutomationFactory& automation, QString programDir,
                                           QString fileName)
    : m_messages(messages), m_factory(automation), m_programDir(std::move(programDir)),
      m_fileName(std::move(fileName)) {}

AutoAnswerListEditor::~AutoAnswerListEditor() = default;

QString AutoAnswerListEditor::listPath() const {
    return ListFile::path(m_programDir, m_fileName);
}

void AutoAnswerListEditor::load() {
    m_oSkype = m_factory.create();
    m_addressReader.reset();
    showNamesOf(m_oSkype.get(), m_contacts);
    showNamesOf(m_oSkype.get(), m_answers);
    m_contacts.clear();

    // The contact list only offers handles to copy; a client with more contacts
    // than a list holds shows the first ones.
    const QList<SkypeUserPtr> friends = m_oSkype->friends();
    QStringList handles;
    handles.reserve(std::min<qsizetype>(friends.size(), ListBox::MaxItems));
    for (const SkypeUserPtr& user : friends) {
        if (handles.size() == ListBox::MaxItems)
            break;
        handles << user->handle();
    }
    m_contacts.setItems(handles);

    m_encoding = ListFile::readInto(m_answers, listPath(), m_messages);
}

void AutoAnswerListEditor::add() {
    const QString handle = m_contacts.text();
    if (handle.isEmpty()) {
        m_messages.show(editorText(NoContactSelected), MsgBoxStyle::Information, Product::name);
        return;
    }
    append(handle);
}

void AutoAnswerListEditor::clientChanged() {
    if (m_oSkype) // else the first load makes one of the new client
        m_addressReader = m_factory.create();
}

Automation* AutoAnswerListEditor::addressReader() const {
    return m_addressReader ? m_addressReader.get() : m_oSkype.get();
}

bool AutoAnswerListEditor::takesAddresses() const {
    return addressReader() && addressReader()->takesAddresses();
}

bool AutoAnswerListEditor::addAddress(const QString& typed) {
    if (typed.trimmed().isEmpty()) {
        m_messages.show(editorText(NoAddressTyped), MsgBoxStyle::Information, Product::name);
        return false;
    }
    if (!takesAddresses())
        return false;
    const TypedAddress address = addressReader()->callerAddress(typed);
    if (address.handle.isEmpty()) {
        m_messages.show(address.problem, MsgBoxStyle::Exclamation, Product::name);
        return false;
    }
    return append(address.handle);
}

bool AutoAnswerListEditor::append(const QString& handle) {
    if (m_answers.listCount() >= ListBox::MaxItems) {
        m_messages.show(editorText(ListFull).arg(ListBox::MaxItems), MsgBoxStyle::Exclamation,
                        Product::name);
        return false;
    }
    m_answers.addItem(handle);
    m_answers.setListIndex(m_answers.listCount() - 1);
    return true;
}

void AutoAnswerListEditor::remove() {
    if (m_answers.text().isEmpty()) {
        m_messages.show(editorText(NoEntrySelected), MsgBoxStyle::Information, Product::name);
        return;
    }
    m_answers.removeItem(m_answers.listIndex());
    m_answers.setListIndex(m_answers.listCount() - 1);
}

void AutoAnswerListEditor::save() {
    // The user's configuration directory may not exist before the first save; a
    // directory that cannot be made shows up as the save's own failure.
    QDir().mkpath(m_programDir);
    m_encoding = ListFile::writeFrom(m_answers, listPath(), m_encoding);
    m_messages.show(editorText(Saved), MsgBoxStyle::Information, Product::name);
}
