#pragma once
#include "slipvalues.h"

class QWidget;

// The title a form gives a rule's answer (the slip is gone, a rule of the
// books said no): a notice, or the program's own title as a database failure
// always takes.
enum class AnswerTitle { Notice, Program };

// Tells why a write was not done; nothing when it was. True when it was done.
bool showOutcome(QWidget* form, const SlipOutcome& outcome, AnswerTitle answerTitle);
