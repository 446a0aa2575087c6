#pragma once

#include <QString>

namespace chronoflip {

class HelpPage;

// What the About window says: the program, its use, where to send feedback, and the
// history of its versions.
QString aboutText(const HelpPage& help);

}  // namespace chronoflip
