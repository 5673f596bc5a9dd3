// A scrolled list of entries with several columns (the terminal's exchange list). Entries
// are added and read as their column texts joined by "|" ("To|W0"); GwCore's list operations
// (add_item, delete_item, item_count, make_visible, set_item_colors, ...) work on it. The
// program owns the handle; deleting it removes the list.
//
//   auto* list = new GwMultiColumnScrolledList(container, "LIST", 16, 49, 480, 329, 2);
//   list->set_title("Exchange");          // the header of the last column
//   list->set_column_width(0, 32);
//   list->add_item("From|A0 OK");
#pragma once

#include "GwCore.h"

class QTreeWidget;

class GwMultiColumnScrolledList : public GwCore {
public:
    GwMultiColumnScrolledList(GwCore* parent, const GwString& id, int x, int y, int width,
                              int height, int columns);
    ~GwMultiColumnScrolledList() override = default;

    QTreeWidget* tree() const;
    void set_column_width(int column, int width);
    // 1: entries can be selected; 0: they cannot.
    void set_selectable(int on);
    void set_scroll_bars(int on);
};
