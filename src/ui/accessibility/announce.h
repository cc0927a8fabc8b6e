#pragma once

class QString;
class QWidget;

namespace ui {

// Tells a screen reader what just changed, in words: the keyboard focus moves to `where` (made
// able to take the focus, though not a Tab stop, when it was not), which carries `words` as its
// description, so the reader speaks its name, its role and the words. Used where the learner did
// not move the focus, since a reader speaks what the focus lands on far more surely than a
// changed name; so `where` should be a control the learner is not on (what changed, or what tells
// of it). Tab then goes on from where the learner was. Nothing happens while `where` is not on
// the screen.
void announce(QWidget* where, const QString& words);

}  // namespace ui
