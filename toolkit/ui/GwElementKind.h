// What GwCore needs to know of each kind of Qt element besides its items (GwItemAccess): the
// class the system sees and the Qt properties that hold its text and its value. A new kind of
// element is one more row of the table in GwElementKind.cpp. Internal to the toolkit.
#pragma once

#include "GwCore.h"

#include <QVariant>

struct QMetaObject;

struct GwElementKind {
    const QMetaObject* meta; // the Qt class; its subclasses are of the kind too
    GwClassId class_id;      // before the frame and page rules of class_of
    const char* text;        // property of the text; null: the value as a number
    const char* value;       // property of the value; null: the leading number of the text

    // The first row element is of (the table lists subclasses first); the plain widget's row
    // for any other element, null included.
    static const GwElementKind& of(const QObject* element);

    // The class of element as the system asks for it: the kind's class, unless the element is
    // a frame (is_frame: built from a resource), a window or a page.
    static GwClassId class_of(QObject* element, bool is_frame);

    // Reads or writes a property as Qt declares it: an undeclared or read-only one reads as
    // an invalid variant and writes nothing (never a dynamic property).
    static QVariant read(const QObject* element, const char* property);
    static void write(QObject* element, const char* property, const QVariant& value);
};
