// Answers the program's message boxes in a test and keeps what they said: a
// presenter stands in for the user, as on a machine with a display.
#pragma once

#include "platform/MessageBox.h"

#include <cstdlib>
#include <string>
#include <vector>

class BoxCapture : public cMessageBoxPresenter {
public:
    struct Box {
        std::string text, caption;
        UINT type;
    };

    explicit BoxCapture(int answer = IDOK) : answer_(answer) {
        Save("SDL_VIDEODRIVER", video_);
        Save("DISPLAY", display_);
        unsetenv("SDL_VIDEODRIVER");
        setenv("DISPLAY", ":99", 1);
        ClearScriptedMessageBoxAnswers();
        SetMessageBoxPresenter(this);
    }
    ~BoxCapture() override {
        SetMessageBoxPresenter(nullptr);
        Restore("SDL_VIDEODRIVER", video_);
        Restore("DISPLAY", display_);
    }
    void Answer(int answer) { answer_ = answer; }
    bool Show(HWND, const std::string& text, const std::string& caption, UINT type, int& answer) override {
        boxes.push_back({text, caption, type});
        answer = answer_;
        return true;
    }

    std::vector<Box> boxes;

private:
    struct Saved {
        bool had = false;
        std::string value;
    };
    static void Save(const char* name, Saved& s) {
        if (const char* v = std::getenv(name)) {
            s.had = true;
            s.value = v;
        }
    }
    static void Restore(const char* name, const Saved& s) {
        if (s.had)
            setenv(name, s.value.c_str(), 1);
        else
            unsetenv(name);
    }

    int answer_;
    Saved video_, display_;
};
