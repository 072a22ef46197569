#pragma once

#include "core/ContactSource.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

/// One parameter of a property, as read; its name upper-cased.
struct CardParameter {
    QByteArray name;
    /// As it stood, quotes included; null for a bare 2.1 type ("HOME", "QUOTED-PRINTABLE").
    QString value;
    bool operator==(const CardParameter&) const = default;
};

/// One property line of a card, as read.
struct CardProperty {
    QByteArray group;                 ///< "item1", or empty
    QByteArray name;                  ///< upper-cased: "TEL", "X-ABLABEL"
    QList<CardParameter> parameters;  ///< as read, in order
    /// The value decoded to text (2.1 quoted-printable and CHARSET undone),
    /// with the escapes of the card's version kept, so it can be written back.
    QString value;
    /// The first of the form's fields the value went to (N: the last name,
    /// ADR: the street, a photo: its path); -1 for none.
    int field = -1;
    /// Whether the form shows it or stands for it: a field's value, the
    /// birthday, FN, UID, and the card's VERSION, PRODID and REV.
    bool shown = false;

    /// The value of parameter @p name (quotes taken off); null when there is none.
    QString parameter(QByteArrayView name) const;
    /// Every type, upper-cased: TYPE lists, bare 2.1 types, PREF (also PREF=1).
    QStringList types() const;
    /// Whether the value is binary (BASE64 or b encoding) or a data: URI.
    bool isBinary() const;
    /// "TITLE: Head of Research", "TEL (CELL): +1 555 0102": the property as a user reads it.
    QString describe(int version) const;
    /// "TEL (CELL)": its name and types.
    QString heading() const;
    /// Its value as a user reads it, whole: escapes undone, parts joined by ", ".
    QString text(int version) const;

    bool operator==(const CardProperty&) const = default;
};

/// A card as read: every property, and what the form got from it.
struct KeptCard {
    int version = 0;                 ///< 21, 30, 40; 0 when the contact was not read from a card
    QList<CardProperty> properties;  ///< every property of the card exactly as read, in order
    ContactRecord asRead;            ///< what the form got from it

    bool isEmpty() const { return properties.isEmpty(); }
    /// The properties the form does not show, each with its value, for the read-only list:
    /// "TITLE: Head of Research", "CATEGORIES: Survey, Field work", "TEL (CELL): +1 555 0102".
    QStringList notShown() const;
    /// To keep it in a file beside the settings.
    QByteArray toBytes() const;
    /// Throws Error on bytes that are not one.
    static KeptCard fromBytes(QByteArrayView bytes);
};

/// What the user changed since the card was read (or since New): only these
/// parts of the form are written over the kept properties; everything else
/// goes back as read.
struct CardEdits {
    std::array<bool, ContactSource::FieldCount> fields{};
    std::array<bool, ContactSource::FlagCount> flags{};
    bool birthday = false;
    bool photo = false;
    bool any() const;
};
