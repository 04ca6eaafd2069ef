#include "Platform.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QScreen>
#include <QString>
#include <QUrl>
#include <cmath>
#include <utility>

namespace platform {
namespace {

std::function<void()>& beepHook() {
    static std::function<void()> hook;
    return hook;
}

// Logical dots per inch of the primary screen; 96 when there is no screen (yet).
double screenDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    return dpi > 0 ? dpi : 96.0;
}

} // namespace

void beep() {
    if (const auto& hook = beepHook()) {
        hook();
        return;
    }
    QApplication::beep();
}

void setBeepHook(std::function<void()> hook) {
    beepHook() = std::move(hook);
}

void clearClipboard() {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return;
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->clear();
}

void openWithDesktop(const QString& path) {
    // The desktop hands the file to its viewer in a process of its own; we neither wait for
    // it nor report when nothing could be started.
    (void)QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

// 1440 twips make an inch: 15 twips per pixel at 96 dots per inch.
int twipsToPixels(int twips) {
    return static_cast<int>(std::lround(twips * screenDpi() / 1440.0));
}

int pixelsToTwips(int pixels) {
    return static_cast<int>(std::lround(pixels * 1440.0 / screenDpi()));
}

} // namespace platform
