#pragma once

// Alt+letter keys for the controls on show together (a page with the bottom bar, a dialog).
// Each button, and each label that names a control (its buddy), gets a letter of its text that
// no other control of the group has: the first letters of its words first, then any other. The
// letters are picked from the texts as they are shown, in whatever language, so translations
// need no marks of their own; a text that already has its mark keeps that letter.

#include <QChar>
#include <QString>
#include <QWidget>

#include <vector>

namespace Mnemonics {

// The letter the text's '&' marks, in lower case, or a null QChar ("&&" is a plain '&').
QChar MarkedLetter(const QString &text);

// The text of a control that can carry a mark: a button's, or a label's that has a buddy; an
// empty string for any other widget.
QString MarkableText(const QWidget *widget);

// Gives each control in controls a letter not in taken and not marked by another of them, and
// adds the letters to taken. Texts with fewer letters choose first, then the earlier ones. A text
// without a free letter stays without one.
void Assign(const std::vector<QWidget *> &controls, QString &taken);

// The controls of root (root included) that can carry a mark, in the order of the focus chain,
// then the ones outside it.
std::vector<QWidget *> MarkableControls(QWidget *root);

} // namespace Mnemonics
