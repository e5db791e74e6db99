// What the suite keeps between runs: the main window's size, the zoom and size
// topic windows open at, and the last contents position opened.
#pragma once

#include <QSize>
#include <optional>

class QSettings;

namespace orr {

// Each value is empty when it is not kept (missing, of the wrong type or out
// of range): an empty value leaves the suite as it starts.
struct KeptSettings {
    std::optional<QSize> mainWindowSize;  // pixels, the size when not maximised
    std::optional<bool> maximised;
    std::optional<QSize> topicSize;       // twips: the size every topic window opens at
    std::optional<float> zoomLevel;
    std::optional<int> contentsPosition;
};

// Reads the kept values, checking each on its own: a nonsense value is
// dropped and the others still count. A file that is not a settings file at
// all gives no values.
KeptSettings readSettings(QSettings& store);
// Writes the values that are set; the others keep what the store held.
void writeSettings(QSettings& store, const KeptSettings& kept);

// Applies kept values to the shared state, the main window and the contents window.
void applySettings(const KeptSettings& kept);
// The values to keep from the suite as it is now.
KeptSettings currentSettings();

// The learner's own settings file: read once at start-up, written at close.
// Batch runs and scripts use neither, so they behave the same on every machine.
void restoreSettings();
void saveSettings();

}  // namespace orr
