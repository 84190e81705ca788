#pragma once
// Number boxes take figures up to the box limit, and what the books compute
// from them stays within the book limit. A box past its limit is refused
// where its figure would be used: as it is left within its form, and again
// where a line or a payment reads it. The message names the box by its
// caption; the focus goes back to the box, its text as typed.
#include "amount.h"

class QLineEdit;
class QWidget;

namespace BoxLimit {

// The name a box goes by in the refusal: its label without brackets or colon.
void setCaption(QLineEdit* box, const QString& caption);
// True when the box's text is a number past the box limit: the message is
// shown and the focus is back in the box.
bool refuses(QLineEdit* box);
// Says that a figure computed from the boxes (a line's amount, a total)
// would pass the book limit, and puts the focus on the control.
void refuseComputed(QWidget* focus);

}
