#pragma once

#include <QString>

class QLabel;

namespace rcl {

// Text from the files and from the player is shown as it stands: a name such
// as "<b>x</b>" in rune.dat or group.dat is never taken for markup.

// A tooltip that shows text as it stands: unchanged where Qt would not take
// it for rich text, escaped where it would.
[[nodiscard]] QString plainToolTip(const QString &text);
// Labels and message boxes take their text as plain text.
void showAsPlainText(QLabel *label);

} // namespace rcl
