#pragma once

class QMenuBar;

namespace olma::app {

// Gives every menu title of the bar and every command of its menus an Alt-key letter of its own
// within its row: the one it was given unless an earlier one has it, else the first letter of its
// text that no other has. Done on the translated texts, so the letters suit whatever language the
// window speaks.
void assignMnemonics(QMenuBar* bar);

} // namespace olma::app
