#pragma once

namespace drovan {
class SettingsStore;
}

namespace drovan::ui {

class Prompts;
class Clock;

// What the windows share with the platform: one settings store, one way to ask the user, and
// one clock. The application owns them; tests pass scripted ones.
struct Services {
    SettingsStore &settings;
    Prompts &prompts;
    Clock &clock;
};

} // namespace drovan::ui
