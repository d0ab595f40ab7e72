#pragma once

#include "list_file.h"
#include "platform/list_box.h"

#include <QCoreApplication>
#include <QString>

#include <memory>

class Automation;
class AutomationFactory;
class MessageBoxService;

// What a list editor window does, without the window: the contact list, the
// auto-answer list, the window's own automation object, and the steps of its load
// and of its three buttons. Every step that fails throws RunTimeError and leaves
// what it already did done.
class AutoAnswerListEditor {
public:
    // The boxes' texts, in English; a box shows them in the user's language.
    static constexpr const char* NoContactSelected = QT_TRANSLATE_NOOP(
        "AutoAnswerListEditor", "Please select a contact to add to your auto-answer list");
    static constexpr const char* NoEntrySelected = QT_TRANSLATE_NOOP(
        "AutoAnswerListEditor", "Please select a contact to remove from your auto-answer list");
    static constexpr const char* Saved =
        QT_TRANSLATE_NOOP("AutoAnswerListEditor", "Your chosen list has been saved successfully.");
    // %1: the most entries a list holds.
    static constexpr const char* ListFull =
        QT_TRANSLATE_NOOP("AutoAnswerListEditor",
                          "Your auto-answer list is full: it holds at most %1 entries. Remove an "
                          "entry before you add another one.");
    static constexpr const char* NoAddressTyped =
        QT_TRANSLATE_NOOP("AutoAnswerListEditor",
                          "Please type the address of the caller to add to your auto-answer list");

    AutoAnswerListEditor(MessageBoxService& messages, AutomationFactory& automation,
                         QString programDir, QString fileName);
    ~AutoAnswerListEditor();
    AutoAnswerListEditor(const AutoAnswerListEditor&) = delete;
    AutoAnswerListEditor& operator=(const AutoAnswerListEditor&) = delete;

    ListBox& contactList() { return m_contacts; }
    ListBox& answerList() { return m_answers; }
    // The editor's own automation object (never attached); null before the first load.
    Automation* oSkype() const { return m_oSkype.get(); }
    // The list file's path, built anew on every call.
    QString listPath() const;

    // A new automation object, the client's contacts in the contact list, and the
    // list file (when there is one) in the auto-answer list. Both lists show
    // their handles as the object names them, and again as names come.
    void load();
    // Appends the selected contact to the auto-answer list and selects it.
    void add();
    // The client in use changed: typed addresses follow its rules from now on.
    // The contacts and the list stay as they are until the next load.
    void clientChanged();
    // Whether the client in use takes callers by a typed address (asked of the
    // object the last load made, or of the client's since a change).
    bool takesAddresses() const;
    // Appends the caller at the typed address, written as the client names the
    // caller, and selects it. Empty or unusable input is said in a box and
    // changes nothing. Returns whether it appended.
    bool addAddress(const QString& typed);
    // Removes the selected entry and selects the last one.
    void remove();
    // Writes the auto-answer list to its file and says so.
    void save();

private:
    bool append(const QString& handle);
    Automation* addressReader() const;

    MessageBoxService& m_messages;
    AutomationFactory& m_factory;
    QString m_programDir;
    QString m_fileName;
    std::unique_ptr<Automation> m_oSkype;
    // An object of the client in use since a change after the last load, which
    // reads typed addresses; none when that is oSkype's client.
    std::unique_ptr<Automation> m_addressReader;
    // The list file's encoding as it was read, which a save keeps.
    ListFile::Encoding m_encoding = ListFile::Encoding::Utf8;
    ListBox m_contacts;
    ListBox m_answers;
};
