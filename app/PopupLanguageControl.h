#pragma once

// The language of the words the popup itself shows and says (its close control's name, the
// screen readers' fallback): a label and a list on page 3 that show the design's choice and
// change it as one undo step.

class QComboBox;
class QWidget;
struct TPageContext;

// Places the label at (x, y) of parent and the list beside it, within width pixels, and returns
// the list for the page's reading order. The controls belong to parent and follow the context's
// document from then on.
QComboBox *AddPopupLanguageControl(QWidget *parent, const TPageContext &context, int x, int y,
                                   int width);
