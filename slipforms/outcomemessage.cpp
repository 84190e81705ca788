#include "outcomemessage.h"
#include "messagebox.h"

bool showOutcome(QWidget* form, const SlipOutcome& outcome, AnswerTitle answerTitle)
{
    switch (outcome.state()) {
    case SlipOutcome::State::Done:
        return true;
    case SlipOutcome::State::NotFound:
    case SlipOutcome::State::Refused:
        MessageBox::show(form, outcome.message(), answerTitle == AnswerTitle::Notice ? MessageBox::NoticeTitle : QString());
        return false;
    case SlipOutcome::State::Failed:
        MessageBox::show(form, outcome.message());
        return false;
    }
    return false;
}
