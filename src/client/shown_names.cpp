#include "shown_names.h"

#include "client/automation.h"
#include "platform/list_box.h"

#include <QPointer>

void showNamesOf(Automation* object, ListBox& list) {
    const QPointer<Automation> named = object;
    list.setShownText(
        [named](const QString& handle) { return named ? named->shownName(handle) : handle; });
    QObject::connect(object, &Automation::NamesChanged, &list, &ListBox::refreshShown);
}
