#pragma once
// Conversions between the control model's plain values and Qt's: UTF-8 texts,
// colours written as 0x00BBGGRR, fonts, short-cut texts and file filters.
#include <QColor>
#include <QFont>
#include <QKeySequence>
#include <QString>
#include <functional>
#include <string>

#include "platform/gui/Types.h"

class QFontMetrics;

QString ToQt(const std::string& text);
std::string FromQt(const QString& text);
// Positions in a text: Qt counts UTF-16 units, the model characters.
int CharIndexOf(const QString& text, int utf16Index);
int Utf16IndexOf(const QString& text, int charIndex);

QColor ToQColor(TColor color);

// The program's sans-serif font at the given model height (negative: pixels),
// condensed for controls whose texts must fit narrow places.
QFont ModelFont(const TFont& font, bool condensed = false);
// The font of a memo's lines: a semi-condensed face, at the largest pixel height
// whose lines stand no farther apart than those of the class library's font, so a
// memo shows as many lines, and lines as long, as its window was laid out for.
QFont MemoFont(const TFont& font);
// The font at the largest pixel size, from its own down to the smallest still
// readable, whose metrics pass `fits`; the smallest where none does.
QFont LargestFitting(QFont font, const std::function<bool(const QFontMetrics&)>& fits);
bool SameFont(const TFont& a, const TFont& b);

// "Ctrl+O", "F5": the key sequence of a model short-cut text; empty text, none.
QKeySequence ToKeySequence(const std::string& shortCut);

// The model's filter "Файл проекта|*.bdf|Вектор|*.tbl" as Qt's name filters
// "Файл проекта (*.bdf)", "Вектор (*.tbl)"; several patterns of one entry, split
// by ";", are joined with blanks.
QStringList ToNameFilters(const std::string& filter);

// The model's Shift state for Qt's keyboard modifiers and mouse buttons held.
TShiftState ToShiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);
