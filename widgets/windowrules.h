#pragma once

class QWidget;

// The placing and stacking rules the windows of both programs share.
namespace DialogRules {
// Places a window in the middle of its screen, whole: a window larger than
// the room the screen leaves is made smaller, one that would pass an edge moves in.
void CenterForm(QWidget* form);
// Keeps a window above every other window, or takes that away. A shown dialog
// stays shown (and its exec() goes on); a form that is not a window of its own
// is left alone.
void SetTopmost(QWidget* form, bool on);
}
