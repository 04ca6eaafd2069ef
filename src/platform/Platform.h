#pragma once
// The small services the windows take from the desktop.
#include <functional>

class QString;

namespace platform {
// The system beep. Tests may install a hook that counts beeps instead.
void beep();
void setBeepHook(std::function<void()> hook);
// Empties the system clipboard.
void clearClipboard();
// Opens a file with the desktop's default viewer, without waiting; failures are ignored.
void openWithDesktop(const QString& path);
// Twips (1/1440 inch) to pixels of the screen, and back.
int twipsToPixels(int twips);
int pixelsToTwips(int pixels);
} // namespace platform
