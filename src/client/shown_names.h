#pragma once

class Automation;
class ListBox;

// `list` shows its handles as `object` names them (Automation::shownName), and
// again whenever names come in; its items stay the handles. Once `object` is
// gone, the handles themselves are shown.
void showNamesOf(Automation* object, ListBox& list);
